#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include <windows.h>

#include "base/filepath.h"

// Shift-JIS characters whose second byte is a backslash (0x5C).
#define SJIS_HYOU "\x95\x5c"
#define SJIS_SO "\x83\x5c"

TEST(PathParts, FolderNameAndExtensionChangedSplitAndJoined) {
    const struct {
        const char *path, *dir, *name, *ext;
    } rows[] = {
        {"C:\\pyrell\\pyrell.exe", "C:\\pyrell\\", "pyrell.exe", "exe"},
        {"name.txt", "", "name.txt", "txt"},
        {"\\name", "", "\\name", ""}, // a separator in the first position is not taken
        {"C:name", "C:", "name", ""},
        {"C:\\dir\\", "C:\\dir\\", "", ""},
        {"C:\\my.pics\\render", "C:\\my.pics\\", "render", ""}, // only a '.' in the file name counts
        {"x.tar.gz", "", "x.tar.gz", "gz"},
        {"C:\\" SJIS_SO "\\" SJIS_HYOU "." SJIS_SO, "C:\\" SJIS_SO "\\", SJIS_HYOU "." SJIS_SO, SJIS_SO},
        {SJIS_HYOU SJIS_SO, "", SJIS_HYOU SJIS_SO, ""},
    };
    for (const auto& r : rows) {
        char out[64];
        EXPECT_TRUE(GetDirPart(out, sizeof out, r.path));
        EXPECT_STREQ(r.dir, out);
        EXPECT_TRUE(GetFileNamePart(out, sizeof out, r.path));
        EXPECT_STREQ(r.name, out);
        EXPECT_EQ(*r.ext != 0, GetExtension(out, sizeof out, r.path)) << r.path;
        EXPECT_STREQ(r.ext, out);
        char tiny[2];
        EXPECT_EQ(*r.ext == 0, HasNoExtension(tiny, sizeof tiny, r.path))
            << r.path; // even when it does not fit
        EXPECT_EQ(*r.ext != 0, ExtensionDiffers(r.path, r.ext) == 0) << r.path;
    }
    char small[4];
    EXPECT_FALSE(GetFileNamePart(small, sizeof small, "C:\\a\\long.txt")); // too small: emptied
    EXPECT_STREQ("", small);
    EXPECT_EQ(0, ExtensionsDiffer("a.Pyl", "C:\\b.pyl"));
    EXPECT_EQ(nullptr, FindLastChar(SJIS_SO "a", '\\'));

    // Changing, splitting and joining.
    const struct {
        int (*call)(char* dst, size_t size, const char* a, const char* b);
        const char *a, *b;
        size_t size;
        int result;
        const char* want;
    } calls[] = {
        {ChangeExtension, "model.hxo", "bmp", 64, 0, "model.bmp"},
        {ChangeExtension, "a.txt", "x.bmp", 64, 0, "a.bmp"},
        {ChangeExtension, "C:\\my.pics\\render", ".bmp", 64, 0, "C:\\my.pics\\render.bmp"}, // not C:\my.bmp
        {ChangeExtension, "C:\\" SJIS_SO "\\" SJIS_HYOU "." SJIS_SO, "bmp", 64, 0,
         "C:\\" SJIS_SO "\\" SJIS_HYOU ".bmp"},
        {ChangeExtension, "abcdefgh", "png", 10, 1, ""},
        {ChangeExtensionFrom, "pic.bmp", "C:\\d.x\\other", 64, 1, "pic.bmp"},
        {JoinPath, "C:\\a", "b.txt", 32, 1, "C:\\a\\b.txt"},
        {JoinPath, "C:\\a", "D:\\x", 32, 1, "D:\\x"},
        {JoinPath, "C:\\" SJIS_HYOU, "a", 32, 1,
         "C:\\" SJIS_HYOU "\\a"},                      // the last character is no backslash
        {JoinPath, "C:\\abc", "x", 8, 0, "C:\\abc\\"}, // keeps the folder part
        {JoinPath, "C:\\abcde", "x", 8, 0, ""},
        {MakeRelativePath, "C:\\work\\maps\\a.bmp", "C:\\work", 64, 1, "maps\\a.bmp"}, // without ".\\"
        {MakeRelativePath, "D:\\maps\\a.bmp", "C:\\work", 64, 0, "D:\\maps\\a.bmp"},   // none: kept, refused
    };
    for (const auto& r : calls) {
        char out[64];
        EXPECT_EQ(r.result, r.call(out, r.size, r.a, r.b)) << r.a << " " << r.b;
        EXPECT_STREQ(r.want, out);
    }
    char same[32] = "C:\\out\\scene.pyl";
    EXPECT_EQ(0, ChangeExtension(same, sizeof same, same, "hxo"));
    EXPECT_STREQ("C:\\out\\scene.hxo", same);

    char folder[32], name[32], ext[32], three[3];
    EXPECT_TRUE(
        SplitExtension(folder, sizeof folder, name, sizeof name, ext, sizeof ext, "C:\\dir\\file.tar.gz"));
    EXPECT_EQ(std::string("C:\\dir|file.tar|gz"), std::string(folder) + "|" + name + "|" + ext);
    EXPECT_FALSE(SplitExtension(folder, sizeof folder, three, sizeof three, ext, sizeof ext, "C:x.txt.y"));
    EXPECT_EQ(std::string("C:||y"), std::string(folder) + "|" + three + "|" + ext);
}

// As Windows parses a name, on whatever system the test runs: `/` is `\` (so a name that begins with it is
// on the current drive), runs of separators are one, `..` applies, trailing blanks and dots go.
TEST(PathParts, NamesResolveAsWindowsParsesThem) {
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof cwd, cwd);
    const std::string drive(cwd, 2), here(cwd);
    const std::pair<const char*, std::string> rows[] = {
        {"/", drive + "\\"},
        {"/tmp//x/../y. .", drive + "\\tmp\\y"},
        {"a/b ", here + "\\a\\b"},
    };
    for (const auto& [path, full] : rows)
        EXPECT_EQ(ResolvePath(path), full) << path;
}

TEST(WholeFiles, ReadAndWrite) {
    const char* path = "wholefile_test.bin";
    EXPECT_EQ(std::pair(5L, 0L), std::pair(WriteFileFromBuffer(path, "hello", 5),
                                           WriteFileFromBuffer("Z:\\dev\\full", "hello", 5))); // a full disk
    // The runtime's buffer holds 4096 bytes. A file of that size written in two pieces is taken whole and
    // fails only at the flush before the close; written at once it fails in the write, which leaves
    // nothing to flush, so only the stream's error tells.
    const std::string buffered(4096, 'x');
    for (auto [pieces, taken] : {std::pair(2, size_t(4096)), {1, size_t(0)}}) {
        FILE* full = OpenWrite("Z:\\dev\\full");
        size_t written = 0;
        for (int i = 0; i < pieces; ++i)
            written += fwrite(buffered.data(), 1, buffered.size() / pieces, full);
        EXPECT_EQ(std::pair(taken, EOF), std::pair(written, CloseFile(full))) << pieces;
    }
    char buf[8] = {};
    EXPECT_EQ(0, ReadFileInto(path, buf, 4)); // larger than the caller's block
    EXPECT_EQ(5, ReadFileInto(path, buf, sizeof buf));
    EXPECT_EQ(0, ReadFileHead(path, buf, 6));
    void* block = nullptr;
    EXPECT_EQ(5, ReadFileAlloc(path, &block));
    EXPECT_EQ(0, memcmp(block, "hello", 5));
    free(block);
    EXPECT_EQ(std::tuple(0L, (void*)nullptr), (std::tuple{ReadFileAlloc("no_such_file.bin", &block), block}));
}
