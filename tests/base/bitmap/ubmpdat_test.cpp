#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "base/ubmpdat.h"

TEST(UbmpdatLayout, StridesAndHeader) {
    EXPECT_EQ(8, UBMPDAT::StrideOf(33, 1));
    EXPECT_EQ(12, UBMPDAT::StrideOf(3, 24));
    EXPECT_EQ(0, UBMPDAT::StrideOf(0x7fffffff, 32)); // does not fit: no stride
    UBMPDAT img(-7, -3, 16);
    EXPECT_EQ(7, img.GetWidth());
    EXPECT_EQ(3, img.GetHeight());
    const BITMAPINFOHEADER& h = img.GetInfo()->bmiHeader;
    EXPECT_EQ(-3, h.biHeight);
    EXPECT_EQ(16u * 3, h.biSizeImage);
    EXPECT_EQ(img.GetBits() + 16, img.GetRowAddress(1));
    EXPECT_EQ(nullptr, img.GetRowAddress(3));
    EXPECT_EQ(img.GetBits() + 16 + 12, img.GetPixelAddress(6, 1));
    EXPECT_EQ(nullptr, img.GetPixelAddress(7, 1));
    UBMPDAT mono(33, 2, 1);
    EXPECT_EQ(mono.GetRowAddress(1) + 4, mono.GetPixelAddress(32, 1));
}

TEST(UbmpdatLayout, CreateRefusesSizesThatOverflow) {
    UBMPDAT img(4, 4, 24);
    EXPECT_FALSE(img.Create(100000, 100000, 32));
    EXPECT_EQ(nullptr, img.GetBits());
    EXPECT_EQ(0, img.GetWidth());
    EXPECT_FALSE(img.Create(0, 5, 24));
    EXPECT_FALSE(img.Create(INT_MIN, 5, 24));
    EXPECT_FALSE(img.Create(3, 3, 15));
    EXPECT_TRUE(img.Create(3, 3, 32));
    for (int i = 0; i < 36; i++)
        EXPECT_EQ(0, img.GetBits()[i]); // created zeroed
}

TEST(UbmpdatPixels, ValuesInEveryDepth) {
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        UBMPDAT img(11, 2, bpp);
        uint32_t mask = bpp == 32 ? 0xffffffffu : (1u << bpp) - 1;
        for (int x = 0; x < 11; x++)
            img.SetPixelValue(x, 1, (0x9abcdef1u * (x + 1)) & mask);
        for (int x = 0; x < 11; x++)
            EXPECT_EQ((0x9abcdef1u * (x + 1)) & mask, img.GetPixelValue(x, 1)) << bpp;
        for (int x = 0; x < 11; x++)
            EXPECT_EQ(0u, img.GetPixelValue(x, 0)) << bpp; // neighbours untouched
        img.SetPixelValue(11, 0, 1);                       // outside: ignored
        img.SetPixelValue(-1, 0, 1);
        EXPECT_EQ(0u, img.GetPixelValue(11, 1));
    }
    UBMPDAT four(3, 1, 4);
    four.SetPixelValue(0, 0, 0xa);
    four.SetPixelValue(1, 0, 0x5);
    EXPECT_EQ(0xa5, four.GetBits()[0]);
}

TEST(UbmpdatPixels, ColoursAndAlpha) {
    UBMPDAT hi(2, 1, 16);
    hi.SetPixel(0, 0, RGBCOLOR(255, 128, 7));
    EXPECT_EQ(RGBCOLOR(248, 128, 0, 255), hi.GetPixel(0, 0));

    UBMPDAT img(3, 1, 32);
    const RGBCOLOR row[3] = {RGBCOLOR(1, 2, 3, 4), RGBCOLOR(5, 6, 7, 8), RGBCOLOR(9, 10, 11, 12)};
    RGBCOLOR back[3];
    ASSERT_TRUE(img.PutRow32(0, row));
    EXPECT_EQ(0, img.GetBits()[3]); // without the flag alpha is stored as 0 ...
    ASSERT_TRUE(img.GetRow32(0, back));
    EXPECT_EQ(RGBCOLOR(5, 6, 7, 255), back[1]); // ... and read as 255
    img.SetAlphaFlag(1);
    ASSERT_TRUE(img.PutRow32(0, row));
    ASSERT_TRUE(img.GetRow32(0, back));
    EXPECT_EQ(row[2], back[2]);
    EXPECT_EQ(0x0c090a0bu, img.ColorToValue(row[2]));

    UBMPDAT pal(2, 1, 8);
    EXPECT_FALSE(pal.PutRow32(0, row)); // colours cannot be written into an indexed image
    EXPECT_EQ(0u, pal.GetPixelValue(0, 0));
    EXPECT_EQ(0u, pal.ColorToValue(row[0]));
    const RGBCOLOR entry(40, 50, 60);
    pal.SetPaletteFromRows32(255, &entry, 5); // clamped at the palette's end
    pal.SetPixelValue(1, 0, 255);
    EXPECT_EQ(RGBCOLOR(40, 50, 60, 255), pal.GetPixel(1, 0));
}

TEST(UbmpdatPixels, PartialRows) {
    UBMPDAT img(4, 2, 24);
    const RGBCOLOR src[5] = {RGBCOLOR(1, 1, 1), RGBCOLOR(2, 2, 2), RGBCOLOR(3, 3, 3), RGBCOLOR(4, 4, 4),
                             RGBCOLOR(5, 5, 5)};
    ASSERT_TRUE(img.WriteRow32(-2, 0, src, 5)); // buffer pixels 2, 3, 4 to columns 0, 1, 2
    EXPECT_EQ(RGBCOLOR(3, 3, 3), img.GetPixel(0, 0));
    EXPECT_EQ(RGBCOLOR(5, 5, 5), img.GetPixel(2, 0));
    EXPECT_EQ(RGBCOLOR(0, 0, 0), img.GetPixel(3, 0));
    ASSERT_TRUE(img.WriteRow32(2, 1, src, 5)); // cut at the row's end
    EXPECT_EQ(RGBCOLOR(2, 2, 2), img.GetPixel(3, 1));
    EXPECT_FALSE(img.WriteRow32(0, 2, src, 1));

    RGBCOLOR out[6];
    memset(out, 0xee, sizeof out);
    ASSERT_TRUE(img.ReadRow32(-3, 0, out + 3, 5)); // columns left of 0 are never written
    EXPECT_EQ(RGBCOLOR(0xee, 0xee, 0xee, 0xee), out[2]);
    EXPECT_EQ(RGBCOLOR(3, 3, 3), out[3]);
    EXPECT_EQ(RGBCOLOR(4, 4, 4), out[4]);
    ASSERT_TRUE(img.ReadRow32(2, 1, out, 3)); // buffer element c holds column c
    EXPECT_EQ(RGBCOLOR(1, 1, 1), out[2]);
    EXPECT_EQ(RGBCOLOR(2, 2, 2), out[3]);
    EXPECT_EQ(RGBCOLOR(0, 0, 0), out[4]); // past the row's end: the colour of value 0
    EXPECT_FALSE(img.ReadRow32(0, -1, out, 1));
}

TEST(UbmpdatPixels, FillSetsEveryPixel) {
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        UBMPDAT img(13, 3, bpp);
        uint32_t value = bpp == 1 ? 1 : bpp == 4 ? 9 : bpp == 32 ? 0x11223344u : 0x5a5a & ((1u << bpp) - 1);
        img.FillValue(value);
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 13; x++)
                ASSERT_EQ(value, img.GetPixelValue(x, y)) << bpp;
    }
}

TEST(UbmpdatStorage, CopiesAndConversionsThatCannotBeDoneKeepTheImage) {
    UBMPDAT src(3, 2, 24);
    src.SetPixel(2, 1, RGBCOLOR(7, 8, 9));
    UBMPDAT copy;
    ASSERT_TRUE(copy.CopyFrom(src));
    UBMPDAT empty;
    EXPECT_FALSE(copy.CopyFrom(empty)); // nothing to copy: the image stays
    EXPECT_EQ(3, copy.GetWidth());

    ASSERT_TRUE(copy.ConvertBitDepth(32));
    EXPECT_EQ(32, copy.GetBitCount());
    EXPECT_EQ(RGBCOLOR(7, 8, 9), copy.GetPixel(2, 1));
    EXPECT_FALSE(copy.ConvertBitDepth(8)); // rows of colours cannot be written at 8 bits
    EXPECT_EQ(32, copy.GetBitCount());
    EXPECT_FALSE(empty.ConvertBitDepth(24));
}

TEST(UbmpdatStorage, CallersBitmaps) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } bi = {};
    bi.h.biSize = sizeof bi.h;
    bi.h.biWidth = 10;
    bi.h.biHeight = -2;
    bi.h.biPlanes = 1;
    bi.h.biBitCount = 1;
    bi.h.biClrUsed = 2; // only two entries follow: no more may be read
    bi.colors[1] = {1, 2, 3, 0};
    const unsigned char rows[8] = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    UBMPDAT img;
    ASSERT_TRUE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(RGBCOLOR(3, 2, 1), img.GetPixel(0, 0));
    EXPECT_EQ(RGBCOLOR(3, 2, 1), img.GetPixel(1, 1));
    EXPECT_EQ(RGBCOLOR(0, 0, 0), img.GetPixel(1, 0));
    bi.h.biBitCount = 2;
    EXPECT_FALSE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    bi.h.biBitCount = 8;
    bi.h.biCompression = BI_RLE8;
    EXPECT_FALSE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(10, img.GetWidth()); // refused: unchanged
}

TEST(UbmpdatStorage, RawRows) {
    UBMPDAT img(8, 2, 8);
    const unsigned char src[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_TRUE(img.BlitRaw(5, 1, src, 10, 8, nullptr, 0)); // cut at the row's end
    EXPECT_EQ(3u, img.GetPixelValue(7, 1));
    EXPECT_EQ(0u, img.GetPixelValue(0, 0));
    EXPECT_FALSE(img.BlitRaw(0, 2, src, 1, 8, nullptr, 0));
    EXPECT_FALSE(img.BlitRaw(0, 0, src, 1, 24, nullptr, 0));
    UBMPDAT bits(16, 1, 1);
    EXPECT_FALSE(bits.BlitRaw(3, 0, src, 8, 1, nullptr, 0)); // not on a byte
    EXPECT_TRUE(bits.BlitRaw(8, 0, src + 9, 8, 1, nullptr, 0));
    EXPECT_EQ(1u, bits.GetPixelValue(12, 0));
    const RGBQUAD palette[16] = {{}, {}, {9, 8, 7, 0}};
    const unsigned char raw4[1] = {0x02}; // the second pixel is the low nibble
    EXPECT_EQ(RGBCOLOR(7, 8, 9), UBMPDAT::DecodeRawPixel(raw4, 4, 1, palette, 0));
}
