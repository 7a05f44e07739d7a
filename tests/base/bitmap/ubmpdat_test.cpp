#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "base/ubmpdat.h"

TEST(UbmpdatPixels, ValuesAndFillsInEveryDepth) {
    const struct {
        int bpp, stride; // of an 11-pixel row
    } depths[] = {{1, 4}, {4, 8}, {8, 12}, {16, 24}, {24, 36}, {32, 44}};
    for (const auto& d : depths) {
        UBMPDAT img(11, 3, d.bpp);
        EXPECT_EQ(d.stride, img.GetLineBytes()) << d.bpp;
        uint32_t mask = d.bpp == 32 ? 0xffffffffu : (1u << d.bpp) - 1;
        for (int x = 0; x < 11; x++)
            img.SetPixelValue(x, 1, (0x9abcdef1u * (x + 1)) & mask);
        img.SetPixelValue(11, 0, 1); // outside: ignored
        img.SetPixelValue(-1, 0, 1);
        for (int x = 0; x < 11; x++) {
            ASSERT_EQ((0x9abcdef1u * (x + 1)) & mask, img.GetPixelValue(x, 1)) << d.bpp;
            ASSERT_EQ(0u, img.GetPixelValue(x, 0) | img.GetPixelValue(x, 2)) << d.bpp; // neighbours untouched
        }
        uint32_t fill = 0x5a5a5a5bu & mask; // every pixel gets the value, also below a byte
        img.FillValue(fill);
        for (int x = 0; x < 11; x++)
            ASSERT_EQ(fill, img.GetPixelValue(x, x % 3)) << d.bpp;
    }
    EXPECT_EQ(0, UBMPDAT::StrideOf(0x7fffffff, 32)); // does not fit: no stride
}

TEST(UbmpdatPixels, ColoursRowsAndAlpha) {
    UBMPDAT hi(2, 1, 16);
    hi.SetPixel(0, 0, RGBCOLOR(255, 128, 7));
    EXPECT_EQ(RGBCOLOR(248, 128, 0, 255), hi.GetPixel(0, 0));
    UBMPDAT img(3, 1, 32);
    const RGBCOLOR row[5] = {RGBCOLOR(1, 2, 3, 4), RGBCOLOR(5, 6, 7, 8), RGBCOLOR(9, 10, 11, 12),
                             RGBCOLOR(13, 14, 15, 16), RGBCOLOR(17, 18, 19, 20)};
    RGBCOLOR back[6];
    ASSERT_TRUE(img.PutRow32(0, row));
    EXPECT_EQ(0, img.GetBits()[3]); // without the flag alpha is stored as 0 ...
    ASSERT_TRUE(img.GetRow32(0, back));
    EXPECT_EQ(RGBCOLOR(5, 6, 7, 255), back[1]); // ... and read as 255
    img.SetAlphaFlag(1);
    ASSERT_TRUE(img.WriteRow32(-2, 0, row, 5)); // buffer pixels 2, 3, 4 to columns 0, 1, 2
    memset(back, 0xee, sizeof back);
    ASSERT_TRUE(img.ReadRow32(-3, 0, back + 3, 5)); // columns left of 0 are never written
    EXPECT_EQ(RGBCOLOR(0xee, 0xee, 0xee, 0xee), back[2]);
    EXPECT_EQ(row[2], back[3]);
    EXPECT_EQ(row[3], back[4]);
    EXPECT_FALSE(img.WriteRow32(0, 1, row, 1));
    EXPECT_FALSE(img.ReadRow32(0, -1, back, 1));

    UBMPDAT pal(2, 1, 8);
    EXPECT_FALSE(pal.PutRow32(0, row)); // colours cannot be written into an indexed image
    const RGBCOLOR entry(40, 50, 60);
    pal.SetPaletteFromRows32(255, &entry, 5); // cut at the palette's end
    pal.SetPixelValue(1, 0, 255);
    EXPECT_EQ(RGBCOLOR(40, 50, 60, 255), pal.GetPixel(1, 0));
    const RGBQUAD palette[16] = {{}, {}, {9, 8, 7, 0}};
    const unsigned char raw4[1] = {0x02}; // the second pixel is the low nibble
    EXPECT_EQ(RGBCOLOR(7, 8, 9), UBMPDAT::DecodeRawPixel(raw4, 4, 1, palette, 0));
}

TEST(UbmpdatStorage, RefusalsKeepTheImage) {
    UBMPDAT img(4, 4, 24);
    for (auto [w, h, bpp] : {std::tuple{100000, 100000, 32}, {0, 5, 24}, {INT_MIN, 5, 24}, {3, 3, 15}}) {
        EXPECT_FALSE(img.Create(w, h, bpp)) << w;
        EXPECT_EQ(nullptr, img.GetBits()); // a failed Create leaves no pixels behind
    }
    UBMPDAT empty, src(3, 2, 24);
    src.SetPixel(2, 1, RGBCOLOR(7, 8, 9));
    ASSERT_TRUE(img.CopyFrom(src));
    EXPECT_FALSE(img.CopyFrom(empty)); // nothing to copy: the image stays
    ASSERT_TRUE(img.ConvertBitDepth(32));
    EXPECT_EQ(RGBCOLOR(7, 8, 9), img.GetPixel(2, 1));
    EXPECT_FALSE(img.ConvertBitDepth(8)); // rows of colours cannot be written at 8 bits
    EXPECT_EQ(32, img.GetBitCount());
    EXPECT_FALSE(empty.ConvertBitDepth(24));

    UBMPDAT raw(8, 2, 8);
    const unsigned char bytes[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_TRUE(raw.BlitRaw(5, 1, bytes, 10, 8, nullptr, 0)); // cut at the row's end
    EXPECT_EQ(3u, raw.GetPixelValue(7, 1));
    EXPECT_FALSE(raw.BlitRaw(0, 2, bytes, 1, 8, nullptr, 0));
    EXPECT_FALSE(raw.BlitRaw(0, 0, bytes, 1, 24, nullptr, 0));
    UBMPDAT bits(16, 1, 1);
    EXPECT_FALSE(bits.BlitRaw(3, 0, bytes, 8, 1, nullptr, 0)); // not on a byte
}

TEST(UbmpdatStorage, CallersBitmapsKeepTheirHeaderAndRowOrder) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[3]; // the palette, or the three colour masks
    } bi = {};
    bi.h = {sizeof bi.h, 10, -2, 1, 1, BI_RGB, 0, 2835, 2835, 2, 0};
    bi.colors[1] = {1, 2, 3, 0}; // only two entries follow: no more may be read
    const unsigned char rows[16] = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    UBMPDAT img;
    ASSERT_TRUE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(RGBCOLOR(3, 2, 1), img.GetPixel(0, 0));
    EXPECT_EQ(RGBCOLOR(3, 2, 1), img.GetPixel(1, 1));
    EXPECT_EQ(RGBCOLOR(0, 0, 0), img.GetPixel(1, 0));
    EXPECT_EQ(2835, img.GetInfo()->bmiHeader.biXPelsPerMeter); // the header as given

    // A host image of 32 bits with the standard masks: a texture like any other.
    bi.h = {sizeof bi.h, 2, 2, 1, 32, BI_BITFIELDS, 16, 0, 0, 0, 0};
    const DWORD masks[3] = {0xff0000, 0xff00, 0xff};
    memcpy(bi.colors, masks, sizeof masks);
    ASSERT_TRUE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), "\x10\x20\x30\x40\x50\x60\x70\x80"
                                                                       "\x11\x21\x31\x41\x51\x61\x71\x81"));
    EXPECT_EQ(RGBCOLOR(0x31, 0x21, 0x11), img.GetPixel(0, 0)); // bottom-up: the second row is the top
    EXPECT_EQ(RGBCOLOR(0x70, 0x60, 0x50), img.GetPixel(1, 1));
    EXPECT_EQ(0, memcmp(masks, img.GetPalette(), sizeof masks)); // where GDI reads them
    bi.colors[0] = {0xff, 0, 0, 0};                              // masks of another layout
    EXPECT_FALSE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    bi.h.biCompression = BI_RLE8;
    bi.h.biBitCount = 8;
    EXPECT_FALSE(img.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(2, img.GetWidth()); // refused: unchanged
}
