#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/filepath.h"
#include "base/fmatrix.h"
#include "base/fout.h"
#include "base/fquat.h"
#include "base/rgbcolor.h"
#include "base/tabfout.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string Text(const FOUTMEM& mem, FOUT& out) {
    return std::string(reinterpret_cast<char*>(mem.GetData()), out.Tell());
}

std::string FileText(const char* path) {
    void* data = nullptr;
    long n = ReadFileAlloc(path, &data);
    std::string text(static_cast<char*>(data), n);
    free(data);
    return text;
}

} // namespace

// Each multi-byte item is reversed on its own when the byte-order flag is 0, never a whole array,
// and every typed reader reads back what its writer wrote.
TEST(FoutBytes, ItemsAreReversedOneByOneAndReadBack) {
    const Bytes want[2] = {
        {0x3f, 0x80, 0, 0, 0x12, 0x34, 1, 2, 3,   4,   4, 3, 2,    1,
         0x3f, 0x80, 0, 0, 0x40, 0,    0, 0, 'a', 'b', 0, 0, 0x0d, 0x0a},
        {0, 0, 0x80, 0x3f, 0x34, 0x12, 2, 1,    4,   3,   1, 2, 3,    4,
         0, 0, 0x80, 0x3f, 0,    0,    0, 0x40, 'a', 'b', 0, 0, 0x0d, 0x0a},
    };
    const uint16_t pair[2] = {0x0102, 0x0304};
    const FVEC3 points[2] = {FVEC3(1, 2, 3), FVEC3(-4, 5.5f, 6)};
    const RGBCOLOR colours[2] = {RGBCOLOR(5, 6, 7, 8), RGBCOLOR(9, 10, 11, 12)};
    FMATRIX m = FMATRIX::GetIdentity();
    m.m13 = 7.0f;
    for (int flag = 0; flag <= 1; flag++) {
        FOUT out;
        FOUTMEM mem;
        ASSERT_TRUE(mem.Create(out, 1));
        out.SetLittleEndian(flag);
        EXPECT_TRUE(out.WriteFloat(1.0f) && out.WriteS16(0x1234) && out.WriteU16(pair, 2));
        EXPECT_TRUE(out.WriteColor(RGBCOLOR(1, 2, 3, 4)) && out.WriteFVEC2(FVEC2(1, 2)));
        EXPECT_TRUE(out.WriteString("ab") && out.Printf(nullptr) && out.PrintNewLine());
        EXPECT_EQ(Text(mem, out), std::string(want[flag].begin(), want[flag].end())) << flag;
        EXPECT_TRUE(out.WriteS8(-5) && out.WriteU32(0xdeadbeef) && out.WriteLong(-7L) &&
                    out.WriteColor(colours, 2));
        EXPECT_TRUE(out.WriteFVEC3(points, 2) && out.WriteFVEC4(FVEC4(1, 2, 3, 4)) && out.WriteMatrix(&m, 1));
        EXPECT_TRUE(out.WriteQuat(FQUAT(1, 2, 3, 4)) && out.WriteString("name"));

        FOUT in;
        FOUTMEM view(in, mem.GetBuffer(), out.Tell());
        in.SetLittleEndian(flag);
        in.Seek(14);
        EXPECT_EQ(FVEC2(1, 2), in.ReadFVEC2());
        in.Skip(6);
        EXPECT_TRUE(in.ReadS8() == -5 && in.ReadU32() == 0xdeadbeef && in.ReadLong() == -7L);
        RGBCOLOR c;
        FVEC3 p[2];
        EXPECT_EQ(colours[0], in.ReadColor());
        EXPECT_TRUE(in.ReadColor(&c) && in.ReadFVEC3(p, 2) && c == colours[1] && p[1] == points[1]);
        EXPECT_EQ(FVEC4(1, 2, 3, 4), in.ReadFVEC4());
        EXPECT_EQ(m, in.ReadMatrix());
        EXPECT_EQ(FQUAT(1, 2, 3, 4), in.ReadQuat());
        char name[8];
        EXPECT_TRUE(in.ReadString(name, sizeof name) && in.IsEOF());
        EXPECT_STREQ("name", name);
        EXPECT_EQ(FVEC3(0, 0, 0), in.ReadFVEC3()); // a failed by-value read gives zero
    }
}

TEST(FoutMemory, GrowsFitsAndNeverOverrunsACallersBlock) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 0x10000));
    EXPECT_TRUE(out.WriteU8(7) && out.Write(Bytes(0x10001, 0xab).data(), 0x10001));
    EXPECT_EQ(0x20000, mem.GetSize());
    EXPECT_TRUE(mem.Fit());
    EXPECT_EQ(0x10002, mem.GetSize());
    EXPECT_EQ(0xab, mem.GetBuffer()[0x10001]);
    out.Seek(0);
    EXPECT_TRUE(mem.Fit()); // nothing before the cursor: the block is freed
    EXPECT_EQ(nullptr, mem.GetBuffer());
    EXPECT_TRUE(out.WriteU8(1)); // and grows again after that

    unsigned char buf[8] = {1, 2, 3, 4, 5, 6, 0, 'x'};
    FOUT s;
    FOUTMEM view(s, buf, 6);
    unsigned char got[8] = {};
    EXPECT_FALSE(s.Read(got, 7)); // more than there is: nothing copied
    EXPECT_EQ(0, got[0] + s.Tell());
    s.Seek(4);
    EXPECT_FALSE(s.WriteU32(0xffffffff)); // crosses the end: refused whole
    EXPECT_EQ(0, buf[6]);
    EXPECT_FALSE(s.Close()); // the refused write is reported
    FOUTMEM strings(s, buf, 8);
    char small[4];
    EXPECT_FALSE(s.ReadString(small, sizeof small)); // does not fit: cut and terminated
    EXPECT_STREQ("\x01\x02\x03", small);
    s.Seek(7);
    EXPECT_FALSE(s.ReadString(small, sizeof small)); // the block ends first
    EXPECT_STREQ("x", small);
    s.Seek(7);
    EXPECT_FALSE(s.SkipString()); // fails instead of looping
}

TEST(FoutText, IndentedLinesEndInCrLfAndAreNeverCut) {
    TABFOUT out;
    FOUTMEM mem;
    mem.Create(out, 0);
    out.ClearIndent();
    out.IndentPrintLn("top");
    out.PushIndent();
    out.PushIndent();
    out.IndentPrintLn("a %d", 5);
    out.PrintLn(""); // a blank line carries no tabs
    out.IndentPrint("x=");
    out.Print("%s", "50%");
    out.NewLine();
    out.PopIndent();
    EXPECT_TRUE(out.IndentNewLine() && out.IndentWrite32(1.0f));
    out.PopIndent();
    out.PopIndent(); // already empty: stays empty
    out.IndentPrintLn("end");
    EXPECT_EQ(std::string("top\r\n\t\ta 5\r\n\r\n\t\tx=50%\r\n\t\r\n\t\x00\x00\x80\x3f"
                          "end\r\n",
                          36),
              Text(mem, out));
    for (int i = 0; i < 300; i++)
        out.PushIndent();
    EXPECT_EQ(255, out.GetIndentDepth()); // pushes beyond the indent's room are ignored
    for (size_t len : {1020u, 1021u, 1022u, 1023u, 1024u, 1025u, 5000u}) {
        out.Seek(0);
        std::string text(len, 'x');
        out.IndentPrintLn("%s", text.c_str());
        out.PrintfLn("%s%%", text.c_str());
        ASSERT_EQ(std::string(255, '\t') + text + "\r\n" + text + "%\r\n", Text(mem, out)) << len;
    }
}

TEST(FoutFile, ShortReadsFailAndTheFileKeepsWhatLiesBeforeTheCursor) {
    const char* path = "fout_rw.bin";
    FOUT out;
    FOUTFILE file;
    ASSERT_TRUE(file.OpenWrite(out, path));
    EXPECT_STREQ(path, out.GetName());
    EXPECT_TRUE(out.WriteS32(0x01020304) && out.Printf("hi"));
    EXPECT_EQ(6, out.GetSize());
    ASSERT_TRUE(file.OpenWrite(out, "fout_second.bin")); // the first file is closed and flushed
    EXPECT_EQ(std::string("\x04\x03\x02\x01hi", 6), FileText(path));
    EXPECT_TRUE(out.Close());
    for (int memory = 0; memory <= 1; memory++) {
        ASSERT_TRUE(memory ? file.OpenReadMemory(out, path) : file.OpenRead(out, path));
        EXPECT_EQ(6, out.GetSize());
        EXPECT_EQ(0x01020304, out.ReadS32());
        char three[3];
        EXPECT_FALSE(out.Read(three, 3)); // only two bytes are left
        out.Seek(4);
        EXPECT_EQ('h', out.ReadS8());
        out.Skip(1);
        EXPECT_EQ(0, out.ReadU8());
        EXPECT_TRUE(out.IsEOF() && out.Close());
        EXPECT_FALSE(out.IsOpen());
    }
    EXPECT_FALSE(file.OpenRead(out, "no_such_dir\\missing.bin"));
    EXPECT_FALSE(out.WriteU8(1)); // no file behind the stream
    ASSERT_TRUE(file.OpenWriteMemory(out, path, 8));
    EXPECT_TRUE(out.Printf("abcd") && out.WriteS32(0x34333231));
    EXPECT_FALSE(out.WriteU8(0)); // past the size given at open
    out.Seek(2);
    EXPECT_FALSE(out.Close()); // the refused write is reported
    EXPECT_EQ("ab", FileText(path));

    FILE* f = fopen(path, "wb");
    file.Attach(out, f);
    EXPECT_TRUE(out.Printf("a"));
    file.OpenRead(out, nullptr); // a caller's stream is left open
    EXPECT_EQ(1u, fwrite("b", 1, 1, f));
    EXPECT_EQ(0, fclose(f));
    EXPECT_EQ("ab", FileText(path));
}
