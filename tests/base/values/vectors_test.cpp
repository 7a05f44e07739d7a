#include "base/fmatrix.h"
#include "base/fquat.h"
#include "base/fvec.h"
#include "base/rgbcolor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

// Equality reads every byte of a value: a copy with any one bit changed compares unequal.
template <class... V> void ExpectEqualityReadsEveryByte(const V&... values) {
    auto each = [](auto v) {
        for (size_t i = 0; i < sizeof v; i++) {
            auto w = v;
            reinterpret_cast<unsigned char*>(&w)[i] ^= 1;
            EXPECT_EQ(std::pair(false, true), std::pair(w == v, w != v))
                << sizeof v << "-byte value, byte " << i;
        }
    };
    (each(values), ...);
}

// Each element in its own place: a matrix built from rows holds them row by row, its columns are the
// rows of its transpose, vectors add component by component, and equality reads every element.
TEST(Values, EveryElementCountsInItsPlaceNormalsAndDivision) {
    const FMATRIX m(FVEC4(1, 2, 3, 4), FVEC4(5, 6, 7, 8), FVEC4(9, 10, 11, 12), FVEC4(13, 14, 15, 16));
    EXPECT_EQ(std::vector<float>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}),
              std::vector<float>(m.m, m.m + 16));
    EXPECT_EQ(std::tuple(m.GetTranspose(), FVEC2(11, 22), FVEC4(11, 22, 33, 44)),
              std::tuple(FMATRIX(m.GetColumn(0), m.GetColumn(1), m.GetColumn(2), m.GetColumn(3)),
                         FVEC2(1, 2) + FVEC2(10, 20), m.GetRow(0) + FVEC4(10, 20, 30, 40)));
    ExpectEqualityReadsEveryByte(FVEC2(1, 2), FVEC3(1, 2, 3), FVEC4(1, 2, 3, 4), FQUAT(1, 2, 3, 4),
                                 RGBCOLOR(1, 2, 3, 4), m);
    // Normalising, face normals and division.
    const FVEC3 rows[][2] = {
        {FVEC3(0, 0, 0), FVEC3(0, 0, 1)}, // too short: the last axis
        {FVEC3(0, 0.00009f, 0), FVEC3(0, 0, 1)},
        {FVEC3(0, 0.0002f, 0), FVEC3(0, 1, 0)},
        {FVEC3(NAN, 1, 0), FVEC3(0, 0, 1)},
        {FVEC3(1, 1, 1), FVEC3(0.57735026f, 0.57735026f, 0.57735026f)}, // times 1 / sqrtf(3)
        // Squares past the float range: still a direction, the same as the vector scaled down.
        {FVEC3(1e30f, 0, 0), FVEC3(1, 0, 0)},
        {FVEC3(1e30f, 1e30f, 1e30f), FVEC3(0.57735026f, 0.57735026f, 0.57735026f)},
        {FVEC3(-3e38f, 0, 0), FVEC3(-1, 0, 0)},
        {FVEC3(0, 0, 2e19f), FVEC3(0, 0, 1)},
        // Infinite components point the way; a not-a-number one still takes the last axis.
        {FVEC3(INFINITY, 0, -INFINITY), FVEC3(0.70710677f, 0, -0.70710677f)},
        {FVEC3(-INFINITY, 3e38f, 0), FVEC3(-1, 0, 0)},
        {FVEC3(INFINITY, NAN, 0), FVEC3(0, 0, 1)},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FVEC3(r[0]).Normalize(), r[1]) << r[0].x << "," << r[0].y << "," << r[0].z;
    EXPECT_EQ(std::tuple(FVEC2(0.70710677f, -0.70710677f), FVEC4(0, 0, 0, -1)),
              std::tuple(FVEC2(3e38f, -3e38f).Normalize(), FVEC4(0, 0, 0, -1e20f).Normalize()));

    // (p1 - p0) x (p2 - p1): the winding decides the sign.
    EXPECT_EQ(FVEC3().SetFaceNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, 1));
    EXPECT_EQ(FVEC3().SetFaceNormal(FVEC3(0, 0, 0), FVEC3(0, 1, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, -1));

    // 7 / 3 and 7 * (1 / 3) differ in the last bit in single precision.
    ASSERT_NE(7.0f / 3.0f, 7.0f * (1.0f / 3.0f));
    EXPECT_EQ((FVEC3(1, 2, 7) / 3.0f).z, 7.0f / 3.0f);
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Angle(FVEC2(0, 1)), -1.5707964f);
}

TEST(Color, FloatsBecomeBytesTruncatedAndArithmeticSaturates) {
    const struct {
        FVEC4 in;
        RGBCOLOR out;
    } rows[] = {
        {FVEC4(0.5f, std::nextafter(1.0f, 0.0f), std::nextafter(1.0f, 2.0f), -0.2f),
         RGBCOLOR(127, 254, 255, 0)},
        {FVEC4(1e10f, -1e10f, NAN, 2), RGBCOLOR(255, 0, 0, 255)},
        {FVEC4(INFINITY, -INFINITY, -NAN, 1), RGBCOLOR(255, 0, 0, 255)},
    };
    for (const auto& r : rows)
        EXPECT_EQ(RGBCOLOR(r.in), r.out) << r.in.x;
    EXPECT_EQ(RGBCOLOR(300, -5, 128, 0), RGBCOLOR(255, 0, 128, 0));
    for (int v = 0; v < 256; v++) {
        RGBCOLOR c(v, 255 - v, v, v);
        EXPECT_EQ(RGBCOLOR(c.GetFVec4()), c) << v; // lossless both ways
    }
    // Arithmetic saturates.
    const RGBCOLOR white(255, 255, 255, 255), grey(100, 100, 100, 100);
    EXPECT_EQ(RGBCOLOR(10, 20, 30, 40) - RGBCOLOR(20, 10, 30, 50), RGBCOLOR(0, 10, 0, 0));
    EXPECT_EQ(RGBCOLOR(200, 0, 0, 255) + RGBCOLOR(100, 0, 0, 255), RGBCOLOR(255, 0, 0, 255));
    EXPECT_EQ(white * white, white);
    EXPECT_EQ(RGBCOLOR(200, 200, 200, 200) * RGBCOLOR(64, 64, 64, 64), grey); // 128 stands for 1
    EXPECT_EQ(std::tuple(grey * 2.6f, grey * 1e30f), std::tuple(white, white));
    EXPECT_EQ(grey * NAN, RGBCOLOR(0, 0, 0, 0));
    EXPECT_EQ(RGBCOLOR().Lerp(RGBCOLOR(10, 10, 10, 10), RGBCOLOR(20, 20, 20, 20), -1e30f),
              RGBCOLOR(0, 0, 0, 0));
    EXPECT_EQ(RGBCOLOR(255, 0, 1, 254).GetHalf(), RGBCOLOR(128, 0, 1, 127));
}

} // namespace
