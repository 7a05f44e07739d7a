#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/hxhostfn.h"
#include "host_fixture.h"
#include "tests/base/bitmap/bmpbuild.h"
#include "scene/pyl_texmap.h"

namespace {

const char* kEmptyDoc = "{}";

std::vector<uint32_t> Grey(std::initializer_list<int> values) {
    std::vector<uint32_t> px;
    for (int v : values)
        px.push_back(0xFF000000u | (uint32_t)v << 16 | (uint32_t)v << 8 | (uint32_t)v);
    return px;
}

TEST(TextureMaps, HeightImageBecomesTheExactNormalMapFile) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("normal");
    WriteBmp(dir + "height.bmp", 2, 2, 24, Grey({0, 51, 102, 255}));
    char out[1024] = "stale";
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "height.bmp").c_str(), out, 3), 1);
    EXPECT_EQ(std::string(out), dir + "__pyldlgHX__mtl3__norm.bmp");
    // Red from the step to the right (none on the last column), green from the step down (the
    // last row wraps to the first), blue from 1 - the slope's length.
    EXPECT_EQ(LoadBytes(out), Bmp24Bytes(2, 2, {0x99B2C5, 0x7FE599, 0xCC4CA3, 0x7F1999}));
}

TEST(TextureMaps, FlatAndSingleRowHeightsGiveStraightNormals) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("flat");
    WriteBmp(dir + "flat.bmp", 3, 2, 32, Grey({90, 90, 90, 90, 90, 90}));
    WriteBmp(dir + "row.bmp", 3, 1, 24, Grey({0, 0, 255}), true);
    char out[1024];
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "flat.bmp").c_str(), out, 0), 1);
    EXPECT_EQ(LoadBytes(out), Bmp24Bytes(3, 2, std::vector<uint32_t>(6, 0x7F7FFF)));
    // One row is its own lower neighbour: no green slope anywhere; the last column has no red one.
    ASSERT_EQ(ConvertBumpToNormal(dir.c_str(), (dir + "row.bmp").c_str(), out, 1), 1);
    std::vector<unsigned char> bytes = LoadBytes(out);
    ASSERT_EQ(bytes.size(), 54u + 12u);
    const unsigned char* p = &bytes[54];
    EXPECT_EQ(p[1], 127);
    EXPECT_EQ(p[4], 127);
    EXPECT_EQ(p[2], 127); // 0 -> 0
    EXPECT_EQ(p[5], 255); // 0 -> 255: dx = 1
    EXPECT_EQ(p[8], 127); // last column
}

TEST(TextureMaps, TextureAlphaTimesAlphaImageGivesTheExactTransparencyFile) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("alpha");
    WriteBmp(dir + "tex.bmp", 2, 2, 32, {0xFF102030u, 0x80102030u, 0x40102030u, 0x00102030u});
    WriteBmp(dir + "mask.bmp", 1, 2, 24, Grey({200, 100}));
    MONO_BMPDAT difAlpha;
    ASSERT_EQ(LoadAlphaOfImage((dir + "tex.bmp").c_str(), &difAlpha), 1);
    char out[1024];
    ASSERT_EQ(MakeTransparencyMap(dir.c_str(), (dir + "mask.bmp").c_str(), out, 7, &difAlpha), 1);
    EXPECT_EQ(std::string(out), dir + "__pyldlgHX__mtl7__alpha.bmp");
    // a x b / 255 at 2 x 2: (200, 100 | 25, 0); white in the map is fully transparent.
    EXPECT_EQ(LoadBytes(out), Bmp24Bytes(2, 2, {0x373737, 0x9B9B9B, 0xE6E6E6, 0xFFFFFF}));
}

TEST(TextureMaps, AlphaImageAloneIsInverted) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("alphaonly");
    WriteBmp(dir + "mask.bmp", 2, 1, 24, Grey({255, 0}));
    char out[1024];
    ASSERT_EQ(MakeTransparencyMap(dir.c_str(), (dir + "mask.bmp").c_str(), out, 0, nullptr), 1);
    EXPECT_EQ(LoadBytes(out), Bmp24Bytes(2, 1, {0x000000, 0xFFFFFF}));
    // Neither plane: no map, no file.
    EXPECT_EQ(MakeTransparencyMap(dir.c_str(), "", out, 1, nullptr), 0);
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(FileExists(dir + "__pyldlgHX__mtl1__alpha.bmp"));
}

TEST(TextureMaps, OnlyThirtyTwoBitImagesHaveAnAlphaPlane) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("planes");
    WriteBmp(dir + "rgb.bmp", 2, 2, 24, Grey({1, 2, 3, 4}));
    MONO_BMPDAT plane;
    EXPECT_EQ(LoadAlphaOfImage((dir + "rgb.bmp").c_str(), &plane), 0);
    EXPECT_FALSE(plane.IsValid());
    EXPECT_EQ(LoadGrayOfImage((dir + "missing.bmp").c_str(), &plane), 0);
    ASSERT_EQ(LoadGrayOfImage((dir + "rgb.bmp").c_str(), &plane), 1);
    EXPECT_EQ(plane.GetLine(1)[1], 4);
}

TEST(TextureMaps, MultiplyWorksAtTheLargerSize) {
    MONO_BMPDAT a, b, product;
    a.Create(4, 4);
    b.Create(2, 8);
    for (int y = 0; y < 4; y++)
        memset(a.GetLine(y), 255, 4);
    for (int y = 0; y < 8; y++)
        memset(b.GetLine(y), y < 4 ? 255 : 51, 2);
    product.Multiply(a, b);
    ASSERT_EQ(product.GetWidth(), 4);
    ASSERT_EQ(product.GetHeight(), 8);
    EXPECT_EQ(product.GetLine(0)[3], 255);
    EXPECT_EQ(product.GetLine(7)[0], 51);
    MONO_BMPDAT empty;
    empty.Create(0, 5);
    EXPECT_FALSE(empty.IsValid());
}

// A map must never be written under a cut name (it would land somewhere else); a map that
// was not written is reported with the file it was meant for.
TEST(TextureMaps, UnwritableMapGivesNoPath) {
    OpenDoc(kEmptyDoc);
    std::string dir = FreshFolder("unwritable");
    WriteBmp(dir + "h.bmp", 1, 1, 24, Grey({9}));
    char out[1024];
    std::string longDir = dir + std::string(1000, 'd') + "\\";
    EXPECT_EQ(ConvertBumpToNormal(longDir.c_str(), (dir + "h.bmp").c_str(), out, 0), MAP_UNWRITTEN);
    EXPECT_STREQ(out, "");
    std::string missingDir = dir + "no such folder\\";
    EXPECT_EQ(ConvertBumpToNormal(missingDir.c_str(), (dir + "h.bmp").c_str(), out, 0), MAP_UNWRITTEN);
    EXPECT_EQ(out, missingDir + "__pyldlgHX__mtl0__norm.bmp");
    EXPECT_EQ(MakeTransparencyMap(missingDir.c_str(), (dir + "h.bmp").c_str(), out, 0, nullptr),
              MAP_UNWRITTEN);
    EXPECT_EQ(out, missingDir + "__pyldlgHX__mtl0__alpha.bmp");
}

// Host images this code cannot read count as failed loads instead of being read past their end.
BITMAPINFO* g_fakeHeader;
BOOL __cdecl FakeLoadImage(const char*, BITMAPINFO** header, void** bits, int) {
    *header = (BITMAPINFO*)LocalAlloc(LPTR, sizeof(BITMAPINFO) + 16);
    memcpy(*header, g_fakeHeader, sizeof(BITMAPINFOHEADER));
    *bits = LocalAlloc(LPTR, 16);
    return TRUE;
}

TEST(TextureMaps, EmptyOrUnsupportedHostImagesFailToLoad) {
    OpenDoc(kEmptyDoc);
    hxfn::HX_LoadImage_t saved = hxfn::HX_LoadImage;
    hxfn::HX_LoadImage = FakeLoadImage;
    BITMAPINFO info = {};
    g_fakeHeader = &info;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    HX_BMPDAT image;
    info.bmiHeader.biWidth = 0;
    info.bmiHeader.biHeight = 4;
    EXPECT_EQ(image.Load("zero.bmp"), 0);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 0;
    EXPECT_EQ(image.Load("zero.bmp"), 0);
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biCompression = BI_RLE8;
    EXPECT_EQ(image.Load("rle.bmp"), 0);
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biBitCount = 15;
    EXPECT_EQ(image.Load("odd.bmp"), 0);
    EXPECT_EQ(image.GetImage(), nullptr);
    info.bmiHeader.biBitCount = 32;
    EXPECT_EQ(image.Load("ok.bmp"), 1);
    EXPECT_EQ(image.Is32Bit(), 1);
    hxfn::HX_LoadImage = saved;
}

} // namespace
