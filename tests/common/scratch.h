#pragma once
// The files a test program writes go to a folder of its own run under the temp folder: made fresh and
// made the current folder before the first case, removed after the last, so a failed run leaves nothing
// that a later one reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <string>

// Whether a folder lists the path (which the file functions see no attributes of when it is a link to a
// device).
inline bool Listed(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    return find != INVALID_HANDLE_VALUE && FindClose(find);
}

// Runs a Unix command with the path's Unix name last, for what the file functions cannot do. Wine starts a
// Unix program without a process to wait on or handles to close (what it leaves in the process information
// is no handle of ours), so its effect is awaited: whether the path is listed, for ten seconds at most.
inline bool RunOnUnixName(const std::string& command, const std::string& path, bool listed) {
    if (Listed(path) == listed) return true; // a command that ran later could undo what follows
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name");
    char* (*unixName)(LPCWSTR) = nullptr;
    std::memcpy(&unixName, &found, sizeof found);
    wchar_t wide[MAX_PATH];
    char* name = unixName && MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) ? unixName(wide)
                                                                                              : nullptr;
    if (!name) return false;
    std::string line = "Z:\\bin\\" + command + " \"" + name + "\"";
    HeapFree(GetProcessHeap(), 0, name);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    for (int waited = 0; Listed(path) != listed && waited < 10000; waited += 10)
        Sleep(10);
    return Listed(path) == listed;
}

// Removes a file or a folder with all it holds, links to devices too, which the file functions can
// neither remove nor step over.
inline bool RemoveTree(const std::string& path) {
    return RunOnUnixName("rm -rf", path, false);
}

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("hxscratch" + std::to_string(GetCurrentProcessId()));
    return folder;
}

struct ScratchEnvironment : testing::Environment {
    void SetUp() override {
        ASSERT_TRUE(RemoveTree(ScratchFolder().string()));
        ASSERT_TRUE(std::filesystem::create_directory(ScratchFolder()));
        std::filesystem::current_path(ScratchFolder());
    }
    void TearDown() override {
        std::filesystem::current_path(ScratchFolder().parent_path()); // a folder in use cannot be removed
        EXPECT_TRUE(RemoveTree(ScratchFolder().string()));
    }
};

inline testing::Environment* const scratchEnvironment =
    testing::AddGlobalTestEnvironment(new ScratchEnvironment);
