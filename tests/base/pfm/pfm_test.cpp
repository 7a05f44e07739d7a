#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>
#include <vector>

#include "../bitmap/bmpbuild.h"
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

const std::vector<float> kSix = {1, 2, 3, 4, 5, 6};

} // namespace

TEST(PfmFiles, ExactBytesWholeImagesAndHeadersThatKeepTheData) {
    PFMDATA rgb, gray, img;
    rgb.SetSize(1, 1);
    ASSERT_TRUE(rgb.Alloc());
    rgb.SetPixel(0, 0, FVEC3(1, 2, 3));
    ASSERT_TRUE(SavePfm("rgb.pfm", &rgb));
    EXPECT_EQ(BuildPfm("PF\n1 1\n-1.000000\n", {1, 2, 3}), LoadBytes("rgb.pfm"));
    // Big-endian data is written little-endian with the scale made negative, rows as stored.
    Bytes big = BuildPfm("Pf\n1 2\n2.5\n", {2, 1}, true);
    ASSERT_TRUE(LoadPfm(big.data(), big.size(), &gray));
    ASSERT_TRUE(SavePfm("gray.pfm", &gray));
    EXPECT_EQ(BuildPfm("Pf\n1 2\n-2.500000\n", {2, 1}), LoadBytes("gray.pfm"));

    ASSERT_TRUE(LoadPfm("gray.pfm", &img));
    EXPECT_EQ(FVEC3(1, 1, 1), img.GetPixel(0, 0)); // rows count from the top, the data from the bottom
    const float* data = img.GetData();
    ASSERT_TRUE(LoadPfmHeader("rgb.pfm", &img));   // 1 x 1 RGB: twelve bytes over the eight held
    EXPECT_EQ(data, img.GetData());                // a header leaves the data alone
    EXPECT_EQ(FVEC3(0, 0, 0), img.GetPixel(0, 0)); // and pixels stay inside it
    img.SetPixel(0, 0, FVEC3(7, 7, 7));
    EXPECT_EQ(2.0f, data[0]);
    EXPECT_FALSE(SavePfm("short.pfm", &img)); // the data does not cover the size
    EXPECT_FALSE(SavePfm("no\\such\\folder\\x.pfm", &rgb));
    rgb.Free();
    EXPECT_FALSE(SavePfm("nodata.pfm", &rgb));
    EXPECT_FALSE(LoadPfm("missing.pfm", &img));
    EXPECT_FALSE(LoadPfm(static_cast<const void*>(nullptr), 10, &img));
    for (auto [w, h] : {std::pair{0, 5}, {-3, 5}, {65536, 65536}, {0x7fffffff, 2}}) {
        img.SetSize(w, h);
        EXPECT_EQ(0, img.GetDataSize()) << w << "x" << h;
    }
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
        {"Pf\n2 3\nnan\n", 2, 3, 1, -1.0f},
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
    PFMDATA rgb;
    Bytes file = BuildPfm("PF\n1 2\n-1\n", kSix);
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &rgb));
    EXPECT_EQ(FVEC3(4, 5, 6), rgb.GetPixel(0, 0)); // the top row is the data's last
    for (auto [x, y] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}})
        EXPECT_EQ(FVEC3(0, 0, 0), rgb.GetPixel(x, y)) << x << "," << y;
}

// Each prefix of a valid file, bad headers and thousands of seeded mutations: each is refused
// with the image as it was, or read as an image whose data the file really held.
TEST(PfmRead, HostileFilesNeverCrashOrCorrupt) {
    const std::vector<float> twelve = {0, 0.5f, 0, 1, 1.5f, -1, 2, 2.5f, -2, 3, 3.5f, -3};
    const Bytes keptFile = BuildPfm("PF\n2 2\n4\n", twelve, true);
    PFMDATA kept;
    ASSERT_TRUE(LoadPfm(keptFile.data(), keptFile.size(), &kept));
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
        ASSERT_EQ(0, memcmp(twelve.data(), kept.GetData(), 48)) << what;
    };
    const char* bad[] = {
        "PF\r\n2 1\n-1\n", // a CR stays in the line
        "P6\n2 1\n-1\n",         " PF\n2 1\n-1\n",         "PF \n2 1\n-1\n",
        "PF\n2\n1\n-1\n",        "PF\n2 x\n-1\n",          "PF\n0 1\n-1\n",
        "PF\n-2 1\n-1\n",        "PF\n2147483648 1\n-1\n", "PF\n65536 65536\n-1\n",
        "Pf\n46341 46341\n-1\n", "PF\n10000 10000\n-1\n",  "Pf\n3 1\n-1\n" /* short data */,
        "PF\n2 1\n-1",
    };
    for (const char* header : bad)
        load(BuildPfm(header, {1, 2}), header);
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
    ASSERT_EQ(loaded, 0); // none of the above, nor a prefix of a good file
    // Seed, rounds, fields, the characters that replace bytes, and the header bytes hit most.
    mutate::EachMutation(seeds, mutate::Options{20261206, 3000, {}, "0123456789+- \t\r\n.eP", 20}, load);
    mutate::EachMutation(seeds, mutate::Options{1, 1000, {}, "", 0}, load);
    EXPECT_GT(loaded, 200);
    EXPECT_GT(refused, 1000);
}

TEST(PixelBuffer, PlanesAnswerOnlyWhereTheyExistAndRefusedSizesKeepThem) {
    PIXELBUFFER buf(3, 2, PIXELFLAGS(2, 3, 0, 1)); // only bit zero counts: depth and id
    buf.SetColor(1, 1, RGBCOLOR(1, 2, 3, 4));
    buf.SetDepth(2, 1, 0.75f);
    buf.SetId(1, 1, 5);
    buf.SetId(3, 0, 7); // outside
    EXPECT_EQ(RGBCOLOR(0, 0, 0, 0), buf.GetColor(1, 1));
    EXPECT_EQ(0.75f, buf.GetDepth(2, 1)); // element y * width + x
    EXPECT_EQ(0xFFFFFFFFu, buf.GetId(3, 0));
    EXPECT_EQ(0.0f, buf.GetDepth(0, -1));
    PIXELFLAGS all;
    all.SetAll();
    for (auto [w, h] : {std::pair{0, 4}, {-1, 4}, {0x7fffffff, 0x7fffffff}, {65536, 65536}})
        EXPECT_FALSE(buf.Create(w, h, all)) << w << "x" << h;
    EXPECT_EQ(5u, buf.GetId(1, 1)); // unchanged after the refusals
    ASSERT_TRUE(buf.Create(4, 1, PIXELFLAGS(1, 0, 0, 0)));
    EXPECT_EQ(0xFFFFFFFFu, buf.GetId(1, 0)); // the old plane is gone
    EXPECT_EQ(FVEC3(0, 0, 0), buf.GetNormal(3, 0));
}
