#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
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

TEST(PfmFiles, WrittenExactlyAndReadWholeOrRefusedWithTheImageKept) {
    PFMDATA rgb, gray, img, none;
    rgb.SetSize(2, 2);
    ASSERT_TRUE(rgb.Alloc());
    for (int i = 0; i < 4; i++) // pixel (x, y) = (i % 2, i / 2); the file holds the bottom row first
        rgb.SetPixel(i % 2, i / 2, FVEC3(i, 10 + i, 20 + i));
    ASSERT_TRUE(SavePfm("rgb.pfm", &rgb));
    EXPECT_EQ(BuildPfm("PF\n2 2\n-1.000000\n", {2, 12, 22, 3, 13, 23, 0, 10, 20, 1, 11, 21}),
              LoadBytes("rgb.pfm"));
    // Big-endian data is written little-endian with the scale made negative, rows as stored.
    Bytes big = BuildPfm("Pf\n1 2\n2.5\n", {2, 1}, true);
    ASSERT_TRUE(LoadPfm(big.data(), big.size(), &gray));
    ASSERT_TRUE(SavePfm("gray.pfm", &gray));
    EXPECT_EQ(BuildPfm("Pf\n1 2\n-2.500000\n", {2, 1}), LoadBytes("gray.pfm"));

    ASSERT_TRUE(LoadPfm("gray.pfm", &img));
    // Rows count from the top, the data from the bottom.
    EXPECT_EQ(std::pair(FVEC3(1, 1, 1), FVEC3(3, 13, 23)), std::pair(img.GetPixel(0, 0), rgb.GetPixel(1, 1)));
    const float* data = img.GetData();
    ASSERT_TRUE(LoadPfmHeader("rgb.pfm", &img));   // 2 x 2 RGB: the data's first twelve bytes
    EXPECT_EQ(data, img.GetData());                // a header leaves the eight held alone
    EXPECT_EQ(FVEC3(0, 0, 0), img.GetPixel(0, 1)); // and pixels stay inside them
    img.SetPixel(0, 1, FVEC3(7, 7, 7));
    EXPECT_EQ(2.0f, data[0]);
    for (auto [x, y] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}})
        EXPECT_EQ(FVEC3(0, 0, 0), rgb.GetPixel(x, y)) << x << "," << y;
    // Refused: data short of the size, no folder, no data, no file, no path, no block.
    EXPECT_EQ(std::vector<int>(6, 0),
              (std::vector<int>{SavePfm("short.pfm", &img), SavePfm("no\\such\\folder\\x.pfm", &rgb),
                                SavePfm("nodata.pfm", &none), LoadPfm("missing.pfm", &img),
                                LoadPfm(static_cast<const char*>(nullptr), &img),
                                LoadPfm(static_cast<const void*>(nullptr), 10, &img)}));
    for (auto [w, h] : {std::pair{0, 5}, {-3, 5}, {65536, 65536}, {0x7fffffff, 2}}) {
        img.SetSize(w, h);
        EXPECT_EQ(0, img.GetDataSize()) << w << "x" << h;
    }

    // Headers as "%d %d" and the scale's reader read them; every prefix of a valid file, bad headers and
    // thousands of seeded mutations of the valid files: each is refused with the image as it was, or read
    // whole from the data the file really holds.
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
            // The size as "%d %d" reads the second line, the channels from the first; the data: the bytes
            // after the third line end, each float's turned when the scale is positive.
            const auto second = std::find(file.begin(), file.end(), '\n') + 1;
            const auto third = std::find(second, file.end(), '\n') + 1;
            const auto at = std::find(third, file.end(), '\n') + 1;
            int w = 0, h = 0, fw, fh;
            std::sscanf(std::string(second, third).c_str(), "%d %d", &w, &h);
            fresh.GetSize(&fw, &fh);
            ASSERT_EQ(std::tuple(w, h, file[1] == 'f'), std::tuple(fw, fh, fresh.IsGray() == 1)) << what;
            const size_t bytes = size_t(w) * size_t(h) * (file[1] == 'f' ? 4 : 12);
            ASSERT_LE(bytes, std::min(fresh.GetAllocSize(), size_t(file.end() - at))) << what;
            for (size_t i = 0; i < bytes; i++)
                ASSERT_EQ(at[fresh.GetScale() > 0 ? i ^ 3 : i],
                          reinterpret_cast<unsigned char*>(fresh.GetData())[i])
                    << what << ", byte " << i;
            return;
        }
        refused++;
        ASSERT_FALSE(LoadPfm(data, file.size(), &kept)) << what;
        if (!LoadPfmHeader(data, file.size(), &fresh)) { // a refused header leaves the image too
            ASSERT_FALSE(LoadPfmHeader(data, file.size(), &kept)) << what;
        }
        int w, h;
        kept.GetSize(&w, &h);
        ASSERT_EQ(std::tuple(2, 2, 0, 4.0f), std::tuple(w, h, kept.IsGray(), kept.GetScale())) << what;
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

    const struct {
        std::string header;
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
        {"Pf\n" + std::string(250, ' ') + "6 1\n1\n", 6, 1, 1, 1.0f}, // near the line's limit
    };
    std::vector<Bytes> seeds;
    for (const auto& r : rows) {
        PFMDATA img;
        seeds.push_back(BuildPfm(r.header, kSix, r.scale > 0));
        ASSERT_TRUE(LoadPfm(seeds.back().data(), seeds.back().size(), &img)) << r.header;
        int w, h;
        img.GetSize(&w, &h);
        EXPECT_EQ(std::tuple(r.w, r.h, r.gray, r.scale), std::tuple(w, h, img.IsGray(), img.GetScale()))
            << r.header;
        EXPECT_EQ(0, memcmp(kSix.data(), img.GetData(), 24)) << r.header; // in the machine's order
    }
    mutate::EachPrefix(seeds[0], load);
    ASSERT_EQ(loaded, 0); // none of the bad files, nor a prefix of a good one
    // Seed, rounds, fields, the characters that replace bytes, and the header bytes hit most.
    mutate::EachMutation(seeds, mutate::Options{20261206, 3000, {}, "0123456789+- \t\r\n.eP", 20}, load);
    mutate::EachMutation(seeds, mutate::Options{1, 1000, {}, "", 0}, load);
    EXPECT_GT(loaded, 200);
    EXPECT_GT(refused, 1000);
}

// Each plane keeps each pixel's own value where the flags (only bit zero counts) asked for it; a
// plane that is not there, or a pixel outside, answers the default. A refused size keeps the planes.
TEST(PixelBuffer, PlanesKeepEachPixelWhereTheyExistAndRefusedSizesKeepThem) {
    PIXELBUFFER buf(1, 1);
    // Flags, and whether they ask for colour, depth, normal and identifier: only bit zero counts.
    for (auto [flags, c, d, n, id] : {std::tuple{PIXELFLAGS(2, 3, 0, 1), false, true, false, true},
                                      {PIXELFLAGS(1, 0, 1, 0), true, false, true, false}}) {
        ASSERT_TRUE(buf.Create(3, 2, flags));
        for (int i = 0; i < 7; i++) {
            buf.SetColor(i % 3, i / 3, RGBCOLOR(i, 2 * i, 3 * i, 4 * i));
            buf.SetDepth(i % 3, i / 3, 0.5f * i);
            buf.SetNormal(i % 3, i / 3, FVEC3(i, -i, 1));
            buf.SetId(i % 3, i / 3, 10u + i);
        }
        for (int i = 0; i < 7; i++) { // the seventh pixel is outside
            const bool in = i < 6;
            EXPECT_EQ(std::tuple(c && in ? RGBCOLOR(i, 2 * i, 3 * i, 4 * i) : RGBCOLOR(0, 0, 0, 0),
                                 d && in ? 0.5f * i : 0.0f, n && in ? FVEC3(i, -i, 1) : FVEC3(0, 0, 0),
                                 id && in ? 10u + i : 0xFFFFFFFFu),
                      std::tuple(buf.GetColor(i % 3, i / 3), buf.GetDepth(i % 3, i / 3),
                                 buf.GetNormal(i % 3, i / 3), buf.GetId(i % 3, i / 3)))
                << flags.value << " " << i;
        }
    }
    for (auto [w, h] : {std::pair{0, 4}, {-1, 4}, {0x7fffffff, 0x7fffffff}, {65536, 65536}})
        EXPECT_FALSE(buf.Create(w, h, buf.GetFlags())) << w << "x" << h;
    EXPECT_EQ(std::tuple(3, 2, FVEC3(5, -5, 1)),
              std::tuple(buf.GetWidth(), buf.GetHeight(), buf.GetNormal(2, 1)));
}
