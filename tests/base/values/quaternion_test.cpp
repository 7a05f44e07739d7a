#include "base/fmatrix.h"
#include "base/fquat.h"

#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Quaternion, NormalizeThresholdIsOnTheSquaredNorm) {
    EXPECT_EQ(FQUAT(0, 0, 0.01f, 0).Normalize(), FQUAT::GetIdentity());
    EXPECT_EQ(FQUAT(0, 0, 0.02f, 0).Normalize(), FQUAT(0, 0, 1, 0));
    EXPECT_EQ(FQUAT(NAN, 0, 0, 1).Normalize(), FQUAT(0, 0, 0, 1));
}

TEST(Quaternion, ProductTurnsByTheLeftOperandFirst) {
    FQUAT a, b;
    a.SetAxisAngle(FVEC3(0, 0, 1), pi / 2);
    b.SetAxisAngle(FVEC3(1, 0, 0), pi / 2);
    FVEC3 p(1, 0, 0);
    ExpectNear((a * b).Rotate(p), b.Rotate(a.Rotate(p)));
    ExpectNear((a * b).Rotate(p), FVEC3(0, 0, 1));
    // The matrix of a * b is the matrix of a times that of b.
    FMATRIX product = FMATRIX().SetQuat(a) * FMATRIX().SetQuat(b);
    FMATRIX direct = FMATRIX().SetQuat(a * b);
    ExpectNear(direct, product, 1e-6f);
    ExpectNear(FMATRIX().SetQuat(a).TransformPoint(p), a.Rotate(p));
}

TEST(Quaternion, AxisAngleOfNoTurnAndOfAZeroAxis) {
    EXPECT_EQ(FQUAT::GetIdentity().GetAxisAngle(), FVEC4(0, 0, 0, 0));
    FVEC4 back = FQUAT().SetAxisAngle(FVEC3(0, 1, 0), 2.5f).GetAxisAngle();
    EXPECT_NEAR(back.y, 1, 1e-5f);
    EXPECT_NEAR(back.w, 2.5f, 1e-5f);
    // A zero axis falls back to z.
    FQUAT q;
    q.SetAxisAngle(FVEC3(0, 0, 0), 1.0f);
    EXPECT_EQ(q, FQUAT(0, 0, std::sin(0.5f), std::cos(0.5f)));
}

TEST(Quaternion, SlerpTakesTheShorterArcAndSurvivesOppositeEnds) {
    FQUAT a, b;
    a.SetAxisAngle(FVEC3(0, 0, 1), 0.2f);
    b.SetAxisAngle(FVEC3(0, 0, 1), 1.4f);
    ExpectNear(FQUAT().Slerp(a, b, 0.5f), FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.8f));
    // The shorter arc: -b stands for the same turn.
    ExpectNear(FQUAT().Slerp(a, -b, 0.5f), FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.8f));
    for (float t : {0.0f, 0.3f, 1.0f})
        EXPECT_EQ(FQUAT().Slerp(a, -a, t), a * (1 - t) + a * t);
    EXPECT_EQ(FQUAT().SlerpNoFlip(a, -a, 0.5f), FQUAT(0, 0, 0, 0));
}

TEST(Quaternion, RotationBetweenOppositeVectorsMapsFromOntoTo) {
    const FVEC3 directions[] = {FVEC3(0, 1, 0), FVEC3(0, -1, 0), FVEC3(0, 0, 1), FVEC3(0.6f, 0.8f, 0),
                                FVEC3(1, 1, 1)};
    for (const FVEC3& from : directions) {
        FQUAT q = FQUAT().SetRotationBetween(from, -from);
        EXPECT_NEAR(q.Length(), 1, 1e-6f);
        FVEC3 unit = FVEC3().Normalize(from);
        ExpectNear(q.Rotate(unit), -unit);
    }
}

TEST(Quaternion, EulerAnglesReadTheTransposedMatrix) {
    FQUAT q;
    q.SetAxisAngle(FVEC3(1, 0, 0), 0.5f);
    ExpectNear(q.GetEulerAngles(0), FVEC3(0.5f, 0, 0));
    ExpectNear(FMATRIX().SetQuat(q).GetEulerAngles(0), FVEC3(-0.5f, 0, 0));
    // A quaternion that is not unit gives the angles of its direction.
    ExpectNear((q * 3).GetEulerAngles(0), FVEC3(0.5f, 0, 0));
}

} // namespace
