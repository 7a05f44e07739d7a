#pragma once
// The files a test program writes go to a folder of its own run under the temp folder: made fresh and
// made the current folder before the first case, removed after the last, so a failed run leaves nothing
// that a later one reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("hxscratch" + std::to_string(GetCurrentProcessId()));
    return folder;
}

struct ScratchEnvironment : testing::Environment {
    void SetUp() override {
        std::filesystem::remove_all(ScratchFolder());
        ASSERT_TRUE(std::filesystem::create_directory(ScratchFolder()));
        std::filesystem::current_path(ScratchFolder());
    }
    void TearDown() override {
        std::filesystem::current_path(ScratchFolder().parent_path()); // a folder in use cannot be removed
        EXPECT_GT(std::filesystem::remove_all(ScratchFolder()), 0u);
    }
};

inline testing::Environment* const scratchEnvironment =
    testing::AddGlobalTestEnvironment(new ScratchEnvironment);
