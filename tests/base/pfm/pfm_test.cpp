#include <gtest/gtest.h>

#include "pfmbuild.h"

namespace {

Bytes Hex(std::initializer_list<int> v) {
    return Bytes(v.begin(), v.end());
}

} // namespace

TEST(PfmWrite, ExactBytes) {
    PFMDATA rgb;
    rgb.SetSize(1, 1);
    ASSERT_TRUE(rgb.Alloc());
    rgb.SetPixel(0, 0, FVEC3(1, 2, 3));
    ASSERT_TRUE(SavePfm("rgb.pfm", &rgb));
    EXPECT_EQ(Hex({0x50, 0x46, 0x0a, 0x31, 0x20, 0x31, 0x0a, 0x2d, 0x31, 0x2e, 0x30, 0x30, 0x30, 0x30, 0x30,
                   0x30, 0x0a, 0x00, 0x00, 0x80, 0x3f, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x40, 0x40}),
              LoadBytes("rgb.pfm"));

    // A positive scale is written negative, since the data always goes out little-endian; rows
    // go bottom row first.
    PFMDATA gray;
    gray.SetGray(1);
    gray.SetSize(1, 2);
    gray.SetScale(2.5f);
    ASSERT_TRUE(gray.Alloc());
    gray.SetPixel(0, 0, FVEC3(1, 9, 9)); // top
    gray.SetPixel(0, 1, FVEC3(2, 9, 9)); // bottom
    ASSERT_TRUE(SavePfm("gray.pfm", &gray));
    EXPECT_EQ(BuildPfm("Pf\n1 2\n-2.500000\n", {2, 1}), LoadBytes("gray.pfm"));
}

TEST(PfmWrite, RefusesWhatItCannotWriteWhole) {
    PFMDATA img;
    img.SetSize(2, 2);
    EXPECT_FALSE(SavePfm("nodata.pfm", &img)) << "no data";
    ASSERT_TRUE(img.Alloc());
    img.SetSize(3, 2); // the data no longer covers the size
    EXPECT_FALSE(SavePfm("short.pfm", &img));
    img.SetSize(2, 2);
    EXPECT_FALSE(SavePfm(nullptr, &img));
    EXPECT_FALSE(SavePfm("x.pfm", nullptr));
    EXPECT_FALSE(SavePfm("no\\such\\folder\\x.pfm", &img));
    EXPECT_TRUE(SavePfm("fine.pfm", &img));
}

TEST(PfmRead, PixelsCountRowsFromTheTop) {
    PFMDATA gray;
    Bytes file = BuildPfm("Pf\n2 1\n-1.0\n", {1, 2});
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &gray));
    EXPECT_EQ(FVEC3(2, 2, 2), gray.GetPixel(1, 0));
    EXPECT_EQ(1, gray.IsGray());

    PFMDATA rgb;
    file = BuildPfm("PF\n1 2\n-1.0\n", {1, 0, 0, 0, 1, 0});
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &rgb));
    EXPECT_EQ(FVEC3(0, 1, 0), rgb.GetPixel(0, 0));
    EXPECT_EQ(FVEC3(1, 0, 0), rgb.GetPixel(0, 1));
    for (auto [x, y] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}})
        EXPECT_EQ(FVEC3(0, 0, 0), rgb.GetPixel(x, y)) << x << "," << y;
    rgb.SetPixel(0, 2, FVEC3(7, 7, 7)); // outside: nothing happens
    EXPECT_EQ(FVEC3(1, 0, 0), rgb.GetPixel(0, 1));
}

TEST(PfmRead, BothByteOrders) {
    const std::vector<float> floats = {1.5f, -2.0f, 3.25e-3f, 1e20f, 0.0f, -0.0f};
    for (const char* scale : {"-1.0", "1.0", "+2", "  7.5e1"}) {
        bool big = scale[0] != '-';
        PFMDATA img;
        Bytes file = BuildPfm(std::string("PF\n2 1\n") + scale + "\n", floats, big);
        ASSERT_TRUE(LoadPfm(file.data(), file.size(), &img)) << scale;
        EXPECT_EQ(big, img.GetScale() > 0) << scale;
        EXPECT_EQ(0, memcmp(floats.data(), img.GetData(), floats.size() * 4)) << scale;
    }
}

TEST(PfmRead, ScaleWithoutANumberIsMinusOne) {
    for (const char* scale : {"0", "0.0", "-0", "", "abc", "nan", "  "}) {
        PFMDATA img;
        img.SetScale(5);
        Bytes file = BuildPfm(std::string("Pf\n1 1\n") + scale + "\n", {3});
        ASSERT_TRUE(LoadPfm(file.data(), file.size(), &img)) << scale;
        EXPECT_EQ(-1.0f, img.GetScale()) << scale;
        EXPECT_EQ(3.0f, img.GetPixel(0, 0).x) << scale;
    }
    // A scale too small or too large for a float keeps its sign, which is the byte order.
    PFMDATA img;
    Bytes file = BuildPfm("Pf\n1 1\n1e-60\n", {3}, true);
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &img));
    EXPECT_GT(img.GetScale(), 0);
    EXPECT_EQ(3.0f, img.GetPixel(0, 0).x);
    file = BuildPfm("Pf\n1 1\n-1e60\n", {3});
    ASSERT_TRUE(LoadPfm(file.data(), file.size(), &img));
    EXPECT_LT(img.GetScale(), 0);
}

TEST(PfmRead, RoundTripsThroughFilesAndMemory) {
    for (int gray : {0, 1}) {
        PFMDATA img;
        img.SetGray(gray);
        img.SetSize(5, 3);
        img.SetScale(0.25f);
        ASSERT_TRUE(img.Alloc());
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 5; x++)
                img.SetPixel(x, y, FVEC3(x + 10.0f * y, -x * 0.5f, y * 1e-3f));
        ASSERT_TRUE(SavePfm("trip.pfm", &img));

        PFMDATA fromFile, fromMemory, header;
        ASSERT_TRUE(LoadPfm("trip.pfm", &fromFile));
        Bytes bytes = LoadBytes("trip.pfm");
        ASSERT_TRUE(LoadPfm(bytes.data(), bytes.size(), &fromMemory));
        for (PFMDATA* back : {&fromFile, &fromMemory}) {
            EXPECT_EQ(gray, back->IsGray());
            EXPECT_EQ(-0.25f, back->GetScale());
            ASSERT_EQ(img.GetDataSize(), back->GetDataSize());
            EXPECT_EQ(0, memcmp(img.GetData(), back->GetData(), img.GetDataSize()));
        }

        // The header alone: sizes and scale, and no data that would belong to another size.
        ASSERT_TRUE(LoadPfm("trip.pfm", &header));
        header.SetSize(1, 1);
        ASSERT_TRUE(LoadPfmHeader("trip.pfm", &header));
        int w, h;
        header.GetSize(&w, &h);
        EXPECT_EQ(5, w);
        EXPECT_EQ(3, h);
        EXPECT_EQ(gray, header.IsGray());
        EXPECT_NE(nullptr, header.GetData());
    }
    PFMDATA img;
    EXPECT_FALSE(LoadPfm("missing.pfm", &img));
    EXPECT_FALSE(LoadPfm(static_cast<const char*>(nullptr), &img));
    EXPECT_FALSE(LoadPfm("trip.pfm", nullptr));
    EXPECT_FALSE(LoadPfm(static_cast<const void*>(nullptr), 10, &img));
}

TEST(PfmData, PixelsStayInsideTheData) {
    PFMDATA img;
    img.SetSize(3, 2);
    img.SetGray(1);
    EXPECT_EQ(FVEC3(0, 0, 0), img.GetPixel(0, 0)) << "no data";
    img.SetPixel(0, 0, FVEC3(1, 1, 1)); // no data: nothing happens
    ASSERT_TRUE(img.Alloc());
    img.SetPixel(2, 0, FVEC3(4, 5, 6));
    EXPECT_EQ(FVEC3(4, 4, 4), img.GetPixel(2, 0));

    // Sizes changed after allocation never reach past the data.
    img.SetSize(3, 100);
    img.SetGray(0);
    img.SetPixel(2, 0, FVEC3(1, 1, 1));
    EXPECT_EQ(FVEC3(0, 0, 0), img.GetPixel(2, 0));

    for (auto [w, h] : {std::pair{0, 5}, {-3, 5}, {65536, 65536}, {0x7fffffff, 2}}) {
        img.SetSize(w, h);
        EXPECT_EQ(0, img.GetDataSize()) << w << "x" << h;
        EXPECT_FALSE(img.Alloc());
    }
}
