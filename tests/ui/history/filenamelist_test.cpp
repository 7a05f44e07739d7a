#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <windows.h>

#include "base/filepath.h"
#include "ui/filenamelist.h"

namespace {

// A fresh folder of empty files, removed with them when the case ends.
struct FolderCase : testing::Test {
    std::string folder;
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "hxnames" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
            while (FindNextFileA(h, &found));
            FindClose(h);
        }
        EXPECT_TRUE(RemoveDirectoryA(folder.c_str()));
    }
    void Touch(const char* name) {
        ASSERT_EQ(1, WriteFileFromBuffer((folder + "\\" + name).c_str(), "x", 1));
    }
    std::string Pattern(const char* base, const char* ext) {
        char pattern[1024];
        EXPECT_TRUE(MakeFilePattern(pattern, sizeof pattern, folder.c_str(), base, ext));
        return pattern;
    }
};

} // namespace

TEST_F(FolderCase, NumberedFilesSortByNumber) {
    for (const char* name : {"shot10.bmp", "shot2.bmp", "shot07.bmp", "shot.bmp", "shot2x.bmp", "other3.png"})
        Touch(name);
    FILENAME_LIST list;
    ASSERT_TRUE(list.Find(Pattern("shot", "bmp").c_str()));
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetNumber(0), 2);
    EXPECT_EQ(list.GetNumber(2), 10);
    EXPECT_EQ(std::string(list.Get(1)), folder + "\\shot07.bmp");
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.GetNumber(3), -1);

    // The same number with another extension is skipped; a pattern matching nothing changes nothing.
    Touch("shot2.png");
    ASSERT_TRUE(list.Find(Pattern("shot", "").c_str()));
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_FALSE(list.Find(Pattern("none", ".bmp").c_str()));
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetHighest(), 10);
}

TEST_F(FolderCase, PathsThatWouldNotFitAreSkipped) {
    FILENAME_LIST list;
    EXPECT_FALSE(list.SetFolder(std::string(260, 'f').c_str()));
    ASSERT_TRUE(list.SetFolder(std::string(250, 'f').c_str()));
    list.AddFile("img0001.bmp"); // folder, separator and name take 262 bytes
    list.AddFile("i1.bmp");
    list.Sort();
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(std::string(list.Get(0)), std::string(250, 'f') + "\\i1.bmp");

    // A pattern whose folder part is longer than the list's folder finds nothing.
    std::string deep = "C:\\" + std::string(300, 'd') + "\\shot*.bmp";
    EXPECT_FALSE(list.Find(deep.c_str()));
    FILENAME_LIST empty;
    empty.Sort();
    EXPECT_EQ(empty.GetLowest(), -1);
    EXPECT_EQ(empty.GetHighest(), -1);
}

TEST(TrailingNumber, DigitsAtTheEndOfAName) {
    EXPECT_EQ(GetTrailingNumber("image"), -1);
    EXPECT_EQ(GetTrailingNumber("a12"), 12); // the first character counts too
    EXPECT_EQ(GetTrailingNumber("画像0012"), 12);
    EXPECT_EQ(GetTrailingNumber("shot99999999999999"), 0x7FFFFFFF);
    EXPECT_EQ(GetNumberOfPath("C:\\r.2024\\take05.v2.bmp"), 2);
    EXPECT_EQ(GetNumberOfPath("C:\\r2024\\take.bmp"), -1);

    char base[16] = "keep";
    EXPECT_TRUE(SplitTrailingNumber(base, sizeof base, ""));
    EXPECT_STREQ(base, "keep");
    EXPECT_TRUE(SplitTrailingNumber(base, sizeof base, "画像0012"));
    EXPECT_STREQ(base, "画像");
    EXPECT_FALSE(SplitTrailingNumber(base, 5, "longer1"));
    EXPECT_STREQ(base, "");
    EXPECT_FALSE(SplitTrailingNumber(nullptr, 4, "a1"));
}

TEST(TrailingNumber, PatternsKeepDotsInFolderAndBase) {
    char pattern[1024];
    ASSERT_TRUE(MakeFilePattern(pattern, sizeof pattern, "C:\\a.b", "shot.v2", ".png"));
    EXPECT_STREQ(pattern, "C:\\a.b\\shot.v2*.png");
    EXPECT_FALSE(MakeFilePattern(pattern, 12, "C:\\a", "shot", "bmp"));
    EXPECT_STREQ(pattern, "");
}
