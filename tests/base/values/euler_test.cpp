#include "base/fmatrix.h"
#include "base/fquat.h"

#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The rotation that Euler angles of the given order stand for, built from single-axis turns:
// the first angle turns about axis i, the second about j, the third about k (or i again).
FMATRIX FromEuler(int order, FVEC3 a) {
    int i, j, k, h, n, s, f;
    FMATRIX::DecodeEulerOrder(order, i, j, k, h, n, s, f);
    // The parity bit's negation is what lets odd axis orders read as plain turns here.
    if (f) std::swap(a.x, a.z);
    auto turn = [](int axis, float angle) {
        FMATRIX m;
        if (axis == 0) return m.SetRotationX(angle);
        if (axis == 1) return m.SetRotationY(angle);
        return m.SetRotationZ(angle);
    };
    return turn(s ? i : k, a.z) * turn(j, a.y) * turn(i, a.x);
}

TEST(Euler, GimbalLockTakesTheDegenerateBranch) {
    FVEC3 a = FMATRIX().SetRotationY(pi / 2).GetEulerAngles(0);
    EXPECT_EQ(a.z, 0.0f);
    EXPECT_NEAR(a.y, pi / 2, 1e-6f);
    EXPECT_NEAR(a.x, 0, 1e-6f);
    // Locked: x and z turn about the same axis, so only their difference survives in x.
    FMATRIX locked = FromEuler(0, FVEC3(0.3f, pi / 2, 0.2f));
    FVEC3 b = locked.GetEulerAngles(0);
    EXPECT_EQ(b.z, 0.0f);
    ExpectNear(FromEuler(0, b).GetRow3(0), locked.GetRow3(0), 1e-3f);
}

TEST(Euler, RoundTripsInEveryOrder) {
    const FVEC3 angles[] = {FVEC3(0.3f, -0.4f, 1.1f), FVEC3(-2.5f, 0.7f, 0.2f), FVEC3(1.0f, 1.2f, -3.0f)};
    for (int order = 0; order < 24; order++) {
        int i, j, k, h, n, s, f;
        FMATRIX::DecodeEulerOrder(order, i, j, k, h, n, s, f);
        for (const FVEC3& a : angles) {
            // The middle angle of a repeated-axis order lies in [0, pi], of the others in [-pi/2, pi/2].
            FVEC3 m = a;
            float& middle = m.y;
            middle = s ? std::fabs(middle) : std::fmod(middle, pi / 2);
            FMATRIX r = FromEuler(order, m);
            FVEC3 back = r.GetEulerAngles(order);
            ExpectNear(FromEuler(order, back), r);
        }
    }
}

TEST(Euler, DecomposeSeparatesTranslationScaleAndRotation) {
    FMATRIX m = FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(1, 2, 3));
    FVEC3 t, s;
    FMATRIX r;
    m.Decompose(&t, &s, &r);
    EXPECT_EQ(t, FVEC3(1, 2, 3));
    EXPECT_EQ(s, FVEC3(2, 3, 4));
    EXPECT_EQ(r, FMATRIX::GetIdentity());
    m.Decompose(nullptr, nullptr, nullptr);
    // A zero matrix: zero scale and the vector fallback, no division by zero.
    FMATRIX::GetZero().Decompose(&t, &s, &r);
    EXPECT_EQ(s, FVEC3(0, 0, 0));
    EXPECT_EQ(r, FMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1));
}

TEST(Euler, ComposeAndDecomposeAreNotInverse) {
    FQUAT q;
    q.SetAxisAngle(FVEC3(0, 0, 1), pi / 2);
    FVEC3 t(1, 0, 0), s(2, 2, 2), t2, s2;
    FQUAT q2;
    FMATRIX m = FMATRIX().SetTransform(&t, &s, &q);
    // A point is translated first, then rotated, then scaled.
    ExpectNear(m.TransformPoint(FVEC3(0, 0, 0)), FVEC3(0, 2, 0));
    m.DecomposeQuat(&t2, &s2, &q2);
    ExpectNear(s2, s);
    EXPECT_NEAR(std::fabs(q2.Dot(q)), 1, 1e-6f);
    // The translation row comes back as t * R * S, not t.
    ExpectNear(t2, FVEC3(0, 2, 0));

    // Without rotation and scale the parts do come back.
    FMATRIX moved = FMATRIX().SetTransform(&t, nullptr, nullptr);
    moved.Decompose(&t2, nullptr, nullptr);
    EXPECT_EQ(t2, t);
}

TEST(Euler, QuaternionMatrixConversions) {
    // Every branch of the trace test: turns near pi about each axis and a general turn.
    const FVEC4 turns[] = {FVEC4(1, 0, 0, 3.0f), FVEC4(0, 1, 0, 3.0f), FVEC4(0, 0, 1, 3.0f),
                           FVEC4(0.36f, 0.48f, 0.8f, 2.0f), FVEC4(0.36f, -0.48f, 0.8f, -2.9f)};
    for (const FVEC4& turn : turns) {
        FQUAT q = FQUAT().SetAxisAngle(turn);
        FQUAT back = FMATRIX().SetQuat(q).GetQuat();
        EXPECT_NEAR(std::fabs(back.Dot(q)), 1, 1e-6f);
    }
}

} // namespace
