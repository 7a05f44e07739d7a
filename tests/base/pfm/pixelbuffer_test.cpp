#include <gtest/gtest.h>

#include "base/pixelbuffer.h"

TEST(PixelBuffer, PlanesAnswerOnlyWhereTheyExist) {
    // Only bit zero of each flag value counts: 2 asks for no colour plane.
    PIXELBUFFER depthOnly(3, 2, PIXELFLAGS(2, 3, 0, 0));
    depthOnly.SetColor(1, 1, RGBCOLOR(1, 2, 3, 4));
    EXPECT_EQ(RGBCOLOR(0, 0, 0, 0), depthOnly.GetColor(1, 1));
    EXPECT_EQ(0xFFFFFFFFu, depthOnly.GetId(1, 1));
    depthOnly.SetDepth(2, 1, 0.75f);
    EXPECT_EQ(0.75f, depthOnly.GetDepth(2, 1));

    PIXELBUFFER all(3, 2);
    all.SetDepth(2, 0, 9.0f);
    EXPECT_EQ(9.0f, all.GetDepth(2, 0)) << "element y * width + x";
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        all.SetId(x, y, 7);
        all.SetDepth(x, y, 7);
        EXPECT_EQ(0xFFFFFFFFu, all.GetId(x, y));
        EXPECT_EQ(0.0f, all.GetDepth(x, y));
        EXPECT_EQ(FVEC3(0, 0, 0), all.GetNormal(x, y));
        EXPECT_FALSE(all.InBounds(x, y));
    }
    PIXELBUFFER empty;
    EXPECT_EQ(0xFFFFFFFFu, empty.GetId(0, 0));
}

TEST(PixelBuffer, CreateRefusesSizesItCannotHold) {
    PIXELBUFFER buf(2, 2, PIXELFLAGS(0, 0, 0, 1));
    buf.SetId(1, 1, 5);
    PIXELFLAGS all;
    all.SetAll();
    for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-1, 4}, {0x7fffffff, 0x7fffffff}, {65536, 65536}}) {
        EXPECT_FALSE(buf.Create(w, h, all)) << w << "x" << h;
        EXPECT_EQ(2, buf.GetWidth());
        EXPECT_EQ(5u, buf.GetId(1, 1)) << "unchanged after a refusal";
    }
    ASSERT_TRUE(buf.Create(4, 1, PIXELFLAGS(1, 0, 0, 0)));
    EXPECT_EQ(0xFFFFFFFFu, buf.GetId(1, 0)) << "the old plane is gone";
    buf.SetColor(3, 0, RGBCOLOR(9, 9, 9, 9));
    EXPECT_EQ(RGBCOLOR(9, 9, 9, 9), buf.GetColor(3, 0));
}
