#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/fout.h"
#include "base/filepath.h"
#include "base/fmatrix.h"
#include "base/fquat.h"
#include "base/rgbcolor.h"

namespace {

std::vector<unsigned char> Bytes(const FOUTMEM& mem, long n) {
    return std::vector<unsigned char>(mem.GetBuffer(), mem.GetBuffer() + n);
}

std::string TempPath(const char* name) {
    return std::string("fout_") + name;
}

std::string FileText(const std::string& path) {
    void* data = nullptr;
    long n = ReadFileAlloc(path.c_str(), &data);
    std::string text(static_cast<char*>(data), n);
    free(data);
    return text;
}

} // namespace

TEST(FoutTyped, ByteOrderPerItem) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 64));
    EXPECT_TRUE(out.WriteFloat(1.0f));
    out.SetLittleEndian(0);
    EXPECT_TRUE(out.WriteFloat(1.0f));
    EXPECT_TRUE(out.WriteS16(0x1234));
    const uint16_t pair[2] = {0x0102, 0x0304};
    EXPECT_TRUE(out.WriteU16(pair, 2)); // reversed per item, never as a whole array
    out.SetLittleEndian(1);
    EXPECT_TRUE(out.WriteS16(0x1234));
    EXPECT_TRUE(out.WriteString("ab"));
    EXPECT_TRUE(out.WriteString(nullptr));
    std::vector<unsigned char> want = {0x00, 0x00, 0x80, 0x3f, 0x3f, 0x80, 0x00, 0x00, 0x12, 0x34,
                                       0x01, 0x02, 0x03, 0x04, 0x34, 0x12, 'a',  'b',  0,    0};
    EXPECT_EQ(long(want.size()), out.Tell());
    EXPECT_EQ(want, Bytes(mem, out.Tell()));
}

TEST(FoutTyped, RoundTripsWithAndWithoutReversal) {
    for (int flag = 0; flag <= 1; flag++) {
        FOUT out;
        FOUTMEM mem;
        ASSERT_TRUE(mem.Create(out, 0));
        out.SetLittleEndian(flag);
        const int32_t ints[3] = {-1, 0x7fffffff, 42};
        EXPECT_TRUE(out.WriteS8(-5) && out.WriteS16(-30000) && out.WriteU32(0xdeadbeef) &&
                    out.WriteLong(-7L));
        EXPECT_TRUE(out.WriteS32(ints, 3) && out.WriteString("name"));
        long size = out.Tell();

        FOUT in;
        FOUTMEM view(in, mem.GetBuffer(), size);
        in.SetLittleEndian(flag);
        EXPECT_EQ(-5, in.ReadS8());
        EXPECT_EQ(-30000, in.ReadS16());
        EXPECT_EQ(0xdeadbeefu, in.ReadU32());
        EXPECT_EQ(-7L, in.ReadLong());
        int32_t backInts[3];
        EXPECT_TRUE(in.ReadS32(backInts, 3));
        EXPECT_EQ(0, memcmp(ints, backInts, sizeof ints));
        char name[8];
        EXPECT_TRUE(in.ReadString(name, sizeof name));
        EXPECT_STREQ("name", name);
        EXPECT_TRUE(in.IsEOF());
        EXPECT_EQ(0, in.ReadS32()); // a failed by-value read gives zero
    }
}

TEST(FoutTyped, ColoursVectorsAndMatricesPerComponent) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 0));
    out.SetLittleEndian(0);
    EXPECT_TRUE(out.WriteColor(RGBCOLOR(1, 2, 3, 4))); // one 4-byte item: reversed whole
    EXPECT_TRUE(out.WriteFVEC2(FVEC2(1.0f, 2.0f)));    // each float reversed on its own
    EXPECT_EQ((std::vector<unsigned char>{4, 3, 2, 1, 0x3f, 0x80, 0, 0, 0x40, 0, 0, 0}),
              Bytes(mem, out.Tell()));
    const FVEC3 points[2] = {FVEC3(1, 2, 3), FVEC3(-4, 5.5f, 6)};
    FMATRIX m = FMATRIX::GetIdentity();
    m.m13 = 7.0f;
    EXPECT_TRUE(out.WriteFVEC3(points, 2) && out.WriteMatrix(&m, 1) && out.WriteQuat(FQUAT(1, 2, 3, 4)));

    FOUT in;
    FOUTMEM view(in, mem.GetBuffer(), out.Tell());
    in.SetLittleEndian(0);
    EXPECT_EQ(RGBCOLOR(1, 2, 3, 4), in.ReadColor());
    EXPECT_EQ(FVEC2(1.0f, 2.0f), in.ReadFVEC2());
    FVEC3 back[2];
    EXPECT_TRUE(in.ReadFVEC3(back, 2));
    EXPECT_EQ(points[1], back[1]);
    EXPECT_EQ(m, in.ReadMatrix());
    EXPECT_EQ(FQUAT(1, 2, 3, 4), in.ReadQuat());
    EXPECT_TRUE(in.IsEOF());
    EXPECT_EQ(FVEC3(0, 0, 0), in.ReadFVEC3()); // nothing left: zero
}

TEST(FoutTyped, ReadStringIsBounded) {
    const char data[] = {'a', 'b', 'c', 'd', 'e', 0, 'x', 'y'};
    FOUT in;
    FOUTMEM view(in, const_cast<char*>(data), sizeof data);
    char small[4];
    EXPECT_FALSE(in.ReadString(small, sizeof small)); // does not fit: cut and terminated
    EXPECT_STREQ("abc", small);
    in.Seek(6);
    char rest[8];
    EXPECT_FALSE(in.ReadString(rest, sizeof rest)); // the stream ends before a zero byte
    EXPECT_STREQ("xy", rest);
    in.Seek(0);
    EXPECT_TRUE(in.SkipString());
    EXPECT_EQ(6, in.Tell());
    EXPECT_FALSE(in.SkipString()); // ends without a terminator: fails instead of looping
}

TEST(FoutMemory, GrowsByDoublingAndFits) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 0x10000));
    std::vector<unsigned char> big(0x10001, 0xab);
    EXPECT_TRUE(out.WriteU8(7));
    EXPECT_TRUE(out.Write(big.data(), big.size()));
    EXPECT_EQ(0x20000, mem.GetSize());
    EXPECT_EQ(0x10002, out.Tell());
    EXPECT_TRUE(mem.Fit());
    EXPECT_EQ(0x10002, mem.GetSize());
    EXPECT_EQ(7, mem.GetBuffer()[0]);
    EXPECT_EQ(0xab, mem.GetBuffer()[0x10001]);
    out.Seek(0);
    EXPECT_TRUE(mem.Fit()); // nothing before the cursor: the block is freed
    EXPECT_EQ(nullptr, mem.GetBuffer());
    EXPECT_TRUE(out.WriteU8(1)); // and grows again after that
    EXPECT_TRUE(out.Close());
}

TEST(FoutMemory, AttachedBufferNeverOverruns) {
    unsigned char buf[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    FOUT s;
    FOUTMEM mem(s, buf, 6);
    unsigned char got[8] = {};
    EXPECT_FALSE(s.Read(got, 7)); // more than there is: nothing copied
    EXPECT_EQ(0, got[0]);
    EXPECT_EQ(0, s.Tell());
    s.Seek(100);
    EXPECT_EQ(6, s.Tell());
    EXPECT_TRUE(s.IsEOF());
    s.Skip(-100);
    EXPECT_EQ(0, s.Tell());
    s.Seek(4);
    EXPECT_FALSE(s.WriteU32(0xffffffff)); // crosses the end: refused whole
    EXPECT_EQ(5, buf[4]);
    EXPECT_EQ(7, buf[6]);
    EXPECT_TRUE(s.WriteU16(0x0a0b));
    EXPECT_EQ(0x0b, buf[4]);
    EXPECT_FALSE(s.Close());         // a write was refused
    EXPECT_EQ(buf, mem.GetBuffer()); // the caller's block is never freed or moved
}

TEST(FoutText, PrintfNeverCuts) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 16));
    std::string longPath(5000, 'p');
    EXPECT_TRUE(out.Printf("[%s]", longPath.c_str()));
    EXPECT_TRUE(out.PrintfLn("%d%%", 50));
    EXPECT_TRUE(out.Printf(nullptr));
    std::string text(reinterpret_cast<char*>(mem.GetBuffer()), out.Tell());
    EXPECT_EQ("[" + longPath + "]50%\r\n" + std::string(1, '\0'), text);
}

TEST(FoutFile, WriteThenReadBackAndShortReadFails) {
    std::string path = TempPath("rw.bin");
    {
        FOUT out;
        FOUTFILE file;
        ASSERT_TRUE(file.OpenWrite(out, path.c_str()));
        EXPECT_STREQ(path.c_str(), out.GetName());
        EXPECT_TRUE(out.WriteS32(0x01020304) && out.Printf("hi"));
        EXPECT_EQ(6, out.GetSize());
        EXPECT_TRUE(out.Close());
        EXPECT_FALSE(out.IsOpen());
    }
    EXPECT_EQ(std::string("\x04\x03\x02\x01hi", 6), FileText(path));
    for (int memory = 0; memory <= 1; memory++) {
        FOUT in;
        FOUTFILE file;
        ASSERT_TRUE(memory ? file.OpenReadMemory(in, path.c_str()) : file.OpenRead(in, path.c_str()));
        EXPECT_EQ(6, in.GetSize());
        EXPECT_EQ(0x01020304, in.ReadS32());
        char three[3];
        EXPECT_FALSE(in.Read(three, 3)); // only two bytes are left
        in.Seek(4);
        EXPECT_EQ('h', in.ReadS8());
        in.Skip(1);
        EXPECT_EQ(0, in.ReadU8());
        EXPECT_TRUE(in.IsEOF());
        EXPECT_TRUE(in.Close());
    }
}

TEST(FoutFile, FailedOpenOrNoBackEndFails) {
    FOUT s;
    FOUTFILE file;
    EXPECT_FALSE(s.WriteU8(1));
    EXPECT_FALSE(s.Printf("x"));
    EXPECT_FALSE(file.OpenRead(s, "no_such_dir\\missing.bin"));
    EXPECT_FALSE(file.OpenWrite(s, nullptr));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Read(nullptr, 1));
}

TEST(FoutFile, ReopenClosesTheOldFile) {
    std::string first = TempPath("first.txt"), second = TempPath("second.txt");
    FOUT out;
    FOUTFILE file;
    ASSERT_TRUE(file.OpenWrite(out, first.c_str()));
    out.Printf("one");
    ASSERT_TRUE(file.OpenWrite(out, second.c_str()));
    // The first file was flushed and closed, so it can be removed and read whole.
    EXPECT_EQ("one", FileText(first));
    EXPECT_EQ(0, remove(first.c_str()));
    out.Printf("two");
    EXPECT_TRUE(out.Close());
    EXPECT_EQ("two", FileText(second));
}

TEST(FoutFile, WriteMemoryKeepsToItsSizeAndWritesAtClose) {
    std::string path = TempPath("collected.bin");
    FOUT out;
    FOUTFILE file;
    ASSERT_TRUE(file.OpenWriteMemory(out, path.c_str(), 8));
    EXPECT_TRUE(out.Printf("abcd"));
    EXPECT_TRUE(out.WriteS32(0x34333231));
    EXPECT_EQ(8, out.GetSize());
    EXPECT_TRUE(out.IsEOF());
    EXPECT_FALSE(out.WriteU8(0)); // past the size given at open
    out.Seek(1);
    EXPECT_TRUE(out.WriteU8('B'));
    EXPECT_FALSE(out.Close()); // the refused write is reported
    EXPECT_EQ("aB", FileText(path)); // the file ends at the cursor

    ASSERT_TRUE(file.OpenWriteMemory(out, path.c_str(), 8));
    EXPECT_TRUE(out.Printf("xy"));
    EXPECT_TRUE(out.Close());
    EXPECT_EQ("xy", FileText(path));
}

TEST(FoutFile, AttachedStreamStaysOpenAfterDestruction) {
    std::string path = TempPath("attached.txt");
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    {
        FOUT out;
        FOUTFILE file(out, f);
        EXPECT_TRUE(out.Printf("a"));
    }
    EXPECT_EQ(1u, fwrite("b", 1, 1, f)); // still open
    EXPECT_EQ(0, fclose(f));
    EXPECT_EQ("ab", FileText(path));
}
