#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>
#include <vector>

#include "base/filepath.h"
#include "base/pfmdata.h"
#include "base/pixelbuffer.h"
#include "tests/common/mutate.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Header text followed by the floats, each float's bytes reversed when bigEndian is set.
Bytes BuildPfm(const std::string& header, const std::vector<float>& floats, bool bigEndian = false) {
    Bytes b(header.begin(), header.end());
    for (float f : floats) {
        unsigned char p[4];
        memcpy(p, &f, 4);
        if (bigEndian) std::swap(p[0], p[3]), std::swap(p[1], p[2]);
        b.insert(b.end(), p, p + 4);
    }
    return b;
}

Bytes FileBytes(const char* path) {
    void* data = nullptr;
    long n = ReadFileAlloc(path, &data);
    Bytes b(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + n);
    free(data);
    return b;
}

const std::vector<float> kSix = {1, 2, 3, 4, 5, 6};

} // namespace

TEST(PfmWrite, ExactBytesAndOnlyWholeImages) {
    PFMDATA rgb;
    rgb.SetSize(1, 1);
    ASSERT_TRUE(rgb.Alloc());
    rgb.SetPixel(0, 0, FVEC3(1, 2, 3));
    ASSERT_TRUE(SavePfm("rgb.pfm", &rgb));
    EXPECT_EQ(BuildPfm("PF\n1 1\n-1.000000\n", {1, 2, 3}), FileBytes("rgb.pfm"));
    // A positive scale is written negative, as the data always goes out little-endian; rows
    // go bottom row first.
    PFMDATA gray;
    gray.SetGray(1);
    gray.SetSize(1, 2);
    gray.SetScale(2.5f);
    ASSERT_TRUE(gray.Alloc());
    gray.SetPixel(0, 0, FVEC3(1, 9, 9)); // top
    gray.SetPixel(0, 1, FVEC3(2, 9, 9));
    ASSERT_TRUE(SavePfm("gray.pfm", &gray));
    EXPECT_EQ(BuildPfm("Pf\n1 2\n-2.500000\n", {2, 1}), FileBytes("gray.pfm"));

    gray.SetSize(3, 2); // the data no longer covers the size
    EXPECT_FALSE(SavePfm("short.pfm", &gray));
    EXPECT_FALSE(SavePfm("no\\such\\folder\\x.pfm", &rgb));
    rgb.Free();
    EXPECT_FALSE(SavePfm("nodata.pfm", &rgb));
}

TEST(PfmRead, HeadersAsTheyAreRead) {
    const struct {
        const char* header;
        int w, h, gray;
        float scale;
    } rows[] = {
        {"Pf\n6 1\n-1.0\n", 6, 1, 1, -1.0f},
        {"PF\n1 2\n1.0\n", 1, 2, 0, 1.0f},                // positive: big-endian data
        {"PF\n+2 1 trailing\n  7.5e1\n", 2, 1, 0, 75.0f}, // read as "%d %d" reads it
        {"Pf\n\t3\t2\n0\n", 3, 2, 1, -1.0f},              // no number: -1
        {"Pf\n2 3\nabc\n", 2, 3, 1, -1.0f},
        {"Pf\n6 1\nnan\n", 6, 1, 1, -1.0f},
        {"Pf\n1 6\n1e-60\n", 1, 6, 1, FLT_MIN}, // too small or large for a float: the sign stays
        {"Pf\n6 1\n-1e60\n", 6, 1, 1, -FLT_MAX},
    };
    for (const auto& r : rows) {
        PFMDATA img;
        Bytes file = BuildPfm(r.header, kSix, r.scale > 0);
        ASSERT_TRUE(LoadPfm(file.data(), file.size(), &img)) << r.header;
        int w, h;
        img.GetSize(&w, &h);
        EXPECT_EQ(r.w * 100 + r.h * 10 + r.gray, w * 100 + h * 10 + img.IsGray()) << r.header;
        EXPECT_EQ(r.scale, img.GetScale()) << r.header;
        EXPECT_EQ(0, memcmp(kSix.data(), img.GetData(), 24)) << r.header; // in the machine's order
    }
    // Pixel rows count from the top, the data from the bottom.
    PFMDATA rgb;
    Bytes file = BuildPfm("PF\n1 2\n-1.0\n", {1, 0, 0, 0, 1, 0});
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &rgb));
    EXPECT_EQ(FVEC3(0, 1, 0), rgb.GetPixel(0, 0));
    for (auto [x, y] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}})
        EXPECT_EQ(FVEC3(0, 0, 0), rgb.GetPixel(x, y)) << x << "," << y;
}

TEST(PfmRead, FilesAndHeadersKeepTheDataInReach) {
    const Bytes gray = BuildPfm("Pf\n1 2\n-1\n", {2, 1}), rgb = BuildPfm("PF\n1 1\n-1\n", {});
    ASSERT_TRUE(WriteFileFromBuffer("gray.pfm", gray.data(), long(gray.size())));
    ASSERT_TRUE(WriteFileFromBuffer("header.pfm", rgb.data(), long(rgb.size())));
    PFMDATA img;
    ASSERT_TRUE(LoadPfm("gray.pfm", &img));
    EXPECT_EQ(FVEC3(1, 1, 1), img.GetPixel(0, 0));
    const float* data = img.GetData();
    ASSERT_TRUE(LoadPfmHeader("header.pfm", &img)); // 1 x 1 RGB: twelve bytes over eight held
    EXPECT_EQ(data, img.GetData());                 // a header leaves the data alone
    EXPECT_EQ(FVEC3(0, 0, 0), img.GetPixel(0, 0));  // and pixels stay inside it
    img.SetPixel(0, 0, FVEC3(7, 7, 7));
    EXPECT_EQ(2.0f, data[0]);
    EXPECT_FALSE(LoadPfm("missing.pfm", &img));
    EXPECT_FALSE(LoadPfm(static_cast<const void*>(nullptr), 10, &img));
    for (auto [w, h] : {std::pair{0, 5}, {-3, 5}, {65536, 65536}, {0x7fffffff, 2}}) {
        img.SetSize(w, h);
        EXPECT_EQ(0, img.GetDataSize()) << w << "x" << h;
    }
}

// Each prefix of a valid file, bad headers and thousands of seeded mutations: each is refused
// with the image as it was, or read as an image whose data the file really held.
TEST(PfmRead, HostileFilesNeverCrashOrCorrupt) {
    PFMDATA kept;
    kept.SetSize(2, 2);
    kept.SetScale(4.0f);
    kept.Alloc();
    for (int i = 0; i < 4; i++)
        kept.SetPixel(i % 2, i / 2, FVEC3(float(i), i + 0.5f, -float(i)));
    const Bytes keptData(reinterpret_cast<unsigned char*>(kept.GetData()),
                         reinterpret_cast<unsigned char*>(kept.GetData()) + 48);
    int loaded = 0, refused = 0;
    auto load = [&](const Bytes& file, const std::string& what) {
        if (HasFatalFailure()) return;
        const void* data = file.empty() ? "" : static_cast<const void*>(file.data());
        PFMDATA fresh;
        if (LoadPfm(data, file.size(), &fresh)) {
            loaded++;
            ASSERT_GT(fresh.GetDataSize(), 0) << what;
            ASSERT_LT(size_t(fresh.GetDataSize()), file.size()) << what;
            return;
        }
        refused++;
        ASSERT_FALSE(LoadPfm(data, file.size(), &kept)) << what;
        ASSERT_TRUE(LoadPfmHeader(data, file.size(), &fresh) || !LoadPfmHeader(data, file.size(), &kept));
        int w, h;
        kept.GetSize(&w, &h);
        ASSERT_TRUE(w == 2 && h == 2 && !kept.IsGray() && kept.GetScale() == 4.0f) << what;
        ASSERT_EQ(0, memcmp(keptData.data(), kept.GetData(), 48)) << what;
    };
    const char* bad[] = {
        "PF\r\n2 1\n-1\n", // a CR stays in the line
        "P6\n2 1\n-1\n",         " PF\n2 1\n-1\n",         "PF \n2 1\n-1\n",
        "PF\n2\n1\n-1\n",        "PF\n2 x\n-1\n",          "PF\n0 1\n-1\n",
        "PF\n-2 1\n-1\n",        "PF\n2147483648 1\n-1\n", "PF\n65536 65536\n-1\n",
        "Pf\n46341 46341\n-1\n", "PF\n10000 10000\n-1\n",  "Pf\n3 1\n-1\n" /* short data */,
        "PF\n2 1\n-1",
    };
    for (const char* header : bad) {
        load(BuildPfm(header, {1, 2}), header);
        ASSERT_EQ(loaded, 0) << header;
    }
    load(BuildPfm("PF\n " + std::string(252, ' ') + "2 1\n-1\n", kSix), "256 characters");
    load(Bytes(100000, 'P'), "no line end");
    load(BuildPfm(std::string("PF\n2 1\0 9\n-1\n", 13), kSix), "zero byte");
    const std::vector<Bytes> seeds = {
        BuildPfm("PF\n2 1\n-1.000000\n", kSix),
        BuildPfm("Pf\n3 2\n-0.5\n", kSix),
        BuildPfm("PF\n1 2\n2.0\n", kSix, true),
        BuildPfm("Pf\n" + std::string(250, ' ') + "4 1\n1\n", {9, 8, 7, 6}, true),
    };
    mutate::EachPrefix(seeds[0], load);
    ASSERT_EQ(loaded, 0);
    mutate::Options text;
    text.seed = 20261206;
    text.rounds = 3000;
    text.alphabet = "0123456789+- \t\r\n.eP";
    text.head = 20;
    mutate::EachMutation(seeds, text, load);
    mutate::Options raw;
    raw.rounds = 1000;
    mutate::EachMutation(seeds, raw, load);
    EXPECT_GT(loaded, 200);
    EXPECT_GT(refused, 1000);
}

TEST(PixelBuffer, PlanesAnswerOnlyWhereTheyExist) {
    PIXELBUFFER buf(3, 2, PIXELFLAGS(2, 3, 0, 1)); // only bit zero counts: depth and id
    buf.SetColor(1, 1, RGBCOLOR(1, 2, 3, 4));
    EXPECT_EQ(RGBCOLOR(0, 0, 0, 0), buf.GetColor(1, 1));
    buf.SetDepth(2, 1, 0.75f);
    EXPECT_EQ(0.75f, buf.GetDepth(2, 1));
    buf.SetId(1, 1, 5);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        buf.SetId(x, y, 7);
        EXPECT_EQ(0xFFFFFFFFu, buf.GetId(x, y));
        EXPECT_EQ(0.0f, buf.GetDepth(x, y));
    }
    PIXELFLAGS all;
    all.SetAll();
    for (auto [w, h] : {std::pair{0, 4}, {-1, 4}, {0x7fffffff, 0x7fffffff}, {65536, 65536}}) {
        EXPECT_FALSE(buf.Create(w, h, all)) << w << "x" << h;
        EXPECT_EQ(5u, buf.GetId(1, 1)) << "unchanged after a refusal";
    }
    ASSERT_TRUE(buf.Create(4, 1, PIXELFLAGS(1, 0, 0, 0)));
    EXPECT_EQ(0xFFFFFFFFu, buf.GetId(1, 0)) << "the old plane is gone";
    EXPECT_EQ(FVEC3(0, 0, 0), buf.GetNormal(3, 0));
}
