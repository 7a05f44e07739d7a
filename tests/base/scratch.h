#pragma once
// The files a foundation test program writes go to a folder of its own run under the temp folder:
// made fresh and made the current folder before the first case, removed after the last, so a
// failed run leaves nothing that a later one reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

struct ScratchFolder : testing::Environment {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("hxbase_test_" + std::to_string(GetCurrentProcessId()));
    void SetUp() override {
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(std::filesystem::create_directory(folder));
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(folder.parent_path()); // a folder in use cannot be removed
        EXPECT_GT(std::filesystem::remove_all(folder), 0u);
    }
};

inline testing::Environment* const scratchFolder = testing::AddGlobalTestEnvironment(new ScratchFolder);
