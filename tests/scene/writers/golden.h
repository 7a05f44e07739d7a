// Files the writers produce, read back, and compared with the golden files kept beside the
// tests. With HX_UPDATE_GOLDEN set in the environment the golden files are rewritten instead.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string ReadWholeFile(const std::string& path) {
    std::string data;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            data.append(buf, n);
        std::fclose(f);
    }
    return data;
}

// A fresh folder for one test's output, under the test's working folder.
inline std::string OutputDir(const char* name) {
    CreateDirectoryA("writers_out", nullptr);
    std::string dir = std::string("writers_out\\") + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir + "\\";
}

// The first line that differs, so a failure is readable.
inline std::string FirstDifference(const std::string& want, const std::string& got) {
    size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i])
        ++i;
    size_t start = want.rfind('\n', i == 0 ? 0 : i - 1);
    start = start == std::string::npos ? 0 : start + 1;
    return "at byte " + std::to_string(i) + "\n  golden: " + want.substr(start, want.find('\n', i) - start) +
           "\n  output: " + got.substr(start, got.find('\n', i) - start);
}

inline void ExpectGolden(const char* goldenName, const std::string& output) {
    std::string path = std::string(HX_TEST_DATA) + "/golden/" + goldenName;
    if (std::getenv("HX_UPDATE_GOLDEN")) {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(f) << path;
        std::fwrite(output.data(), 1, output.size(), f);
        std::fclose(f);
        return;
    }
    std::string golden = ReadWholeFile(path);
    ASSERT_FALSE(golden.empty()) << "missing golden file " << path;
    EXPECT_TRUE(golden == output) << goldenName << " differs " << FirstDifference(golden, output);
}
