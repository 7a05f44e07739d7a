#include "base/rgbcolor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

RGBCOLOR FromFloat(float f) {
    return RGBCOLOR(FVEC4(f, f, f, f));
}

TEST(Color, FloatToByteTruncatesAndClamps) {
    EXPECT_EQ(FromFloat(0.5f), RGBCOLOR(127, 127, 127, 127));
    EXPECT_EQ(FromFloat(std::nextafter(1.0f, 0.0f)), RGBCOLOR(254, 254, 254, 254));
    EXPECT_EQ(FromFloat(std::nextafter(1.0f, 2.0f)), RGBCOLOR(255, 255, 255, 255));
    EXPECT_EQ(RGBCOLOR(FVEC3(1.0f, 0.5f, -0.2f)), RGBCOLOR(255, 127, 0, 255));
    EXPECT_EQ(RGBCOLOR(300, -5, 128, 0), RGBCOLOR(255, 0, 128, 0));
}

TEST(Color, FloatToByteSaturatesHugeAndNotANumber) {
    RGBCOLOR c;
    c.SetFVec4(FVEC4(1e10f, -1e10f, NAN, 2));
    EXPECT_EQ(c, RGBCOLOR(255, 0, 0, 255));
    c.SetFloats(INFINITY, -INFINITY, -NAN);
    EXPECT_EQ(c, RGBCOLOR(255, 0, 0, 255));
    EXPECT_EQ(RGBCOLOR(100, 100, 100, 100) * 1e30f, RGBCOLOR(255, 255, 255, 255));
    EXPECT_EQ(RGBCOLOR(100, 100, 100, 100) * NAN, RGBCOLOR(0, 0, 0, 0));
    EXPECT_EQ(RGBCOLOR().Lerp(RGBCOLOR(10, 10, 10, 10), RGBCOLOR(20, 20, 20, 20), -1e30f),
              RGBCOLOR(0, 0, 0, 0));
}

TEST(Color, ByteToFloatRoundTripIsLossless) {
    for (int v = 0; v < 256; v++) {
        RGBCOLOR c(v, 255 - v, v, v);
        EXPECT_EQ(RGBCOLOR(c.GetFVec4()), c) << v;
    }
}

TEST(Color, SaturatingArithmetic) {
    EXPECT_EQ(RGBCOLOR(10, 20, 30, 40) - RGBCOLOR(20, 10, 30, 50), RGBCOLOR(0, 10, 0, 0));
    EXPECT_EQ(RGBCOLOR(200, 0, 0, 255) + RGBCOLOR(100, 0, 0, 255), RGBCOLOR(255, 0, 0, 255));
    RGBCOLOR white(255, 255, 255, 255);
    EXPECT_EQ(white * white, white);
    EXPECT_EQ(RGBCOLOR(200, 200, 200, 200) * RGBCOLOR(64, 64, 64, 64), RGBCOLOR(100, 100, 100, 100));
    EXPECT_EQ(RGBCOLOR(100, 100, 100, 100) * 2.6f, white);
    EXPECT_EQ(RGBCOLOR(255, 0, 1, 254).GetHalf(), RGBCOLOR(128, 0, 1, 127));
}

} // namespace
