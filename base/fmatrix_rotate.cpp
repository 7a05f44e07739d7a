#include "base/fmatrix.h"

#include "base/halfturn.h"

#include <cmath>

namespace {

const float pi = 3.1415927f;
const float twoPi = 6.2831855f;
// Below this size the stepping loop ends within a few hundred steps and is kept as it is,
// bit for bit; larger angles are first reduced with a remainder.
const float steppingLimit = 4096.0f;

// Rows i and j (first three elements) become (a * row i + b * row j, c * row i + d * row j).
void MixRows(FMATRIX& m, int i, int j, float a, float b, float c, float d) {
    FVEC3 ri = m.GetRow3(i), rj = m.GetRow3(j);
    m.SetRow3(i, ri * a + rj * b);
    m.SetRow3(j, ri * c + rj * d);
}

} // namespace

float FMATRIX::WrapAngle(float a) {
    if (!std::isfinite(a)) return NAN;
    if (std::fabs(a) >= steppingLimit) a = (float)std::remainder((double)a, (double)twoPi);
    while (!(a >= -pi && a < pi)) {
        if (a < -pi) a += twoPi;
        if (a >= pi) a -= twoPi;
    }
    return a;
}

void FMATRIX::SinCos(float angle, float& sine, float& cosine) {
    float a = WrapAngle(angle);
    sine = std::sin(a);
    cosine = std::cos(a);
}

FMATRIX& FMATRIX::SetRotationAxisCosSin(const FVEC3& axis, float c, float s) {
    SetZero();
    FVEC3 n = FVEC3().Normalize(axis);
    float x = n.x, y = n.y, z = n.z;
    m0 = (1 - x * x) * c + x * x;
    m1 = x * y * (1 - c) + z * s;
    m2 = x * z * (1 - c) - y * s;
    m4 = x * y * (1 - c) - z * s;
    m5 = (1 - y * y) * c + y * y;
    m6 = y * z * (1 - c) + x * s;
    m8 = x * z * (1 - c) + y * s;
    m9 = y * z * (1 - c) - x * s;
    m10 = (1 - z * z) * c + z * z;
    m15 = 1;
    return *this;
}

FMATRIX& FMATRIX::SetRotationAxis(const FVEC3& axis, float angle) {
    return SetRotationAxisCosSin(axis, std::cos(angle), std::sin(angle));
}

FMATRIX& FMATRIX::SetRotationBetween(const FVEC3& from, const FVEC3& to) {
    if (from == to) return SetIdentity();
    float c = from.Dot(to);
    if (c > 1) c = 1;
    if (c < -1) c = -1;
    float s = std::sin(std::acos(c));
    FVEC3 axis = from.Cross(to);
    // Opposite directions have no cross product; the z axis is the usual choice, but only
    // its part perpendicular to from turns from onto to.
    if (c < 0 && !(axis.Length() >= 0.0001f)) axis = HalfTurnAxis(from, FVEC3(0, 0, 1));
    return SetRotationAxisCosSin(axis, c, s);
}

FMATRIX& FMATRIX::RotateX(float angle) {
    float s, c;
    SinCos(angle, s, c);
    MixRows(*this, 1, 2, c, -s, s, c);
    return *this;
}

FMATRIX& FMATRIX::RotateY(float angle) {
    float s, c;
    SinCos(angle, s, c);
    MixRows(*this, 0, 2, c, s, -s, c);
    return *this;
}

FMATRIX& FMATRIX::RotateZ(float angle) {
    float s, c;
    SinCos(angle, s, c);
    MixRows(*this, 0, 1, c, -s, s, c);
    return *this;
}
