#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/filepath.h"

// Shift-JIS characters whose second byte is a backslash (0x5C).
#define SJIS_HYOU "\x95\x5c"
#define SJIS_SO "\x83\x5c"

TEST(PathParts, DirectoryAndFileName) {
    char out[64];
    EXPECT_TRUE(GetDirPart(out, sizeof out, "C:\\pyrell\\pyrell.exe"));
    EXPECT_STREQ("C:\\pyrell\\", out);
    EXPECT_TRUE(GetDirPart(out, sizeof out, "name.txt"));
    EXPECT_STREQ("", out);
    EXPECT_TRUE(GetDirPart(out, sizeof out, "\\name"));
    EXPECT_STREQ("", out); // a separator in the first position is not taken
    EXPECT_TRUE(GetDirPart(out, sizeof out, "C:name"));
    EXPECT_STREQ("C:", out);
    EXPECT_TRUE(GetFileNamePart(out, sizeof out, "C:\\dir\\"));
    EXPECT_STREQ("", out);
    EXPECT_TRUE(GetFileNamePart(out, sizeof out, "\\name"));
    EXPECT_STREQ("\\name", out);
    char small[4];
    EXPECT_FALSE(GetFileNamePart(small, sizeof small, "C:\\a\\long.txt")); // too small: emptied
    EXPECT_STREQ("", small);
    EXPECT_FALSE(GetDirPart(small, sizeof small, "C:\\abc\\x"));
    EXPECT_STREQ("", small);
}

TEST(PathParts, ExtensionsOnlyInTheFileName) {
    char out[64];
    EXPECT_FALSE(GetExtension(out, sizeof out, "C:\\my.pics\\render"));
    EXPECT_STREQ("", out);
    EXPECT_TRUE(HasNoExtension(out, sizeof out, "C:\\a.b\\name"));
    EXPECT_FALSE(HasNoExtension(out, sizeof out, "x.tar.gz"));
    EXPECT_STREQ("gz", out);
    EXPECT_FALSE(GetExtension(out, sizeof out, "C:name"));
    EXPECT_EQ(0, ExtensionDiffers("pic.BMP", "bmp"));
    EXPECT_NE(0, ExtensionDiffers("C:\\x.bmp\\pic", "bmp"));
    EXPECT_EQ(0, ExtensionsDiffer("a.Pyl", "C:\\b.pyl"));
    char tiny[3];
    EXPECT_FALSE(GetExtension(tiny, sizeof tiny, "a.jpeg"));
    EXPECT_STREQ("", tiny);
}

TEST(PathParts, ChangeExtension) {
    char out[64];
    EXPECT_EQ(0, ChangeExtension(out, sizeof out, "model.hxo", "bmp"));
    EXPECT_STREQ("model.bmp", out);
    EXPECT_EQ(0, ChangeExtension(out, sizeof out, "a.txt", "x.bmp"));
    EXPECT_STREQ("a.bmp", out);
    EXPECT_EQ(0, ChangeExtension(out, sizeof out, "C:\\my.pics\\render", "bmp"));
    EXPECT_STREQ("C:\\my.pics\\render.bmp", out); // never the parent folder's C:\my.bmp
    char ten[10];
    EXPECT_EQ(1, ChangeExtension(ten, sizeof ten, "abcdefgh", "png"));
    EXPECT_STREQ("", ten);
    char same[32] = "C:\\out\\scene.pyl";
    EXPECT_EQ(0, ChangeExtension(same, sizeof same, same, "hxo"));
    EXPECT_STREQ("C:\\out\\scene.hxo", same);
    EXPECT_EQ(1, ChangeExtension(same, 8, same, "hxo"));
    EXPECT_STREQ("", same);
    EXPECT_EQ(0, ChangeExtensionFrom(out, sizeof out, "pic.bmp", "other.PNG"));
    EXPECT_STREQ("pic.PNG", out);
    EXPECT_EQ(1, ChangeExtensionFrom(out, sizeof out, "pic.bmp", "C:\\d.x\\other"));
    EXPECT_STREQ("pic.bmp", out);
}

TEST(PathParts, SplitExtension) {
    char folder[32], name[32], ext[32];
    EXPECT_TRUE(
        SplitExtension(folder, sizeof folder, name, sizeof name, ext, sizeof ext, "C:\\dir\\file.tar.gz"));
    EXPECT_STREQ("C:\\dir", folder);
    EXPECT_STREQ("file.tar", name);
    EXPECT_STREQ("gz", ext);
    EXPECT_TRUE(SplitExtension(nullptr, 0, name, sizeof name, nullptr, 0, "C:\\a.b\\readme"));
    EXPECT_STREQ("readme", name);
    char small[3];
    EXPECT_FALSE(
        SplitExtension(folder, sizeof folder, small, sizeof small, ext, sizeof ext, "C:\\x\\long.txt"));
    EXPECT_STREQ("", small);
    EXPECT_STREQ("txt", ext);
}

TEST(PathParts, JoinPath) {
    char out[32];
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\a", "b.txt"));
    EXPECT_STREQ("C:\\a\\b.txt", out);
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\a", "D:\\x"));
    EXPECT_STREQ("D:\\x", out);
    EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\a", nullptr));
    char eight[8];
    EXPECT_FALSE(JoinPath(eight, sizeof eight, "C:\\abc", "x"));
    EXPECT_STREQ("C:\\abc\\", eight);                            // keeps the folder part
    EXPECT_FALSE(JoinPath(eight, sizeof eight, "C:\\abcd", "")); // no room even for the separator
    EXPECT_STREQ("C:\\abcd", eight);
    EXPECT_FALSE(JoinPath(eight, sizeof eight, "C:\\abcde", "x"));
    EXPECT_STREQ("", eight);
    // A folder ending in a double-byte character whose second byte is 0x5C still gets its separator.
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\" SJIS_HYOU, "a"));
    EXPECT_STREQ("C:\\" SJIS_HYOU "\\a", out);
}

TEST(PathParts, DoubleByteNamesStayWhole) {
    const char* path = "C:\\" SJIS_SO "\\" SJIS_HYOU "." SJIS_SO;
    char out[64];
    EXPECT_TRUE(GetDirPart(out, sizeof out, path));
    EXPECT_STREQ("C:\\" SJIS_SO "\\", out);
    EXPECT_TRUE(GetFileNamePart(out, sizeof out, path));
    EXPECT_STREQ(SJIS_HYOU "." SJIS_SO, out);
    EXPECT_TRUE(GetExtension(out, sizeof out, path));
    EXPECT_STREQ(SJIS_SO, out);
    EXPECT_EQ(0, ChangeExtension(out, sizeof out, path, "bmp"));
    EXPECT_STREQ("C:\\" SJIS_SO "\\" SJIS_HYOU ".bmp", out);
    EXPECT_TRUE(GetFileNamePart(out, sizeof out, SJIS_HYOU SJIS_SO));
    EXPECT_STREQ(SJIS_HYOU SJIS_SO, out);
    EXPECT_EQ(nullptr, FindChar(SJIS_HYOU, '\\'));
    EXPECT_EQ(nullptr, FindLastChar(SJIS_SO "a", '\\'));
}

TEST(WholeFiles, ReadAndWrite) {
    const char* path = "wholefile_test.bin";
    EXPECT_EQ(5, WriteFileFromBuffer(path, "hello", 5));
    char buf[8] = {};
    EXPECT_EQ(0, ReadFileInto(path, buf, 4)); // larger than the caller's block
    EXPECT_EQ(5, ReadFileInto(path, buf, sizeof buf));
    EXPECT_STREQ("hello", buf);
    char head[3] = {};
    EXPECT_EQ(2, ReadFileHead(path, head, 2));
    EXPECT_STREQ("he", head);
    EXPECT_EQ(0, ReadFileHead(path, buf, 6));
    void* block = nullptr;
    EXPECT_EQ(5, ReadFileAlloc(path, &block));
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(0, memcmp(block, "hello", 5));
    free(block);
    EXPECT_EQ(0, ReadFileAlloc("no_such_file.bin", &block));
    EXPECT_EQ(nullptr, block);
    FILE* f = OpenWrite(path);
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(0, CloseFile(f));
    EXPECT_EQ(0, ReadFileInto(path, buf, sizeof buf)); // an empty file reads as 0, like a failure
}
