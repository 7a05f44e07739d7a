#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "../bitmap/bmpbuild.h"
#include "base/ubmpdat.h"

namespace {

std::vector<std::vector<unsigned char>> SeedFiles() {
    std::vector<std::vector<unsigned char>> seeds;
    BmpSpec s;
    seeds.push_back(BuildBmp(s)); // 24 bits, bottom-up
    s.bpp = 8;
    s.palette = std::vector<uint32_t>(256, 0x204080);
    seeds.push_back(BuildBmp(s));
    s.bpp = 4;
    s.topDown = true;
    s.palette.resize(16);
    s.colorsUsed = 16;
    seeds.push_back(BuildBmp(s));
    s.bpp = 1;
    s.width = 17;
    s.palette.resize(2);
    s.colorsUsed = 0;
    seeds.push_back(BuildBmp(s));
    BmpSpec v5;
    v5.infoSize = 124;
    v5.bpp = 32;
    v5.topDown = true;
    v5.compression = BI_BITFIELDS;
    v5.masks = {0xff0000, 0xff00, 0xff};
    seeds.push_back(BuildBmp(v5));
    BmpSpec hi;
    hi.bpp = 16;
    hi.width = 5;
    seeds.push_back(BuildBmp(hi));
    return seeds;
}

// Values that sit on the edges of what the header checks accept.
const uint32_t kEdges[] = {0,           1,           2,           3,          4,      8,       12,
                           15,          16,          24,          32,         40,     54,      108,
                           124,         255,         256,         0x7fff,     0xffff, 0x10000, 0x7fffffff,
                           0x80000000u, 0x80000001u, 0xfffffffeu, 0xffffffffu};
const size_t kFields[] = {2, 10, 14, 18, 22, 26, 28, 30, 34, 46, 50, 54, 58, 62};

void Mutate(std::vector<unsigned char>& b, std::mt19937& rng) {
    int changes = 1 + rng() % 4;
    for (int i = 0; i < changes; i++) {
        switch (rng() % 5) {
        case 0: // one random byte anywhere
            if (!b.empty()) b[rng() % b.size()] = (unsigned char)rng();
            break;
        case 1: { // an edge value into a header field
            size_t at = kFields[rng() % (sizeof kFields / sizeof kFields[0])];
            uint32_t v = kEdges[rng() % (sizeof kEdges / sizeof kEdges[0])];
            if (rng() % 4 == 0) v = uint32_t(-int32_t(v));
            if (at + 4 <= b.size()) PutLE(b, at, v, rng() % 2 ? 4 : 2);
            break;
        }
        case 2: // cut the file short
            b.resize(b.size() ? rng() % b.size() : 0);
            break;
        case 3: // grow it with junk
            b.resize(b.size() + rng() % 64, (unsigned char)rng());
            break;
        case 4: // flip a bit in the headers
            if (b.size() > 0) b[rng() % std::min<size_t>(b.size(), 138)] ^= (unsigned char)(1 << rng() % 8);
            break;
        }
    }
}

} // namespace

// Tens of thousands of damaged files from valid ones, with a fixed seed so every run is the same:
// each is either refused with the image left as it was, or loaded into a consistent image.
TEST(BmpFuzz, DamagedFilesNeverCrashOrCorrupt) {
    const std::vector<std::vector<unsigned char>> seeds = SeedFiles();
    std::mt19937 rng(20240611);
    UBMPDAT img(3, 3, 24);
    img.Fill(RGBCOLOR(1, 2, 3));
    int loaded = 0, refused = 0;
    for (int i = 0; i < 20000; i++) {
        std::vector<unsigned char> file = seeds[rng() % seeds.size()];
        Mutate(file, rng);
        SaveBytes("fuzz.bmp", file);
        int w = img.GetWidth(), h = img.GetHeight(), bpp = img.GetBitCount();
        RGBCOLOR corner = img.GetPixel(w - 1, h - 1);
        if (img.LoadBMP("fuzz.bmp")) {
            loaded++;
            ASSERT_GT(img.GetWidth(), 0) << i;
            ASSERT_GT(img.GetHeight(), 0) << i;
            // The whole pixel block came from the file.
            ASSERT_LE(size_t(img.GetLineBytes()) * img.GetHeight(), file.size()) << i;
            img.GetPixel(img.GetWidth() - 1, img.GetHeight() - 1);
        } else {
            refused++;
            ASSERT_EQ(w, img.GetWidth()) << i;
            ASSERT_EQ(h, img.GetHeight()) << i;
            ASSERT_EQ(bpp, img.GetBitCount()) << i;
            ASSERT_EQ(corner, img.GetPixel(w - 1, h - 1)) << i;
        }
    }
    // Both outcomes must really be exercised.
    EXPECT_GT(loaded, 1000);
    EXPECT_GT(refused, 5000);
}
