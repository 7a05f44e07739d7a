// The normal and transparency maps made from host images, compared with exact BMP files.
#include "tests/scene/scenehost.h"

#include "host/hxhostfn.h"
#include "scene/pyl_texmap.h"

#include <cstring>

namespace {

std::vector<uint32_t> Grey(std::initializer_list<int> values) {
    std::vector<uint32_t> px;
    for (int v : values)
        px.push_back(0xFF000000u | 0x010101u * uint32_t(v));
    return px;
}

// Red from the step to the right (none on the last column), green from the step down (the last row
// wraps to the first, so a single row has none), blue from 1 - the slope's length.
TEST(TextureMaps, HeightImagesBecomeExactNormalMapFiles) {
    OpenDoc("{}");
    std::string dir = OutputDir("normal");
    SaveBytes(dir + "height.bmp", BmpBytes(2, 2, Grey({0, 51, 102, 255})));
    SaveBytes(dir + "flat.bmp", BmpBytes(3, 2, Grey({90, 90, 90, 90, 90, 90}), 32));
    SaveBytes(dir + "row.bmp", BmpBytes(3, 1, Grey({0, 0, 255}), 24, true));
    char out[1024] = "stale";
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "height.bmp").c_str(), out, 3), 1);
    EXPECT_EQ(std::string(out), dir + "__pyldlgHX__mtl3__norm.bmp");
    EXPECT_EQ(LoadBytes(out), BmpBytes(2, 2, {0x99B2C5, 0x7FE599, 0xCC4CA3, 0x7F1999}));
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "flat.bmp").c_str(), out, 0), 1);
    EXPECT_EQ(LoadBytes(out), BmpBytes(3, 2, std::vector<uint32_t>(6, 0x7F7FFF)));
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "row.bmp").c_str(), out, 1), 1);
    std::vector<unsigned char> row = LoadBytes(out);
    ASSERT_EQ(row.size(), 54u + 12u);
    EXPECT_EQ(std::vector<unsigned char>({row[55], row[56], row[58], row[59], row[61], row[62]}),
              std::vector<unsigned char>({127, 127, 127, 255, 127, 127}));
}

// The texture's alpha times the alpha image, at the larger size; white in the map is fully
// transparent. Without a texture alpha the image alone is inverted; with neither there is no map.
TEST(TextureMaps, TransparencyMapsAreExactFiles) {
    OpenDoc("{}");
    std::string dir = OutputDir("alpha");
    SaveBytes(dir + "tex.bmp", BmpBytes(2, 2, {0xFF102030u, 0x80102030u, 0x40102030u, 0x00102030u}, 32));
    SaveBytes(dir + "mask.bmp", BmpBytes(1, 2, Grey({200, 100})));
    SaveBytes(dir + "bw.bmp", BmpBytes(2, 1, Grey({255, 0})));
    MONO_BMPDAT difAlpha;
    ASSERT_EQ(LoadAlphaOfImage((dir + "tex.bmp").c_str(), &difAlpha), 1);
    char out[1024];
    ASSERT_EQ(MakeTransparencyMap(dir.c_str(), (dir + "mask.bmp").c_str(), out, 7, &difAlpha), 1);
    EXPECT_EQ(std::string(out), dir + "__pyldlgHX__mtl7__alpha.bmp");
    EXPECT_EQ(LoadBytes(out), BmpBytes(2, 2, {0x373737, 0x9B9B9B, 0xE6E6E6, 0xFFFFFF}));
    ASSERT_EQ(MakeTransparencyMap(dir.c_str(), (dir + "bw.bmp").c_str(), out, 0, nullptr), 1);
    EXPECT_EQ(LoadBytes(out), BmpBytes(2, 1, {0x000000, 0xFFFFFF}));
    EXPECT_EQ(MakeTransparencyMap(dir.c_str(), "", out, 1, nullptr), 0);
    EXPECT_STREQ(out, "");
    EXPECT_TRUE(LoadBytes(dir + "__pyldlgHX__mtl1__alpha.bmp").empty());
    // Only 32-bit images have an alpha plane.
    MONO_BMPDAT plane;
    EXPECT_EQ(LoadAlphaOfImage((dir + "mask.bmp").c_str(), &plane), 0);
    EXPECT_FALSE(plane.IsValid());
}

// A map must never be written under a cut name (it would land somewhere else); one that was not
// written is reported with the file it was meant for.
TEST(TextureMaps, UnwritableMapGivesNoPath) {
    OpenDoc("{}");
    std::string dir = OutputDir("unwritable");
    SaveBytes(dir + "h.bmp", BmpBytes(1, 1, Grey({9})));
    std::string h = dir + "h.bmp", missing = dir + "no such folder\\";
    struct Row {
        std::string folder, normal, alpha;
    } rows[] = {{dir + std::string(1000, 'd') + "\\", "", ""},
                {missing, missing + "__pyldlgHX__mtl0__norm.bmp", missing + "__pyldlgHX__mtl0__alpha.bmp"}};
    for (const Row& row : rows) {
        char out[1024] = "stale";
        EXPECT_EQ(ConvertBumpToNormal(row.folder.c_str(), h.c_str(), out, 0), MAP_UNWRITTEN);
        EXPECT_EQ(row.normal, out);
        EXPECT_EQ(MakeTransparencyMap(row.folder.c_str(), h.c_str(), out, 0, nullptr), MAP_UNWRITTEN);
        EXPECT_EQ(row.alpha, out);
    }
}

// Host images this code cannot read count as failed loads instead of being read past their end.
BITMAPINFOHEADER g_header;
BOOL __cdecl FakeLoadImage(const char*, BITMAPINFO** header, void** bits, int) {
    *header = (BITMAPINFO*)LocalAlloc(LPTR, sizeof(BITMAPINFO) + 16);
    (*header)->bmiHeader = g_header;
    *bits = LocalAlloc(LPTR, 16);
    return TRUE;
}

TEST(TextureMaps, EmptyOrUnsupportedHostImagesFailToLoad) {
    OpenDoc("{}");
    hxfn::HX_LoadImage_t saved = hxfn::HX_LoadImage;
    hxfn::HX_LoadImage = FakeLoadImage;
    // Width, height, compression, bits per pixel, and whether it loads.
    const int rows[][5] = {{0, 4, BI_RGB, 24, 0},
                           {4, 0, BI_RGB, 24, 0},
                           {4, 1, BI_RLE8, 24, 0},
                           {4, 1, BI_RGB, 15, 0},
                           {4, 1, BI_RGB, 32, 1}};
    for (const auto& row : rows) {
        g_header = {sizeof(BITMAPINFOHEADER), row[0], row[1], 1, WORD(row[3]), DWORD(row[2]), 0, 0, 0, 0, 0};
        HX_BMPDAT image;
        EXPECT_EQ(image.Load("x.bmp"), row[4]) << row[0] << " " << row[1] << " " << row[2] << " " << row[3];
        EXPECT_EQ(image.GetImage() != nullptr, row[4] == 1);
    }
    hxfn::HX_LoadImage = saved;
}

} // namespace
