#include "base/fmatrix.h"
#include "base/fquat.h"

#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Quaternion, NormalizeAndAxisAngleFallbacks) {
    EXPECT_EQ(FQUAT(0, 0, 0.01f, 0).Normalize(),
              FQUAT::GetIdentity()); // the threshold is on the squared norm
    EXPECT_EQ(FQUAT(0, 0, 0.02f, 0).Normalize(), FQUAT(0, 0, 1, 0));
    EXPECT_EQ(FQUAT(NAN, 0, 0, 1).Normalize(), FQUAT(0, 0, 0, 1));
    EXPECT_EQ(FQUAT::GetIdentity().GetAxisAngle(), FVEC4(0, 0, 0, 0));
    EXPECT_NEAR(FQUAT().SetAxisAngle(FVEC3(0, -1, 0), 2.5f).GetAxisAngle().y * 2.5f, -2.5f, 1e-5f);
    EXPECT_EQ(FQUAT().SetAxisAngle(FVEC3(0, 0, 0), 1.0f), FQUAT(0, 0, std::sin(0.5f), std::cos(0.5f))); // z
}

TEST(Quaternion, ProductAndMatrixTurnTheSameWay) {
    FQUAT a = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), pi / 2), b = FQUAT().SetAxisAngle(FVEC3(1, 0, 0), pi / 2);
    FVEC3 p(1, 0, 0);
    ExpectNear((a * b).Rotate(p), FVEC3(0, 0, 1)); // a first, then b
    ExpectNear(FMATRIX().SetQuat(a * b), FMATRIX().SetQuat(a) * FMATRIX().SetQuat(b), 1e-6f);
    ExpectNear(FMATRIX().SetQuat(a).TransformPoint(p), a.Rotate(p));
    // Euler angles read the transposed matrix.
    FQUAT x = FQUAT().SetAxisAngle(FVEC3(1, 0, 0), 0.5f);
    ExpectNear(x.GetEulerAngles(0), FVEC3(0.5f, 0, 0));
    ExpectNear((x * 3).GetEulerAngles(0), FVEC3(0.5f, 0, 0));
    ExpectNear(FMATRIX().SetQuat(x).GetEulerAngles(0), FVEC3(-0.5f, 0, 0));
    // Every branch of the matrix's trace test: turns near pi about each axis and general turns.
    for (const FVEC4& turn : {FVEC4(1, 0, 0, 3.0f), FVEC4(0, 1, 0, 3.0f), FVEC4(0, 0, 1, 3.0f),
                              FVEC4(0.36f, 0.48f, 0.8f, 2.0f), FVEC4(0.36f, -0.48f, 0.8f, -2.9f)}) {
        FQUAT q = FQUAT().SetAxisAngle(turn);
        EXPECT_NEAR(std::fabs(FMATRIX().SetQuat(q).GetQuat().Dot(q)), 1, 1e-6f) << turn.w;
    }
}

TEST(Quaternion, SlerpTakesTheShorterArcAndSurvivesOppositeEnds) {
    FQUAT a = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.2f), b = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 1.4f);
    FQUAT half = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.8f);
    for (const FQUAT& end : {b, -b}) { // -b stands for the same turn
        FQUAT s = FQUAT().Slerp(a, end, 0.5f);
        ExpectNear(s.GetFVec3(), half.GetFVec3(), 1e-6f);
        EXPECT_NEAR(s.w, half.w, 1e-6f);
    }
    for (float t : {0.0f, 0.3f, 1.0f})
        EXPECT_EQ(FQUAT().Slerp(a, -a, t), a * (1 - t) + a * t);
    EXPECT_EQ(FQUAT().SlerpNoFlip(a, -a, 0.5f), FQUAT(0, 0, 0, 0));
}

} // namespace
