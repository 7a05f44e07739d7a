#include "base/fmatrix.h"
#include "base/fquat.h"

#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

FMATRIX Rows(FVEC4 r0, FVEC4 r1, FVEC4 r2, FVEC4 r3) {
    return FMATRIX(r0, r1, r2, r3);
}

TEST(Matrix, InverseIsExactAndSingularComesBackUnchanged) {
    const FMATRIX turned = Rows(FVEC4(0, 2, 0, 0), FVEC4(-2, 0, 0, 0), FVEC4(0, 0, 2, 0), FVEC4(1, 2, 3, 1));
    const FMATRIX singular = Rows(FVEC4(1, 2, 3, 0), FVEC4(4, 5, 6, 0), FVEC4(1, 2, 3, 0), FVEC4(7, 8, 9, 1));
    const FMATRIX rows[][2] = {
        {turned,
         Rows(FVEC4(0, -0.5f, 0, 0), FVEC4(0.5f, 0, 0, 0), FVEC4(0, 0, 0.5f, 0), FVEC4(-1, 0.5f, -1.5f, 1))},
        {FMATRIX().SetTranslationMatrix(FVEC3(1, 2, 3)), FMATRIX().SetTranslationMatrix(FVEC3(-1, -2, -3))},
        {singular, singular},
        {FMATRIX::GetZero(), FMATRIX::GetZero()},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r[0].GetInverse(), r[1]);
    EXPECT_EQ(turned * turned.GetInverse(), FMATRIX::GetIdentity());
}

TEST(Matrix, TransformsAndProductOrder) {
    FMATRIX m = FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(10, 20, 30));
    EXPECT_EQ(m.TransformVector(FVEC3(1, 1, 1)), FVEC3(2, 3, 4));
    m.m3 = 1; // a projective column 3: ignored by TransformPoint, not by the four-component forms
    m.m15 = 2;
    EXPECT_EQ(m.TransformPoint(FVEC3(1, 1, 1)), FVEC3(12, 23, 34));
    EXPECT_EQ(m.TransformPoint4(FVEC3(1, 1, 1)), FVEC4(12, 23, 34, 3));
    float w = 0;
    EXPECT_EQ(m.TransformProjective(FVEC3(2, 0, 0), w), FVEC3(14 / 4.0f, 20 / 4.0f, 30 / 4.0f));

    // In A * B the left matrix acts first.
    FMATRIX scale = FMATRIX().SetScale(2), move = FMATRIX().SetTranslationMatrix(FVEC3(1, 0, 0));
    EXPECT_EQ((scale * move).TransformPoint(FVEC3(1, 0, 0)), FVEC3(3, 0, 0));
    EXPECT_EQ((move * scale).TransformPoint(FVEC3(1, 0, 0)), FVEC3(4, 0, 0));
    EXPECT_EQ(FMATRIX().SetScale(2).Translate(FVEC3(1, 0, 0)).GetTranslation(), FVEC3(2, 0, 0));
    // Column indices come first, then row indices.
    FMATRIX d(1, 2, 0, 0, 0, 1, 0, 3, 4, 0, 1, 0, 0, 0, 5, 1);
    EXPECT_EQ(FMATRIX::Det3(d, 0, 1, 2, 0, 1, 3), 5);
    EXPECT_EQ(FMATRIX::Det3(d, 0, 1, 3, 0, 1, 2), 24);
    // A zero column takes the vector fallback.
    EXPECT_EQ(FMATRIX().SetScale(FVEC3(2, 0, 1)).GetNormalizedRotation(),
              FMATRIX(1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1));
}

TEST(Matrix, RotationDirections) {
    const struct {
        FMATRIX m;
        FVEC3 in, out;
    } rows[] = {
        {FMATRIX().SetRotationAxis(FVEC3(0, 0, 1), pi / 2), FVEC3(1, 0, 0), FVEC3(0, 1, 0)},
        {FMATRIX().SetRotationZ(pi / 2), FVEC3(1, 0, 0), FVEC3(0, -1, 0)}, // the other way
        {FMATRIX().SetRotationX(pi / 2), FVEC3(0, 1, 0), FVEC3(0, 0, -1)},
        {FMATRIX().SetRotationY(pi / 2), FVEC3(0, 0, 1), FVEC3(-1, 0, 0)},
        // About z first, then x, then y.
        {FMATRIX().SetRotationXYZ(FVEC3(pi / 2, pi / 2, pi / 2)), FVEC3(1, 0, 0), FVEC3(-1, 0, 0)},
    };
    for (const auto& r : rows)
        ExpectNear(r.m.TransformPoint(r.in), r.out);
}

TEST(Matrix, WrapAngleEndsForAnyInput) {
    EXPECT_EQ(FMATRIX::WrapAngle(pi), -pi);
    EXPECT_EQ(FMATRIX::WrapAngle(7.0f), 7.0f - 6.2831855f);
    float stepped = 4000.0f; // below the reduction limit results stay those of stepping
    while (stepped >= pi)
        stepped -= 6.2831855f;
    EXPECT_EQ(FMATRIX::WrapAngle(4000.0f), stepped);
    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(NAN)));
    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(-INFINITY)));
    for (float huge : {1e30f, -1e30f, 3e38f, 1e8f}) {
        float w = FMATRIX::WrapAngle(huge);
        EXPECT_TRUE(w >= -pi && w < pi) << huge;
    }
}

TEST(Matrix, RotationBetweenOppositeVectorsMapsFromOntoTo) {
    for (const FVEC3& from :
         {FVEC3(0, 0, 1), FVEC3(0, 0, -1), FVEC3(0, 1, 0), FVEC3(0, -1, 0), FVEC3(0.6f, 0, 0.8f)}) {
        FMATRIX m = FMATRIX().SetRotationBetween(from, -from);
        ExpectNear(m.TransformVector(from), -from, 1e-3f); // the turn is off pi by the arccosine's error
        EXPECT_NEAR(m.TransformVector(FVEC3(1, 2, 3)).Length(), FVEC3(1, 2, 3).Length(), 1e-5f);
        FQUAT q = FQUAT().SetRotationBetween(from, -from);
        EXPECT_NEAR(q.Length(), 1, 1e-6f);
        ExpectNear(q.Rotate(from), -from);
    }
}

// The rotation that Euler angles of the given order stand for, built from single-axis turns.
FMATRIX FromEuler(int order, FVEC3 a) {
    int i, j, k, h, n, s, f;
    FMATRIX::DecodeEulerOrder(order, i, j, k, h, n, s, f);
    if (f) std::swap(a.x, a.z);
    auto turn = [](int axis, float angle) {
        FMATRIX m;
        return axis == 0 ? m.SetRotationX(angle) : axis == 1 ? m.SetRotationY(angle) : m.SetRotationZ(angle);
    };
    return turn(s ? i : k, a.z) * turn(j, a.y) * turn(i, a.x);
}

TEST(Euler, RoundTripsInEveryOrderAndAtGimbalLock) {
    const FVEC3 angles[] = {FVEC3(0.3f, -0.4f, 1.1f), FVEC3(-2.5f, 0.7f, 0.2f), FVEC3(1.0f, 1.2f, -3.0f)};
    for (int order = 0; order < 24; order++) {
        int i, j, k, h, n, s, f;
        FMATRIX::DecodeEulerOrder(order, i, j, k, h, n, s, f);
        for (FVEC3 a : angles) {
            // The middle angle of a repeated-axis order lies in [0, pi], of the others in [-pi/2, pi/2].
            a.y = s ? std::fabs(a.y) : std::fmod(a.y, pi / 2);
            FMATRIX r = FromEuler(order, a);
            ExpectNear(FromEuler(order, r.GetEulerAngles(order)), r);
        }
    }
    // Locked: x and z turn about the same axis, so only their difference survives, in x.
    FMATRIX locked = FromEuler(0, FVEC3(0.3f, pi / 2, 0.2f));
    FVEC3 b = locked.GetEulerAngles(0);
    EXPECT_EQ(b.z, 0.0f);
    ExpectNear(FromEuler(0, b).GetRow3(0), locked.GetRow3(0), 1e-3f);
}

TEST(Euler, DecomposeAndComposeAreNotInverse) {
    FVEC3 t, s;
    FMATRIX r;
    FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(1, 2, 3)).Decompose(&t, &s, &r);
    EXPECT_EQ(t, FVEC3(1, 2, 3));
    EXPECT_EQ(s, FVEC3(2, 3, 4));
    EXPECT_EQ(r, FMATRIX::GetIdentity());
    FMATRIX::GetZero().Decompose(&t, &s, &r); // zero scale and the vector fallback, no division by 0
    EXPECT_EQ(r, FMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1));

    FQUAT q = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), pi / 2), q2;
    FVEC3 move(1, 0, 0), twice(2, 2, 2);
    FMATRIX m = FMATRIX().SetTransform(&move, &twice, &q);
    ExpectNear(m.TransformPoint(FVEC3(0, 0, 0)), FVEC3(0, 2, 0)); // translated, rotated, then scaled
    m.DecomposeQuat(&t, &s, &q2);
    ExpectNear(s, twice);
    EXPECT_NEAR(std::fabs(q2.Dot(q)), 1, 1e-6f);
    ExpectNear(t, FVEC3(0, 2, 0)); // the translation row is t * R * S, not t
}

} // namespace
