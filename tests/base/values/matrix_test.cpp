#include "base/fmatrix.h"

#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

FMATRIX Rows(FVEC4 r0, FVEC4 r1, FVEC4 r2, FVEC4 r3) {
    return FMATRIX(r0, r1, r2, r3);
}

TEST(Matrix, InverseOfAffineMatricesIsExact) {
    FMATRIX m = Rows(FVEC4(0, 2, 0, 0), FVEC4(-2, 0, 0, 0), FVEC4(0, 0, 2, 0), FVEC4(1, 2, 3, 1));
    FMATRIX expected =
        Rows(FVEC4(0, -0.5f, 0, 0), FVEC4(0.5f, 0, 0, 0), FVEC4(0, 0, 0.5f, 0), FVEC4(-1, 0.5f, -1.5f, 1));
    EXPECT_EQ(m.GetInverse(), expected);
    EXPECT_EQ(m * m.GetInverse(), FMATRIX::GetIdentity());

    FMATRIX t;
    t.SetTranslationMatrix(FVEC3(1, 2, 3));
    EXPECT_EQ(t.GetInverse(), FMATRIX().SetTranslationMatrix(FVEC3(-1, -2, -3)));
    EXPECT_EQ(FMATRIX().SetScale(2).GetInverse(), FMATRIX().SetScale(0.5f));
}

TEST(Matrix, SingularInputComesBackUnchanged) {
    FMATRIX m = Rows(FVEC4(1, 2, 3, 0), FVEC4(4, 5, 6, 0), FVEC4(1, 2, 3, 0), FVEC4(7, 8, 9, 1));
    EXPECT_EQ(m.GetInverse(), m);
    EXPECT_EQ(FMATRIX::GetZero().GetInverse(), FMATRIX::GetZero());
}

TEST(Matrix, PointsTakeTranslationVectorsDoNot) {
    FMATRIX m = FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(10, 20, 30));
    EXPECT_EQ(m.TransformPoint(FVEC3(1, 1, 1)), FVEC3(12, 23, 34));
    EXPECT_EQ(m.TransformVector(FVEC3(1, 1, 1)), FVEC3(2, 3, 4));
    EXPECT_EQ(m.TransformNormal(FVEC3(0, 0, 1)), FVEC3(0, 0, 1));
    EXPECT_EQ(m.TransformNormal(FVEC3(0, 0, 0)), FVEC3(0, 0, 1));

    // A projective column 3 is ignored by TransformPoint but not by the four-component forms.
    m.m3 = 1;
    m.m15 = 2;
    EXPECT_EQ(m.TransformPoint(FVEC3(1, 1, 1)), FVEC3(12, 23, 34));
    EXPECT_EQ(m.TransformPoint4(FVEC3(1, 1, 1)), FVEC4(12, 23, 34, 3));
    EXPECT_EQ(FVEC4(1, 1, 1, 1) * m, m.Transform(FVEC4(1, 1, 1, 1)));
    float w = 0;
    EXPECT_EQ(m.TransformProjective(FVEC3(2, 0, 0), w), FVEC3(14 / 4.0f, 20 / 4.0f, 30 / 4.0f));
    EXPECT_EQ(w, 4);
}

TEST(Matrix, ProductAppliesTheLeftMatrixFirst) {
    FMATRIX scale = FMATRIX().SetScale(2), move = FMATRIX().SetTranslationMatrix(FVEC3(1, 0, 0));
    EXPECT_EQ((scale * move).TransformPoint(FVEC3(1, 0, 0)), FVEC3(3, 0, 0));
    EXPECT_EQ((move * scale).TransformPoint(FVEC3(1, 0, 0)), FVEC3(4, 0, 0));
    EXPECT_EQ(FMATRIX().SetScale(2).Translate(FVEC3(1, 0, 0)).GetTranslation(), FVEC3(2, 0, 0));
}

TEST(Matrix, DeterminantIndexOrderAndZeroColumn) {
    // Column indices come first, then row indices.
    FMATRIX d(1, 2, 0, 0, 0, 1, 0, 3, 4, 0, 1, 0, 0, 0, 5, 1);
    EXPECT_EQ(FMATRIX::Det3(d, 0, 1, 2, 0, 1, 3), 5);
    EXPECT_EQ(FMATRIX::Det3(d, 0, 1, 3, 0, 1, 2), 24);
    // A zero column takes the vector fallback.
    EXPECT_EQ(FMATRIX().SetScale(FVEC3(2, 0, 1)).GetNormalizedRotation(),
              FMATRIX(1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1));
}

TEST(Matrix, RotationDirections) {
    ExpectNear(FMATRIX().SetRotationAxis(FVEC3(0, 0, 1), pi / 2).TransformPoint(FVEC3(1, 0, 0)),
               FVEC3(0, 1, 0));
    ExpectNear(FMATRIX().SetRotationZ(pi / 2).TransformPoint(FVEC3(1, 0, 0)), FVEC3(0, -1, 0));
    ExpectNear(FMATRIX().SetRotationX(pi / 2).TransformPoint(FVEC3(0, 1, 0)), FVEC3(0, 0, -1));
    ExpectNear(FMATRIX().SetRotationY(pi / 2).TransformPoint(FVEC3(0, 0, 1)), FVEC3(-1, 0, 0));

    // RotateX(a) turns the other way to the axis form about x.
    FMATRIX byAxis = FMATRIX().SetRotationAxis(FVEC3(1, 0, 0), -0.7f);
    FMATRIX byX = FMATRIX().SetRotationX(0.7f);
    ExpectNear(byX, byAxis, 1e-6f);

    // RotateXYZ turns a point about z first, then x, then y.
    FVEC3 a(0.3f, -0.4f, 1.1f);
    FMATRIX stepwise =
        FMATRIX().SetRotationZ(a.z) * FMATRIX().SetRotationX(a.x) * FMATRIX().SetRotationY(a.y);
    FMATRIX xyz = FMATRIX().SetRotationXYZ(a);
    ExpectNear(xyz, stepwise, 1e-6f);
}

TEST(Matrix, WrapAngleEndsForAnyInput) {
    EXPECT_EQ(FMATRIX::WrapAngle(pi), -pi);
    EXPECT_EQ(FMATRIX::WrapAngle(7.0f), 7.0f - 6.2831855f);
    // Stepping results stay bit for bit below the reduction limit.
    float a = 4000.0f, stepped = a;
    while (stepped >= pi)
        stepped -= 6.2831855f;
    EXPECT_EQ(FMATRIX::WrapAngle(a), stepped);

    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(NAN)));
    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(-INFINITY)));
    for (float huge : {1e30f, -1e30f, 3e38f, 1e8f, -5000.5f}) {
        float w = FMATRIX::WrapAngle(huge);
        EXPECT_GE(w, -pi) << huge;
        EXPECT_LT(w, pi) << huge;
    }
    EXPECT_NEAR(FMATRIX::WrapAngle(1e6f), std::remainder(1e6, 6.2831855f), 1e-3);
}

TEST(Matrix, RotationBetweenOppositeVectorsMapsFromOntoTo) {
    const FVEC3 directions[] = {FVEC3(0, 0, 1),
                                FVEC3(0, 0, -1),
                                FVEC3(0, 1, 0),
                                FVEC3(0.6f, 0, 0.8f),
                                FVEC3(1, 1, 1).Normalize(),
                                FVEC3(-0.48f, 0.6f, 0.64f)};
    for (const FVEC3& from : directions) {
        FMATRIX m = FMATRIX().SetRotationBetween(from, -from);
        // Not exactly unit vectors: the turn is off pi by the arccosine's error.
        ExpectNear(m.TransformVector(from), -from, 1e-3f);
        // Still a rotation: lengths are kept.
        EXPECT_NEAR(m.TransformVector(FVEC3(1, 2, 3)).Length(), FVEC3(1, 2, 3).Length(), 1e-5f);
    }
}

} // namespace
