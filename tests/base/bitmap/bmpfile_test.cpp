#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <tuple>

#include "base/ubmpdat.h"
#include "bmpbuild.h"
#include "tests/common/mutate.h"

namespace {

const std::vector<unsigned char> kSixPixelFile = {
    0x42, 0x4d, 0x4e, 0, 0,    0, 0,    0,    0,    0, 0x36, 0, 0, 0, 0x28, 0, 0, 0,
    3,    0,    0,    0, 2,    0, 0,    0,    1,    0, 0x18, 0, 0, 0, 0,    0, 0, 0,
    0,    0,    0,    0, 0,    0, 0,    0,    0,    0, 0,    0, 0, 0, 0,    0, 0, 0, // offsets 30-53
    0xff, 0xff, 0xff, 0, 0,    0, 0x40, 0x20, 0x10, 0, 0,    0, // bottom row first, zero padding
    0,    0,    0xff, 0, 0xff, 0, 0xff, 0,    0,    0, 0,    0};

BmpSpec Spec(int bpp, std::vector<uint32_t> palette = {}, std::vector<uint32_t> masks = {}) {
    BmpSpec s;
    s.bpp = bpp;
    s.palette = palette;
    s.compression = masks.empty() ? BI_RGB : BI_BITFIELDS;
    s.masks = masks;
    return s;
}

// Loads a file built byte by byte and compares every pixel value and palette entry.
void ExpectLoads(const BmpSpec& spec) {
    UBMPDAT img;
    ASSERT_TRUE(img.LoadBMP(SaveBytes("load.bmp", BuildBmp(spec)).c_str()));
    EXPECT_EQ(std::tuple(spec.width, spec.height, spec.bpp),
              std::tuple(img.GetWidth(), img.GetHeight(), img.GetBitCount()));
    uint32_t mask = spec.bpp == 32 ? 0xffffffffu : (1u << spec.bpp) - 1;
    for (int y = 0; y < spec.height; y++)
        for (int x = 0; x < spec.width; x++)
            ASSERT_EQ(spec.value(x, y) & mask, img.GetPixelValue(x, y)) << x << "," << y;
    for (int i = 0; i < img.GetPaletteCount(); i++) {
        RGBQUAD e = img.GetPaletteEntry(i);
        uint32_t want = size_t(i) < spec.palette.size() ? spec.palette[i] : 0; // others zero
        EXPECT_EQ(std::vector<int>({int(want >> 16 & 255), int(want >> 8 & 255), int(want & 255), 0}),
                  std::vector<int>({e.rgbRed, e.rgbGreen, e.rgbBlue, e.rgbReserved}))
            << i;
    }
}

} // namespace

TEST(BmpSave, FilesAreExactAndTheRightWayUp) {
    UBMPDAT img(3, 2, 24);
    memset(img.GetBits(), 0xcc, 24); // dirty padding in memory must not reach the file
    const RGBCOLOR rows[6] = {RGBCOLOR(255, 0, 0),     RGBCOLOR(0, 255, 0), RGBCOLOR(0, 0, 255),
                              RGBCOLOR(255, 255, 255), RGBCOLOR(0, 0, 0),   RGBCOLOR(16, 32, 64)};
    img.PutRow32(0, rows);
    img.PutRow32(1, rows + 3);
    EXPECT_EQ(std::tuple(1, kSixPixelFile), (std::tuple{img.SaveBMP("six.bmp"), LoadBytes("six.bmp")}));
    // A caller's bottom-up bitmap, whose first row in memory is the bottom row.
    UBMPDAT bottomUp;
    BITMAPINFO bi = *img.GetInfo();
    bi.bmiHeader.biHeight = 2;
    ASSERT_TRUE(bottomUp.CreateFromInfo(&bi, kSixPixelFile.data() + 54));
    ASSERT_TRUE(bottomUp.SaveBMP("bottomup.bmp"));
    EXPECT_EQ(kSixPixelFile, LoadBytes("bottomup.bmp"));

    // The full device takes the file but fails the flush as it closes, as a full disk does.
    EXPECT_EQ(std::tuple(0, 0, 0, 0),
              (std::tuple{UBMPDAT().SaveBMP("empty.bmp"), img.SaveBMP("no_such_dir\\x.bmp"),
                          img.SaveBMP(nullptr), img.SaveBMP("Z:\\dev\\full")}));
    // The file goes through a 64 KiB buffer. One that fills it (a bitmap file is 2 bytes more than a
    // multiple of 4 long) fails only at the flush before the close; a row more fails in a write, which
    // leaves nothing to flush.
    UBMPDAT fills(16370, 1, 32), more(16370, 2, 32);
    EXPECT_EQ(std::tuple(1, size_t(65534), 0, 0),
              (std::tuple{fills.SaveBMP("fills.bmp"), LoadBytes("fills.bmp").size(),
                          fills.SaveBMP("Z:\\dev\\full"), more.SaveBMP("Z:\\dev\\full")}));
    for (int bpp : {1, 4, 8}) { // palettes go between the headers and the rows
        UBMPDAT pal(9, 5, bpp);
        const RGBCOLOR entries[3] = {RGBCOLOR(1, 2, 3), RGBCOLOR(200, 100, 50), RGBCOLOR(7, 8, 9)};
        pal.SetPaletteFromRows32(0, entries, bpp == 1 ? 2 : 3);
        for (int i = 0; i < 45; i++)
            pal.SetPixelValue(i % 9, i / 9, i % (bpp == 1 ? 2 : 3));
        ASSERT_TRUE(pal.SaveBMP("paletted.bmp"));
        UBMPDAT back;
        ASSERT_TRUE(back.LoadBMP("paletted.bmp"));
        for (int i = 0; i < 45; i++)
            ASSERT_EQ(pal.GetPixel(i % 9, i / 9), back.GetPixel(i % 9, i / 9)) << bpp << " " << i;
    }
}

// Files of every depth, row order, header and palette load with each pixel and palette entry. Every
// prefix of them, headers that do not fit the file and tens of thousands of seeded mutations are
// refused with the image as it was, or loaded whole from the file's own bytes.
TEST(BmpLoad, EveryLayoutLoadsAndHostileFilesAreRefusedOrLoadedWhole) {
    UBMPDAT img(5, 4, 24);
    img.Fill(RGBCOLOR(9, 99, 199));
    int loaded = 0, refused = 0;
    auto load = [&](const std::vector<unsigned char>& file, const std::string& what) {
        if (HasFatalFailure()) return;
        SaveBytes("bad.bmp", file);
        int w = img.GetWidth(), h = img.GetHeight(), bpp = img.GetBitCount();
        std::vector<unsigned char> pixels(img.GetBits(), img.GetBits() + img.GetLineBytes() * h);
        if (img.LoadBMP("bad.bmp")) {
            loaded++;
            // The size the headers give, each row the file's own bytes where the headers put it.
            BITMAPFILEHEADER head;
            BITMAPINFOHEADER info;
            memcpy(&head, file.data(), sizeof head);
            memcpy(&info, &file[sizeof head], sizeof info);
            const int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
            ASSERT_EQ(std::tuple(int(info.biWidth), height, int(info.biBitCount)),
                      std::tuple(img.GetWidth(), img.GetHeight(), img.GetBitCount()))
                << what;
            const size_t stride = (size_t(info.biWidth) * info.biBitCount + 31) / 32 * 4;
            ASSERT_LE(head.bfOffBits + stride * height, file.size()) << what;
            for (int y = 0; y < height; y++) {
                size_t row = head.bfOffBits + stride * (info.biHeight < 0 ? y : height - 1 - y);
                ASSERT_EQ(0, memcmp(img.GetRowAddress(y), &file[row], stride)) << what;
            }
            return;
        }
        refused++;
        ASSERT_EQ(std::tuple(w, h, bpp), std::tuple(img.GetWidth(), img.GetHeight(), img.GetBitCount()))
            << what;
        ASSERT_EQ(0, memcmp(pixels.data(), img.GetBits(), pixels.size())) << what;
    };
    const std::vector<unsigned char> valid = BuildBmp(BmpSpec());
    // Offset, value and width of a header field: signature, widths, heights, pixel offsets,
    // bit counts, run-length and mask compression, a core header and one past the end.
    const uint32_t changes[][3] = {{0, 'B' | 'X' << 8, 2},
                                   {18, 0x7fffffff, 4},
                                   {18, 0x10000000, 4},
                                   {22, 0, 4},
                                   {22, uint32_t(INT_MIN), 4},
                                   {10, 60, 4},
                                   {10, 0xfffffff0, 4},
                                   {10, 20, 4},
                                   {28, 15, 2},
                                   {30, 1, 4},
                                   {30, 3, 4},
                                   {14, 12, 4},
                                   {14, 0x7ffffff0, 4}};
    for (const auto& c : changes) {
        std::vector<unsigned char> bad = valid;
        PutLE(bad, c[0], c[1], int(c[2]));
        load(bad, "field at " + std::to_string(c[0]));
    }
    BmpSpec palette = Spec(8, std::vector<uint32_t>(16)); // 16 of 256 entries stored
    load(BuildBmp(palette), "16 of 256 entries");
    load(BuildBmp(Spec(16, {}, {0xf800, 0x7e0, 0x1f})), "5-6-5 masks, not the 5-5-5 the image holds");

    std::vector<BmpSpec> specs;
    for (int bpp : {1, 4, 8, 16, 24, 32})
        for (bool topDown : {false, true}) {
            specs.push_back(Spec(bpp));
            specs.back().width = 13;
            specs.back().topDown = topDown;
            for (int i = 0; i < (bpp <= 8 ? 1 << bpp : 0); i++)
                specs.back().palette.push_back(uint32_t(i * 0x010203 + 0x0f0000));
        }
    BmpSpec shortPalette = Spec(8, {0x112233, 0x445566, 0x778899}); // 3 entries stored and counted
    shortPalette.colorsUsed = 3;
    shortPalette.value = [](int x, int y) { return uint32_t((x + y) % 3); };
    BmpSpec v5 = Spec(32, {}, {0xff0000, 0xff00, 0xff}); // masks that say what the layout says anyway
    v5.infoSize = 124;
    v5.value = [](int x, int y) { return uint32_t(0x40000000u | x << 16 | y); };
    specs.insert(specs.end(), {shortPalette, v5, Spec(16, {}, {0x7c00, 0x3e0, 0x1f})});
    std::vector<std::vector<unsigned char>> seeds;
    for (const BmpSpec& spec : specs) {
        SCOPED_TRACE(testing::Message() << spec.bpp << (spec.topDown ? " top-down" : " bottom-up"));
        ExpectLoads(spec);
        seeds.push_back(BuildBmp(spec));
        mutate::EachPrefix(seeds.back(), load);
    }
    ASSERT_EQ(0, loaded); // none of the above, nor a prefix of a good file
    const std::vector<size_t> fields = {2, 10, 14, 18, 22, 26, 28, 30, 34, 46, 50, 54, 58, 62};
    mutate::EachMutation(seeds, mutate::Options{20240611, 20000, fields, "", 138}, load);
    EXPECT_GT(loaded, 1000); // both outcomes really happen
    EXPECT_GT(refused, 5000);
    EXPECT_EQ(std::pair(0, 0), (std::pair{img.LoadBMP(nullptr), img.LoadBMP("no_such_file.bmp")}));
    ASSERT_TRUE(img.LoadBMP(SaveBytes("alpha.bmp", BuildBmp(v5)).c_str()));
    EXPECT_EQ(RGBCOLOR(0, 0, 1, 255), img.GetPixel(0, 1)); // alpha only with the flag
    img.SetAlphaFlag(1);
    EXPECT_EQ(RGBCOLOR(0, 0, 1, 0x40), img.GetPixel(0, 1));
}
