#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/fmatrix.h"
#include "base/fout.h"
#include "base/fquat.h"
#include "base/rgbcolor.h"
#include "base/tabfout.h"
#include "tests/common/scratch.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Calls = std::vector<int>; // the results of calls made in order: a failure shows which one

std::string Text(const FOUTMEM& mem, FOUT& out) {
    return std::string(reinterpret_cast<char*>(mem.GetData()), out.Tell());
}

std::string FileText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

// Each multi-byte item is reversed on its own when the byte-order flag is 0, never a whole array,
// and every typed reader reads back what its writer wrote.
TEST(FoutMemory, ItemsReverseOneByOneReadBackAndNeverOverrunABlock) {
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
        EXPECT_EQ(Calls(8, 1), (Calls{out.WriteFloat(1.0f), out.WriteS16(0x1234), out.WriteU16(pair, 2),
                                      out.WriteColor(RGBCOLOR(1, 2, 3, 4)), out.WriteFVEC2(FVEC2(1, 2)),
                                      out.WriteString("ab"), out.Printf(nullptr), out.PrintNewLine()}));
        EXPECT_EQ(Text(mem, out), std::string(want[flag].begin(), want[flag].end())) << flag;
        EXPECT_EQ(Calls(9, 1), (Calls{out.WriteS8(-5), out.WriteU32(0xdeadbeef), out.WriteLong(-7L),
                                      out.WriteColor(colours, 2), out.WriteFVEC3(points, 2),
                                      out.WriteFVEC4(FVEC4(1, 2, 3, 4)), out.WriteMatrix(&m, 1),
                                      out.WriteQuat(FQUAT(1, 2, 3, 4)), out.WriteString("name")}));

        FOUT in;
        FOUTMEM view(in, mem.GetBuffer(), out.Tell());
        in.SetLittleEndian(flag);
        in.Seek(14);
        EXPECT_EQ(FVEC2(1, 2), in.ReadFVEC2());
        in.Skip(6);
        EXPECT_EQ(std::tuple(int8_t(-5), 0xdeadbeefu, -7L),
                  (std::tuple{in.ReadS8(), in.ReadU32(), in.ReadLong()}));
        RGBCOLOR c;
        FVEC3 p[2];
        char name[8];
        EXPECT_EQ(std::tuple(colours[0], 1, 1, FVEC4(1, 2, 3, 4), m, FQUAT(1, 2, 3, 4), 1, 1),
                  (std::tuple{in.ReadColor(), in.ReadColor(&c), in.ReadFVEC3(p, 2), in.ReadFVEC4(),
                              in.ReadMatrix(), in.ReadQuat(), in.ReadString(name, sizeof name), in.IsEOF()}));
        EXPECT_EQ(std::tuple(colours[1], points[0], points[1], std::string("name")),
                  std::tuple(c, p[0], p[1], std::string(name)));
        EXPECT_EQ(FVEC3(0, 0, 0), in.ReadFVEC3()); // a failed by-value read gives zero
    }
    // An owned block grows and fits; a caller's block is never overrun.
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 0x10000));
    EXPECT_EQ(Calls(2, 1), (Calls{out.WriteU8(7), out.Write(Bytes(0x10001, 0xab).data(), 0x10001)}));
    EXPECT_EQ(std::tuple(0x20000L, 1, 0x10002L, 0xab),
              (std::tuple{mem.GetSize(), mem.Fit(), mem.GetSize(), int(mem.GetBuffer()[0x10001])}));
    out.Seek(0); // nothing before the cursor: the block is freed, and grows again after that
    EXPECT_EQ(std::tuple(1, true, 1), (std::tuple{mem.Fit(), mem.GetBuffer() == nullptr, out.WriteU8(1)}));

    unsigned char buf[8] = {1, 2, 3, 4, 5, 6, 0, 'x'};
    FOUT s;
    FOUTMEM view(s, buf, 6);
    unsigned char got[8] = {};
    EXPECT_EQ(std::tuple(0, 0, 0L), (std::tuple{s.Read(got, 7), int(got[0]), s.Tell()})); // nothing copied
    s.Seek(4); // a write across the end is refused whole, and reported at the close
    EXPECT_EQ(std::tuple(0, 0, 0), (std::tuple{s.WriteU32(0xffffffff), int(buf[6]), s.Close()}));
    FOUTMEM strings(s, buf, 8);
    char small[4]; // too small: cut and terminated; then the block ends first
    EXPECT_EQ(std::pair(0, std::string("\x01\x02\x03")),
              (std::pair{s.ReadString(small, 4), std::string(small)}));
    s.Seek(7);
    EXPECT_EQ(std::pair(0, std::string("x")), (std::pair{s.ReadString(small, 4), std::string(small)}));
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
    EXPECT_EQ(Calls(2, 1), (Calls{out.IndentNewLine(), out.IndentWrite32(1.0f)}));
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
    EXPECT_EQ(
        std::tuple(std::string(path), 1, 1, 6L),
        (std::tuple{std::string(out.GetName()), out.WriteS32(0x01020304), out.Printf("hi"), out.GetSize()}));
    ASSERT_TRUE(file.OpenWrite(out, "fout_second.bin")); // the first file is closed and flushed
    EXPECT_EQ(std::tuple(std::string("\x04\x03\x02\x01hi", 6), 1), (std::tuple{FileText(path), out.Close()}));
    for (int memory = 0; memory <= 1; memory++) {
        ASSERT_TRUE(memory ? file.OpenReadMemory(out, path) : file.OpenRead(out, path));
        char three[3]; // only two bytes are left after the number
        EXPECT_EQ(std::tuple(6L, 0x01020304, 0),
                  (std::tuple{out.GetSize(), out.ReadS32(), out.Read(three, 3)}));
        out.Seek(4);
        EXPECT_EQ('h', out.ReadS8());
        out.Skip(1);
        EXPECT_EQ(std::tuple(0, 1, 1, 0),
                  (std::tuple{int(out.ReadU8()), out.IsEOF(), out.Close(), out.IsOpen()}));
    }
    FILE* f = fopen(path, "wb"); // a caller's stream: left open by the refused opens that follow
    file.Attach(out, f);
    EXPECT_TRUE(out.Printf("a"));
    for (const char* bad : {static_cast<const char*>(nullptr), "", "no_such_dir\\missing.bin"}) {
        EXPECT_EQ(Calls(4, 0), (Calls{file.OpenRead(out, bad), file.OpenReadMemory(out, bad),
                                      file.OpenWrite(out, bad), file.OpenWriteMemory(out, bad, 8)}))
            << bad;
        EXPECT_FALSE(out.WriteU8(1)) << bad; // no file behind the stream
    }
    EXPECT_EQ(std::pair(size_t(1), 0), (std::pair{fwrite("b", 1, 1, f), fclose(f)}));
    EXPECT_EQ("ab", FileText(path));
    ASSERT_TRUE(file.OpenWriteMemory(out, path, 8));
    EXPECT_EQ(Calls(2, 1), (Calls{out.Printf("abcd"), out.WriteS32(0x34333231)}));
    EXPECT_FALSE(out.WriteU8(0)); // past the size given at open
    out.Seek(2);
    // The refused write is reported.
    EXPECT_EQ(std::tuple(0, std::string("ab")), (std::tuple{out.Close(), FileText(path)}));
}
