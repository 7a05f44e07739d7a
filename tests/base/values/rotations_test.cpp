// Matrices, Euler angles and quaternions: rows that catch a sign or an order error.
#include "base/fmatrix.h"
#include "base/fquat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

const float pi = 3.1415927f;

inline void ExpectNear(const FVEC3& v, const FVEC3& expected, float tolerance = 1e-5f) {
    EXPECT_LT((v - expected).Length(), tolerance) << v.x << "," << v.y << "," << v.z;
}

inline void ExpectNear(const FMATRIX& m, const FMATRIX& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; i++)
        EXPECT_NEAR(m.m[i], expected.m[i], tolerance) << "element " << i;
}

TEST(Matrix, InverseTransformsAndProductOrder) {
    // Inverses are exact; a singular matrix comes back unchanged.
    const FMATRIX singular(1, 2, 3, 0, 4, 5, 6, 0, 1, 2, 3, 0, 7, 8, 9, 1); // row 2 is row 0
    const FMATRIX rows[][2] = {
        {FMATRIX(0, 2, 0, 0, -2, 0, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1),
         FMATRIX(0, -0.5f, 0, 0, 0.5f, 0, 0, 0, 0, 0, 0.5f, 0, -1, 0.5f, -1.5f, 1)},
        {FMATRIX().SetTranslationMatrix(FVEC3(1, 2, 3)), FMATRIX().SetTranslationMatrix(FVEC3(-1, -2, -3))},
        {singular, singular},
        {FMATRIX::GetZero(), FMATRIX::GetZero()},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r[0].GetInverse(), r[1]);

    FMATRIX m = FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(10, 20, 30));
    EXPECT_EQ(m.TransformVector(FVEC3(1, 1, 1)), FVEC3(2, 3, 4));
    m.m3 = 1; // a projective column 3: ignored by TransformPoint, not by the four-component forms
    m.m15 = 2;
    EXPECT_EQ(std::tuple(FVEC3(12, 23, 34), FVEC4(12, 23, 34, 3), FVEC3(14 / 4.0f, 20 / 4.0f, 30 / 4.0f)),
              std::tuple(m.TransformPoint(FVEC3(1, 1, 1)), m.TransformPoint4(FVEC3(1, 1, 1)),
                         m.TransformProjective(FVEC3(2, 0, 0))));

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

TEST(Matrix, RotationsTurnTheRightWayAndAnglesWrap) {
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
    // A turn between opposite vectors maps the one onto the other.
    for (const FVEC3& from :
         {FVEC3(0, 0, 1), FVEC3(0, 0, -1), FVEC3(0, 1, 0), FVEC3(0, -1, 0), FVEC3(0.6f, 0, 0.8f)}) {
        FMATRIX m = FMATRIX().SetRotationBetween(from, -from);
        ExpectNear(m.TransformVector(from), -from, 1e-3f); // the turn is off pi by the arccosine's error
        EXPECT_NEAR(m.TransformVector(FVEC3(1, 2, 3)).Length(), FVEC3(1, 2, 3).Length(), 1e-5f);
        FQUAT q = FQUAT().SetRotationBetween(from, -from);
        EXPECT_NEAR(q.Length(), 1, 1e-6f);
        ExpectNear(q.Rotate(from), -from);
    }
    // Wrapping an angle ends for any input.
    EXPECT_EQ(FMATRIX::WrapAngle(pi), -pi);
    EXPECT_EQ(FMATRIX::WrapAngle(7.0f), 7.0f - 6.2831855f);
    // Below the reduction limit results stay those of stepping: 637 float subtractions of 6.2831855f,
    // each rounded, drift from the exact remainder -2.3890407.
    EXPECT_EQ(FMATRIX::WrapAngle(4000.0f), -2.39849758f);
    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(NAN)));
    EXPECT_TRUE(std::isnan(FMATRIX::WrapAngle(-INFINITY)));
    for (float huge : {1e30f, -1e30f, 3e38f, 1e8f}) {
        EXPECT_LE(-pi, FMATRIX::WrapAngle(huge)) << huge;
        EXPECT_LT(FMATRIX::WrapAngle(huge), pi) << huge;
    }
}

// The axes each order turns about, first to last. Bits 3-4 of the order pick the first axis, bit 2 takes
// the next ones against the cyclic order x, y, z, bit 1 repeats the first axis as the last.
const char* const kEulerAxes[24] = {"xyz", "xyz", "xyx", "xyx", "xzy", "xzy", "xzx", "xzx",
                                    "yzx", "yzx", "yzy", "yzy", "yxz", "yxz", "yxy", "yxy",
                                    "zxy", "zxy", "zxz", "zxz", "zyx", "zyx", "zyz", "zyz"};

// The rotation that Euler angles of the given order stand for: a turn about the first axis by x, then
// the second by y, then the last by z; bit 0 of the order exchanges x and z.
FMATRIX FromEuler(int order, FVEC3 a) {
    if (order & 1) std::swap(a.x, a.z);
    auto turn = [](char axis, float angle) {
        FMATRIX m;
        return axis == 'x'   ? m.SetRotationX(angle)
               : axis == 'y' ? m.SetRotationY(angle)
                             : m.SetRotationZ(angle);
    };
    const char* axes = kEulerAxes[order];
    return turn(axes[2], a.z) * turn(axes[1], a.y) * turn(axes[0], a.x);
}

TEST(Euler, AnglesComeBackInEveryOrderGimbalLockAndDecomposition) {
    const FVEC3 angles[] = {FVEC3(0.3f, -0.4f, 1.1f), FVEC3(-2.5f, 0.7f, 0.2f), FVEC3(1.0f, 1.2f, -3.0f)};
    for (int order = 0; order < 24; order++) {
        const bool repeated = kEulerAxes[order][0] == kEulerAxes[order][2];
        for (FVEC3 a : angles) {
            // The middle angle of a repeated-axis order lies in [0, pi] ([-pi, 0] when bit 2 negates the
            // angles), of the others in [-pi/2, pi/2].
            a.y = repeated ? (order & 4 ? -1 : 1) * std::fabs(a.y) : std::fmod(a.y, pi / 2);
            ExpectNear(FromEuler(order, a).GetEulerAngles(order), a, 1e-4f);
        }
    }
    // Locked: x and z turn about the same axis, so only their difference survives, in x.
    FMATRIX locked = FromEuler(0, FVEC3(0.3f, pi / 2, 0.2f));
    FVEC3 b = locked.GetEulerAngles(0);
    EXPECT_EQ(b.z, 0.0f);
    ExpectNear(FromEuler(0, b).GetRow3(0), locked.GetRow3(0), 1e-3f);

    // Decomposing and composing are not inverse.
    FVEC3 t, s;
    FMATRIX r;
    FMATRIX().SetScale(FVEC3(2, 3, 4)).SetTranslation(FVEC3(1, 2, 3)).Decompose(&t, &s, &r);
    EXPECT_EQ(std::tuple(FVEC3(1, 2, 3), FVEC3(2, 3, 4), FMATRIX::GetIdentity()), std::tuple(t, s, r));
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

TEST(Quaternion, FallbacksProductAndMatrixTurnTheSameWay) {
    // The threshold is on the squared norm.
    EXPECT_EQ(std::tuple(FQUAT::GetIdentity(), FQUAT(0, 0, 1, 0), FQUAT(0, 0, 0, 1)),
              std::tuple(FQUAT(0, 0, 0.01f, 0).Normalize(), FQUAT(0, 0, 0.02f, 0).Normalize(),
                         FQUAT(NAN, 0, 0, 1).Normalize()));
    EXPECT_EQ(FQUAT::GetIdentity().GetAxisAngle(), FVEC4(0, 0, 0, 0));
    EXPECT_NEAR(FQUAT().SetAxisAngle(FVEC3(0, -1, 0), 2.5f).GetAxisAngle().y * 2.5f, -2.5f, 1e-5f);
    EXPECT_EQ(FQUAT().SetAxisAngle(FVEC3(0, 0, 0), 1.0f), FQUAT(0, 0, std::sin(0.5f), std::cos(0.5f))); // z

    FQUAT a = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), pi / 2), b = FQUAT().SetAxisAngle(FVEC3(1, 0, 0), pi / 2);
    EXPECT_EQ(FQUAT(1, 2, 3, 4) * FQUAT(5, 6, 7, 8), FQUAT(32, 32, 56, -6)); // a first, then b
    ExpectNear(FMATRIX().SetQuat(a * b), FMATRIX().SetQuat(a) * FMATRIX().SetQuat(b), 1e-6f);
    ExpectNear(FMATRIX().SetQuat(a).TransformPoint(FVEC3(1, 0, 0)), a.Rotate(FVEC3(1, 0, 0)));
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
    // Slerp takes the shorter arc and survives opposite ends.
    a = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.2f), b = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 1.4f);
    FQUAT half = FQUAT().SetAxisAngle(FVEC3(0, 0, 1), 0.8f);
    for (const FQUAT& end : {b, -b}) // -b stands for the same turn
        EXPECT_NEAR(FQUAT().Slerp(a, end, 0.5f).Dot(half), 1, 1e-6f);
    EXPECT_EQ(FQUAT().Slerp(a, -a, 0.3f), a * 0.7f + a * 0.3f);
    EXPECT_EQ(FQUAT().SlerpNoFlip(a, -a, 0.5f), FQUAT(0, 0, 0, 0));
}

} // namespace
