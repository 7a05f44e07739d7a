#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "base/ubmpdat.h"

using Bytes = std::vector<unsigned char>;

TEST(UbmpdatPixels, ValuesFillsColoursRowsAndAlphaInEveryDepth) {
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
            ASSERT_EQ(std::pair(0u, 0u), std::pair(img.GetPixelValue(x, 0), img.GetPixelValue(x, 2)))
                << d.bpp; // neighbours untouched
        }
        uint32_t fill = 0x5a5a5a5bu & mask; // every pixel gets the value, also below a byte
        img.FillValue(fill);
        for (int x = 0; x < 11; x++)
            ASSERT_EQ(fill, img.GetPixelValue(x, x % 3)) << d.bpp;
    }
    EXPECT_EQ(0, UBMPDAT::StrideOf(0x7fffffff, 32)); // does not fit: no stride
    // Colours, rows of colours and alpha.
    UBMPDAT hi(2, 1, 16);
    hi.SetPixel(0, 0, RGBCOLOR(255, 128, 7));
    EXPECT_EQ(RGBCOLOR(248, 128, 0, 255), hi.GetPixel(0, 0));
    UBMPDAT img(3, 1, 32);
    const RGBCOLOR row[5] = {RGBCOLOR(1, 2, 3, 4), RGBCOLOR(5, 6, 7, 8), RGBCOLOR(9, 10, 11, 12),
                             RGBCOLOR(13, 14, 15, 16), RGBCOLOR(17, 18, 19, 20)};
    RGBCOLOR back[3]; // without the flag alpha is stored as 0 and read as 255; rows outside are refused
    EXPECT_EQ(std::tuple(1, 0, 1, RGBCOLOR(5, 6, 7, 255), 0, 0),
              (std::tuple{img.PutRow32(0, row), int(img.GetBits()[3]), img.GetRow32(0, back), back[1],
                          img.WriteRow32(0, 1, row, 1), img.ReadRow32(0, -1, back, 1)}));
    // Blocks of rows with alpha, five colours a row: written from column -2, so buffer pixels 2 to 4
    // land in columns 0 to 2; read from column -3, where column c goes to buffer pixel c and the
    // pixels for columns left of 0 are never written.
    UBMPDAT two(3, 2, 32);
    two.SetAlphaFlag(1);
    const RGBCOLOR ee(0xee, 0xee, 0xee, 0xee);
    RGBCOLOR grid[10];
    std::vector<RGBCOLOR> out(12, ee);
    for (int i = 0; i < 10; i++)
        grid[i] = RGBCOLOR(i, 2 * i, 3 * i, 4 * i);
    EXPECT_EQ(std::tuple(1, 1, grid[9]),
              (std::tuple{two.WriteRows32(-2, 0, grid, 20, 0, 0, 5, 2),
                          two.ReadRows32(-3, 0, out.data(), 24, 3, 0, 5, 2), two.GetPixel(2, 1)}));
    EXPECT_EQ(std::vector<RGBCOLOR>({ee, ee, ee, grid[2], grid[3], ee, ee, ee, ee, grid[7], grid[8], ee}),
              out);

    UBMPDAT pal(2, 1, 8);
    EXPECT_FALSE(pal.PutRow32(0, row)); // colours cannot be written into an indexed image
    const RGBCOLOR entry(40, 50, 60);
    pal.SetPaletteFromRows32(255, &entry, 5); // cut at the palette's end
    pal.SetPixelValue(1, 0, 255);
    EXPECT_EQ(RGBCOLOR(40, 50, 60, 255), pal.GetPixel(1, 0));
    const RGBQUAD palette[16] = {{}, {}, {9, 8, 7, 0}};
    EXPECT_EQ(RGBCOLOR(7, 8, 9), UBMPDAT::DecodeRawPixel("\x02", 4, 1, palette, 0)); // the low nibble
    EXPECT_EQ(RGBCOLOR(3, 2, 1, 4), UBMPDAT::DecodeRawPixel("\0\0\0\0\1\2\3\4", 32, 1, nullptr, 1));
}

TEST(UbmpdatStorage, RefusalsKeepTheImageAndCallersBitmapsKeepTheirLayout) {
    UBMPDAT img(4, 4, 24);
    for (auto [w, h, bpp] : {std::tuple{100000, 100000, 32}, {0, 5, 24}, {INT_MIN, 5, 24}, {3, 3, 15}}) {
        EXPECT_FALSE(img.Create(w, h, bpp)) << w;
        EXPECT_EQ(nullptr, img.GetBits()); // a failed Create leaves no pixels behind
    }
    UBMPDAT empty, src(3, 2, 24);
    src.SetPixel(2, 1, RGBCOLOR(7, 8, 9));
    // Nothing to copy, and rows of colours that cannot be written at 8 bits: the image stays.
    ASSERT_EQ(std::tuple(1, 0, 1, 0), (std::tuple{img.CopyFrom(src), img.CopyFrom(empty),
                                                  img.ConvertBitDepth(32), img.ConvertBitDepth(8)}));
    EXPECT_EQ(std::tuple(RGBCOLOR(7, 8, 9), 32, 0),
              std::tuple(img.GetPixel(2, 1), img.GetBitCount(), empty.ConvertBitDepth(24)));

    // Raw rows land at their pixel, cut at the row's end; refused ones change nothing.
    UBMPDAT raw(3, 2, 24), nibbles(8, 1, 4);
    const unsigned char bytes[15] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_TRUE(raw.BlitRaw(1, 0, bytes, 5, 24, nullptr, 0));
    EXPECT_FALSE(raw.BlitRaw(0, 2, bytes, 1, 24, nullptr, 0));
    EXPECT_FALSE(raw.BlitRaw(0, 1, bytes, 1, 8, nullptr, 0));
    EXPECT_EQ(Bytes({0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              Bytes(raw.GetBits(), raw.GetBits() + 24));
    EXPECT_TRUE(nibbles.BlitRaw(2, 0, "\xab", 2, 4, nullptr, 0));
    EXPECT_FALSE(nibbles.BlitRaw(3, 0, bytes, 2, 4, nullptr, 0)); // not on a byte
    EXPECT_EQ(Bytes({0, 0xab, 0, 0}), Bytes(nibbles.GetBits(), nibbles.GetBits() + 4));

    // A caller's bitmap keeps its header and row order.
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[3]; // the palette, or the three colour masks
    } bi = {};
    bi.h = {sizeof bi.h, 10, -2, 1, 1, BI_RGB, 0, 2835, 2835, 2, 0};
    bi.colors[1] = {1, 2, 3, 0}; // only two entries follow: no more may be read
    const unsigned char rows[16] = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    UBMPDAT caller;
    ASSERT_TRUE(caller.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(
        std::tuple(RGBCOLOR(3, 2, 1), RGBCOLOR(3, 2, 1), RGBCOLOR(0, 0, 0), 2835L), // the header as given
        std::tuple(caller.GetPixel(0, 0), caller.GetPixel(1, 1), caller.GetPixel(1, 0),
                   caller.GetInfo()->bmiHeader.biXPelsPerMeter));

    // A host image of 32 bits with the standard masks: a texture like any other.
    bi.h = {sizeof bi.h, 2, 2, 1, 32, BI_BITFIELDS, 16, 0, 0, 0, 0};
    const DWORD masks[3] = {0xff0000, 0xff00, 0xff};
    memcpy(bi.colors, masks, sizeof masks);
    ASSERT_TRUE(caller.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi),
                                      "\x10\x20\x30\x40\x50\x60\x70\x80"
                                      "\x11\x21\x31\x41\x51\x61\x71\x81"));
    EXPECT_EQ(
        std::pair(RGBCOLOR(0x31, 0x21, 0x11), RGBCOLOR(0x70, 0x60, 0x50)), // bottom-up: row 1 is the top
        std::pair(caller.GetPixel(0, 0), caller.GetPixel(1, 1)));
    EXPECT_EQ(0, memcmp(masks, caller.GetPalette(), sizeof masks)); // where GDI reads them
    bi.colors[0] = {0xff, 0, 0, 0};                                 // masks of another layout
    EXPECT_FALSE(caller.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    bi.h.biCompression = BI_RLE8;
    bi.h.biBitCount = 8;
    EXPECT_FALSE(caller.CreateFromInfo(reinterpret_cast<BITMAPINFO*>(&bi), rows));
    EXPECT_EQ(2, caller.GetWidth()); // refused: unchanged
}
