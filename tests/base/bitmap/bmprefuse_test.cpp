#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "base/ubmpdat.h"
#include "bmpbuild.h"

namespace {

// An image that a refused file must leave exactly as it was.
struct Kept {
    UBMPDAT img;
    std::vector<unsigned char> pixels;
    Kept() {
        img.Create(5, 4, 24);
        img.Fill(RGBCOLOR(9, 99, 199));
        pixels.assign(img.GetBits(), img.GetBits() + img.GetLineBytes() * 4);
    }
    void ExpectRefused(const std::vector<unsigned char>& file, const char* what) {
        SaveBytes("bad.bmp", file);
        EXPECT_FALSE(img.LoadBMP("bad.bmp")) << what;
        ASSERT_EQ(5, img.GetWidth()) << what;
        ASSERT_EQ(4, img.GetHeight()) << what;
        ASSERT_EQ(24, img.GetBitCount()) << what;
        ASSERT_EQ(0, memcmp(pixels.data(), img.GetBits(), pixels.size())) << what;
    }
};

std::vector<unsigned char> Valid8() {
    BmpSpec spec;
    spec.bpp = 8;
    spec.palette = std::vector<uint32_t>(256, 0x123456);
    return BuildBmp(spec);
}

} // namespace

TEST(BmpRefuse, EveryTruncation) {
    Kept kept;
    for (const std::vector<unsigned char>& valid : {Valid8(), BuildBmp(BmpSpec())}) {
        for (size_t n = 0; n < valid.size(); n++) {
            std::vector<unsigned char> cut(valid.begin(), valid.begin() + n);
            kept.ExpectRefused(cut, ("prefix of " + std::to_string(n)).c_str());
        }
    }
}

TEST(BmpRefuse, FieldsThatDoNotFitTheFile) {
    Kept kept;
    const std::vector<unsigned char> valid = BuildBmp(BmpSpec());
    struct Change {
        const char* what;
        size_t at;
        uint32_t value;
        int bytes;
    };
    const Change changes[] = {
        {"signature", 0, 'B' | 'X' << 8, 2},
        {"huge width", 18, 0x7fffffff, 4},
        {"width overflowing the stride", 18, 0x10000000, 4},
        {"negative width", 18, uint32_t(-4), 4},
        {"zero width", 18, 0, 4},
        {"zero height", 22, 0, 4},
        {"huge height", 22, 0x7fffffff, 4},
        {"most negative height", 22, uint32_t(INT_MIN), 4},
        {"huge negative height", 22, uint32_t(-100000), 4},
        {"pixels past the end", 10, 60, 4},
        {"pixel offset far past the end", 10, 0xfffffff0, 4},
        {"pixel offset inside the header", 10, 20, 4},
        {"planes 2", 26, 2, 2},
        {"bit count 2", 28, 2, 2},
        {"bit count 15", 28, 15, 2},
        {"bit count 64", 28, 64, 2},
        {"RLE8", 30, 1, 4},
        {"RLE4", 30, 2, 4},
        {"embedded JPEG", 30, 4, 4},
        {"masks of another layout", 30, 3, 4},
        {"core header", 14, 12, 4},
        {"header size past the end", 14, 0x7ffffff0, 4},
    };
    for (const Change& c : changes) {
        std::vector<unsigned char> bad = valid;
        PutLE(bad, c.at, c.value, c.bytes);
        kept.ExpectRefused(bad, c.what);
    }
}

TEST(BmpRefuse, PalettesAndMasksOutsideTheFile) {
    Kept kept;
    BmpSpec spec; // 8 bits with no palette stored: the pixels start right after the header
    spec.bpp = 8;
    kept.ExpectRefused(BuildBmp(spec), "palette missing");
    spec.palette = std::vector<uint32_t>(16);
    kept.ExpectRefused(BuildBmp(spec), "16 of 256 entries");
    spec.colorsUsed = 17;
    kept.ExpectRefused(BuildBmp(spec), "17 entries counted, 16 stored");
    spec.bpp = 4;
    kept.ExpectRefused(BuildBmp(spec), "more entries than 4 bits can index");
    spec.colorsUsed = 0;
    std::vector<unsigned char> palettePastEnd = BuildBmp(spec);
    palettePastEnd.resize(54 + 40);
    kept.ExpectRefused(palettePastEnd, "palette past the end");

    BmpSpec big;
    big.infoSize = 124; // a 124-byte header in a file that ends sooner
    big.width = 1;
    big.height = 1;
    std::vector<unsigned char> file = BuildBmp(big);
    file.resize(100);
    PutLE(file, 10, 54, 4);
    kept.ExpectRefused(file, "header past the end");

    BmpSpec masks;
    masks.bpp = 16;
    masks.compression = BI_BITFIELDS;
    masks.masks = {0xf800, 0x7e0, 0x1f}; // 5-6-5 is not the 5-5-5 layout the image holds
    kept.ExpectRefused(BuildBmp(masks), "5-6-5 masks");
    masks.masks = {0x7c00, 0x3e0};
    std::vector<unsigned char> shortMasks = BuildBmp(masks);
    shortMasks.resize(60);
    kept.ExpectRefused(shortMasks, "masks cut off");
}

TEST(BmpRefuse, FilesThatCannotBeRead) {
    Kept kept;
    EXPECT_FALSE(kept.img.LoadBMP(nullptr));
    EXPECT_FALSE(kept.img.LoadBMP("no_such_file.bmp"));
    EXPECT_FALSE(kept.img.LoadBMP(".")); // a folder
    EXPECT_EQ(5, kept.img.GetWidth());
}
