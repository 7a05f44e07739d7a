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

TEST(Euler, DecodeOrder) {
    int i, j, k, h, n, s, f;
    FMATRIX::DecodeEulerOrder(0, i, j, k, h, n, s, f);
    EXPECT_EQ((i << 24) | (j << 20) | (k << 16) | (h << 12) | (n << 8) | (s << 4) | f, 0x0120000);
    FMATRIX::DecodeEulerOrder(4, i, j, k, h, n, s, f);
    EXPECT_EQ(j, 2);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(n, 1);
    FMATRIX::DecodeEulerOrder(2 | 16, i, j, k, h, n, s, f);
    EXPECT_EQ(i, 2);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(h, k);
    // Only five bits are read, and the axis index 3 is x again.
    int i2, j2, k2, h2, n2, s2, f2;
    FMATRIX::DecodeEulerOrder(24 + 5 + 32, i2, j2, k2, h2, n2, s2, f2);
    FMATRIX::DecodeEulerOrder(5, i, j, k, h, n, s, f);
    EXPECT_EQ(i2, i);
    EXPECT_EQ(j2, j);
    EXPECT_EQ(k2, k);
    EXPECT_EQ(f2, f);
}

TEST(Euler, SingleAxisTurns) {
    EXPECT_EQ(FMATRIX::GetIdentity().GetEulerAngles(0), FVEC3(0, 0, 0));
    ExpectNear(FMATRIX().SetRotationX(0.5f).GetEulerAngles(0), FVEC3(0.5f, 0, 0));
    ExpectNear(FMATRIX().SetRotationY(0.5f).GetEulerAngles(0), FVEC3(0, 0.5f, 0));
    ExpectNear(FMATRIX().SetRotationZ(0.5f).GetEulerAngles(0), FVEC3(0, 0, 0.5f));
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

    FMATRIX::GetZero().Decompose(&t, &s, &r);
    EXPECT_EQ(s, FVEC3(0, 0, 0));
    EXPECT_EQ(r, FMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1));

    FQUAT q;
    FMATRIX().SetRotationZ(0.4f).SetTranslation(FVEC3(5, 0, 0)).DecomposeQuat(&t, nullptr, &q);
    EXPECT_EQ(t, FVEC3(5, 0, 0));
    FQUAT expected;
    expected.SetAxisAngle(FVEC3(0, 0, 1), -0.4f);
    EXPECT_NEAR(std::fabs(q.Dot(expected)), 1, 1e-6f);
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
    FMATRIX same = m;
    EXPECT_EQ(same.Compose(nullptr, nullptr, nullptr), m);
}

TEST(Euler, QuaternionMatrixConversions) {
    EXPECT_EQ(FMATRIX::GetIdentity().GetQuat(), FQUAT(0, 0, 0, 1));
    EXPECT_EQ(FMATRIX().SetQuat(FQUAT(0, 0, 0, 1)), FMATRIX::GetIdentity());
    FQUAT half = FMATRIX().SetRotationAxis(FVEC3(1, 0, 0), pi).GetQuat();
    EXPECT_NEAR(half.x, 1, 1e-6f);
    EXPECT_NEAR(half.w, 0, 1e-6f);
    // Every branch of the trace test: turns near pi about each axis and a general turn.
    const FVEC4 turns[] = {FVEC4(1, 0, 0, 3.0f), FVEC4(0, 1, 0, 3.0f), FVEC4(0, 0, 1, 3.0f),
                           FVEC4(0.36f, 0.48f, 0.8f, 2.0f), FVEC4(0.36f, -0.48f, 0.8f, -2.9f)};
    for (const FVEC4& turn : turns) {
        FQUAT q = FQUAT().SetAxisAngle(turn);
        FQUAT back = FMATRIX().SetQuat(q).GetQuat();
        EXPECT_NEAR(std::fabs(back.Dot(q)), 1, 1e-6f);
    }
}

TEST(Euler, RotationAboutAPoint) {
    FVEC3 p(1, 1, 0);
    FMATRIX r = FMATRIX().SetRotationAxis(FVEC3(0, 0, 1), pi / 2);
    FMATRIX m = FMATRIX().SetRotationAboutPoint(p, r);
    ExpectNear(m.TransformPoint(p), p);
    ExpectNear(m.TransformPoint(FVEC3(2, 1, 0)), FVEC3(1, 2, 0));
    FQUAT q = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), pi / 2);
    FMATRIX byQuat;
    byQuat.SetRotationAboutPoint(p, q);
    ExpectNear(byQuat, m);

    FMATRIX moved = FMATRIX().SetTranslationMatrix(FVEC3(0, 0, 5));
    FMATRIX turned = moved;
    turned.RotateAboutPoint(p, q);
    // The turn acts before the existing translation.
    ExpectNear(turned.TransformPoint(FVEC3(2, 1, 0)), FVEC3(1, 2, 5));
    ExpectNear(FMATRIX(moved).RotateAboutPoint(p, r), turned);
}

TEST(Euler, LookAt) {
    EXPECT_EQ(FMATRIX().SetLookAtRotation(FVEC3(0, 0, 0), FVEC3(0, 0, 5), FVEC3(0, 1, 0)),
              FMATRIX::GetIdentity());
    EXPECT_EQ(FMATRIX().SetLookAt(FVEC3(1, 2, 3), FVEC3(1, 2, 8), FVEC3(1, 3, 3)), FMATRIX::GetIdentity());
    FVEC3 eye(1, 2, 3);
    FMATRIX m = FMATRIX().SetLookAt(eye, FVEC3(6, 2, 3), FVEC3(1, 7, 3));
    ExpectNear(m.TransformPoint(eye), eye);
    ExpectNear(m.TransformVector(FVEC3(0, 0, 1)), FVEC3(1, 0, 0));
    ExpectNear(m.TransformVector(FVEC3(0, 1, 0)), FVEC3(0, 1, 0));
}

} // namespace
