#include "base/fvec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Vectors, NormalizeFallsBackToTheLastAxis) {
    EXPECT_EQ(FVEC3(0, 0, 0).Normalize(), FVEC3(0, 0, 1));
    EXPECT_EQ(FVEC3(0, 0.00009f, 0).Normalize(), FVEC3(0, 0, 1));
    EXPECT_EQ(FVEC3(0, 0.0002f, 0).Normalize(), FVEC3(0, 1, 0));
    EXPECT_EQ(FVEC2(0, 0).Normalize(), FVEC2(0, 1));
    EXPECT_EQ(FVEC4(0, 0, 0, 0).Normalize(), FVEC4(0, 0, 0, 1));
    EXPECT_EQ(FVEC3(NAN, 1, 0).Normalize(), FVEC3(0, 0, 1));

    FVEC3 source(0, 0, 2), n;
    n.Normalize(source);
    EXPECT_EQ(n, FVEC3(0, 0, 1));
    EXPECT_EQ(source, FVEC3(0, 0, 2));
}

TEST(Vectors, FaceNormal) {
    FVEC3 n;
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, 1));
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(1, 1, 1), FVEC3(2, 2, 2)), FVEC3(0, 0, 1));
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(0, 1, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, -1));
}

TEST(Vectors, DivisionIsTruePerComponent) {
    FVEC3 v(1, 2, 7);
    // 7 / 3 and 7 * (1 / 3) differ in the last bit in single precision.
    ASSERT_NE(7.0f / 3.0f, 7.0f * (1.0f / 3.0f));
    EXPECT_EQ((v / 3.0f).z, 7.0f / 3.0f);
    EXPECT_EQ(v.Divide(3.0f), v / 3.0f);
}

TEST(Vectors, ClampWithCrossedBoundsGivesHiAndAngleIsSigned) {
    EXPECT_EQ(FVEC2(5, -5).Clamp(FVEC2(1, 1), FVEC2(0, 0)), FVEC2(0, 0));
    const float halfPi = 1.5707964f;
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Angle(FVEC2(0, 1)), -halfPi);
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Angle(FVEC2(0, -1)), halfPi);
}

} // namespace
