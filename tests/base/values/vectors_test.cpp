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
    EXPECT_EQ(FVEC3(3, 0, 4).Normalize(), FVEC3(0.6f, 0, 0.8f));

    FVEC3 source(0, 0, 2), n;
    n.Normalize(source);
    EXPECT_EQ(n, FVEC3(0, 0, 1));
    EXPECT_EQ(source, FVEC3(0, 0, 2));
}

TEST(Vectors, NormalizeMultipliesByOneReciprocal) {
    FVEC3 v(1, 2, 3);
    float k = 1.0f / std::sqrt(14.0f);
    FVEC3 expected(1 * k, 2 * k, 3 * k);
    EXPECT_EQ(v.Normalize(), expected);
}

TEST(Vectors, FaceNormal) {
    FVEC3 n;
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, 1));
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(1, 1, 1), FVEC3(2, 2, 2)), FVEC3(0, 0, 1));
    EXPECT_EQ(n.SetFaceNormal(FVEC3(0, 0, 0), FVEC3(0, 1, 0), FVEC3(1, 1, 0)), FVEC3(0, 0, -1));
}

TEST(Vectors, WideningFillsWithZero) {
    EXPECT_EQ(FVEC4(FVEC3(1, 2, 3)), FVEC4(1, 2, 3, 0));
    EXPECT_EQ(FVEC4(FVEC2(1, 2)), FVEC4(1, 2, 0, 0));
    EXPECT_EQ(FVEC3(FVEC2(1, 2)), FVEC3(1, 2, 0));
    EXPECT_EQ(FVEC4::Zero, FVEC4(0, 0, 0, 0));
}

TEST(Vectors, Arithmetic) {
    FVEC3 a(1, 2, 3), b(4, 5, 6);
    EXPECT_EQ(a + b, FVEC3(5, 7, 9));
    EXPECT_EQ(b - a, FVEC3(3, 3, 3));
    EXPECT_EQ(a * b, FVEC3(4, 10, 18));
    EXPECT_EQ(b / a, FVEC3(4, 2.5f, 2));
    EXPECT_EQ(-a, FVEC3(-1, -2, -3));
    EXPECT_FLOAT_EQ(a.Dot(b), 32);
    EXPECT_EQ(FVEC3(1, 0, 0).Cross(FVEC3(0, 1, 0)), FVEC3(0, 0, 1));
    EXPECT_FLOAT_EQ(FVEC3(3, 4, 0).Length(), 5);
    EXPECT_FLOAT_EQ(a.Distance(FVEC3(1, 5, 7)), 5);

    FVEC3 c = a;
    EXPECT_EQ(&(c += b), &c);
    EXPECT_EQ(c, FVEC3(5, 7, 9));
    (c -= b) *= 2;
    EXPECT_EQ(c, FVEC3(2, 4, 6));
    c /= 4;
    EXPECT_EQ(c, FVEC3(0.5f, 1, 1.5f));
    EXPECT_EQ(FVEC3().Lerp(a, b, 0.5f), FVEC3(2.5f, 3.5f, 4.5f));
    EXPECT_EQ(FVEC3().Min(a, FVEC3(0, 9, 3)), FVEC3(0, 2, 3));
    EXPECT_EQ(FVEC3().Max(a, FVEC3(0, 9, 3)), FVEC3(1, 9, 3));
}

TEST(Vectors, DivisionIsTruePerComponent) {
    FVEC3 v(1, 2, 7);
    // 7 / 3 and 7 * (1 / 3) differ in the last bit in single precision.
    ASSERT_NE(7.0f / 3.0f, 7.0f * (1.0f / 3.0f));
    EXPECT_EQ((v / 3.0f).z, 7.0f / 3.0f);
    EXPECT_EQ(v.Divide(3.0f), v / 3.0f);
}

TEST(Vectors, ClampWithCrossedBoundsGivesHi) {
    FVEC2 v(5, -5);
    EXPECT_EQ(v.Clamp(FVEC2(1, 1), FVEC2(0, 0)), FVEC2(0, 0));
    FVEC3 w(-1, 0.5f, 3);
    EXPECT_EQ(w.Clamp(FVEC3(0, 0, 0), FVEC3(1, 1, 1)), FVEC3(0, 0.5f, 1));
}

TEST(Vectors, AngleIsSigned) {
    const float halfPi = 1.5707964f;
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Angle(FVEC2(0, 1)), -halfPi);
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Angle(FVEC2(0, -1)), halfPi);
    EXPECT_FLOAT_EQ(FVEC2(1, 0).Cross(FVEC2(0, 1)), 1);
}

TEST(Vectors, EqualityHasNoTolerance) {
    FVEC2 sum = FVEC2(0.1f, 0.2f) + FVEC2(0.2f, 0.1f);
    EXPECT_EQ(sum == FVEC2(0.3f, 0.3f), 0.1f + 0.2f == 0.3f);
    EXPECT_NE(FVEC4(1, 2, 3, 4), FVEC4(1, 2, 3, 4.0000005f));
    EXPECT_FALSE(FVEC3(NAN, 0, 0) == FVEC3(NAN, 0, 0));
}

} // namespace
