#include <gtest/gtest.h>

#include <cstring>

#include "base/ubmpdat.h"
#include "bmpbuild.h"

namespace {

// Top row red, green, blue; bottom row white, black, (16, 32, 64).
void FillSixPixels(UBMPDAT& img) {
    const RGBCOLOR top[3] = {RGBCOLOR(255, 0, 0), RGBCOLOR(0, 255, 0), RGBCOLOR(0, 0, 255)};
    const RGBCOLOR bottom[3] = {RGBCOLOR(255, 255, 255), RGBCOLOR(0, 0, 0), RGBCOLOR(16, 32, 64)};
    img.PutRow32(0, top);
    img.PutRow32(1, bottom);
}

const std::vector<unsigned char> kSixPixelFile = {
    0x42, 0x4d, 0x4e, 0, 0,    0, 0,    0,    0,    0, 0x36, 0, 0, 0, 0x28, 0, 0, 0,
    3,    0,    0,    0, 2,    0, 0,    0,    1,    0, 0x18, 0, 0, 0, 0,    0, 0, 0,
    0,    0,    0,    0, 0,    0, 0,    0,    0,    0, 0,    0, 0, 0, 0,    0, 0, 0, // offsets 30-53
    0xff, 0xff, 0xff, 0, 0,    0, 0x40, 0x20, 0x10, 0, 0,    0, // bottom row first, zero padding
    0,    0,    0xff, 0, 0xff, 0, 0xff, 0,    0,    0, 0,    0};

} // namespace

TEST(BmpSave, SixPixelFileIsExact) {
    UBMPDAT img(3, 2, 24);
    EXPECT_EQ(12, img.GetLineBytes());
    // Dirty padding in memory must not reach the file.
    memset(img.GetBits(), 0xcc, size_t(img.GetLineBytes()) * 2);
    FillSixPixels(img);
    ASSERT_TRUE(img.SaveBMP("six.bmp"));
    EXPECT_EQ(kSixPixelFile, LoadBytes("six.bmp"));
}

TEST(BmpSave, BottomUpImageIsSavedTheRightWayUp) {
    // A caller's bottom-up bitmap: the first row in memory is the bottom row.
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 3;
    bi.bmiHeader.biHeight = 2;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    const unsigned char rows[24] = {0xff, 0xff, 0xff, 0, 0,    0, 0x40, 0x20, 0x10, 0, 0, 0,
                                    0,    0,    0xff, 0, 0xff, 0, 0xff, 0,    0,    0, 0, 0};
    UBMPDAT img;
    ASSERT_TRUE(img.CreateFromInfo(&bi, rows));
    EXPECT_EQ(RGBCOLOR(255, 0, 0), img.GetPixel(0, 0));
    ASSERT_TRUE(img.SaveBMP("bottomup.bmp"));
    EXPECT_EQ(kSixPixelFile, LoadBytes("bottomup.bmp"));
}

TEST(BmpSave, PalettedImageRoundTrips) {
    for (int bpp : {1, 4, 8}) {
        UBMPDAT img(9, 5, bpp);
        const RGBCOLOR entries[3] = {RGBCOLOR(1, 2, 3), RGBCOLOR(200, 100, 50), RGBCOLOR(7, 8, 9)};
        img.SetPaletteFromRows32(0, entries, bpp == 1 ? 2 : 3);
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 9; x++)
                img.SetPixelValue(x, y, (x + y) % (bpp == 1 ? 2 : 3));
        ASSERT_TRUE(img.SaveBMP("paletted.bmp"));
        std::vector<unsigned char> file = LoadBytes("paletted.bmp");
        size_t offset = 54 + 4 * (size_t(1) << bpp);
        EXPECT_EQ(offset, file[10] | size_t(file[11]) << 8);
        EXPECT_EQ(offset + size_t(img.GetLineBytes()) * 5, file.size());
        UBMPDAT back;
        ASSERT_TRUE(back.LoadBMP("paletted.bmp"));
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 9; x++)
                ASSERT_EQ(img.GetPixel(x, y), back.GetPixel(x, y)) << bpp << " " << x;
    }
}

TEST(BmpSave, RefusesImagesWithoutPixelsAndBadPaths) {
    UBMPDAT empty;
    EXPECT_FALSE(empty.SaveBMP("empty.bmp"));
    EXPECT_FALSE(empty.Create(4, 4, 2)); // a failed Create leaves no pixels behind
    EXPECT_FALSE(empty.SaveBMP("empty.bmp"));
    UBMPDAT img(2, 2, 24);
    EXPECT_FALSE(img.SaveBMP(nullptr));
    EXPECT_FALSE(img.SaveBMP("no_such_dir\\x.bmp"));
}

// Loads a file built byte by byte and compares every pixel value and palette entry.
static void ExpectLoads(const BmpSpec& spec) {
    UBMPDAT img;
    ASSERT_TRUE(img.LoadBMP(SaveBytes("load.bmp", BuildBmp(spec)).c_str()));
    EXPECT_EQ(spec.width, img.GetWidth());
    EXPECT_EQ(spec.height, img.GetHeight());
    EXPECT_EQ(spec.bpp, img.GetBitCount());
    EXPECT_GT(0, img.GetInfo()->bmiHeader.biHeight); // top-down in memory
    uint32_t mask = spec.bpp == 32 ? 0xffffffffu : (1u << spec.bpp) - 1;
    for (int y = 0; y < spec.height; y++)
        for (int x = 0; x < spec.width; x++)
            ASSERT_EQ(spec.value(x, y) & mask, img.GetPixelValue(x, y)) << x << "," << y;
    for (size_t i = 0; i < spec.palette.size() && i < size_t(img.GetPaletteCount()); i++) {
        RGBQUAD e = img.GetPaletteEntry(int(i));
        EXPECT_EQ(spec.palette[i] & 0xffffff, uint32_t(e.rgbRed << 16 | e.rgbGreen << 8 | e.rgbBlue));
        EXPECT_EQ(0, e.rgbReserved);
    }
}

TEST(BmpLoad, EveryDepthBothRowOrders) {
    for (int bpp : {1, 4, 8, 16, 24, 32})
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bpp << (topDown ? " top-down" : " bottom-up"));
            BmpSpec spec;
            spec.width = 13;
            spec.height = 5;
            spec.bpp = bpp;
            spec.topDown = topDown;
            if (bpp <= 8)
                for (int i = 0; i < (1 << bpp); i++)
                    spec.palette.push_back(uint32_t(i * 0x010203 + 0x0f0000));
            ExpectLoads(spec);
        }
}

TEST(BmpLoad, ShortPalettesLargerHeadersAndMatchingMasks) {
    BmpSpec shortPalette; // 8 bits with only 3 entries stored and counted
    shortPalette.bpp = 8;
    shortPalette.palette = {0x112233, 0x445566, 0x778899};
    shortPalette.colorsUsed = 3;
    shortPalette.value = [](int x, int y) { return uint32_t((x + y) % 3); };
    ExpectLoads(shortPalette);
    UBMPDAT img;
    ASSERT_TRUE(img.LoadBMP("load.bmp"));
    EXPECT_EQ(0, img.GetPaletteEntry(3).rgbRed); // entries not in the file are zero

    BmpSpec v5;
    v5.infoSize = 124;
    v5.bpp = 32;
    v5.compression = BI_BITFIELDS;
    v5.masks = {0xff0000, 0xff00, 0xff};
    v5.value = [](int x, int y) { return uint32_t(0x80000000u | x << 16 | y); };
    ExpectLoads(v5);
    BmpSpec fields16;
    fields16.bpp = 16;
    fields16.compression = BI_BITFIELDS;
    fields16.masks = {0x7c00, 0x3e0, 0x1f};
    ExpectLoads(fields16);
    BmpSpec v4;
    v4.infoSize = 108;
    v4.bpp = 4;
    v4.palette = std::vector<uint32_t>(16, 0xabcdef);
    ExpectLoads(v4);
}

TEST(BmpLoad, AlphaIsReadOnlyWithTheFlag) {
    BmpSpec spec;
    spec.bpp = 32;
    spec.value = [](int, int) { return 0x40102030u; };
    UBMPDAT img;
    ASSERT_TRUE(img.LoadBMP(SaveBytes("alpha.bmp", BuildBmp(spec)).c_str()));
    EXPECT_EQ(RGBCOLOR(0x10, 0x20, 0x30, 255), img.GetPixel(1, 1));
    img.SetAlphaFlag(1);
    EXPECT_EQ(RGBCOLOR(0x10, 0x20, 0x30, 0x40), img.GetPixel(1, 1));
}
