#include "base/fquat.h"

#include "base/fmatrix.h"
#include "base/halfturn.h"

#include <cmath>

namespace {

constexpr FQUAT identity(0, 0, 0, 1);
constexpr FQUAT zero(0, 0, 0, 0);

// Below this squared norm a quaternion has no usable direction.
const float tinyNorm = 0.0002f;

float Clamp1(float c) {
    return c > 1 ? 1 : c < -1 ? -1 : c;
}

// The weights of a spherical blend over the angle whose cosine is c.
void ArcWeights(float c, float t, float& k0, float& k1) {
    float theta = std::acos(c);
    float s = std::sin(theta);
    k0 = std::sin((1 - t) * theta) / s;
    k1 = std::sin(t * theta) / s;
}

} // namespace

const FQUAT& FQUAT::GetIdentity() {
    return identity;
}
const FQUAT& FQUAT::GetZero() {
    return zero;
}

FQUAT FQUAT::operator*(const FQUAT& b) const {
    const FQUAT& a = *this;
    return FQUAT(b.w * a.x + b.x * a.w + b.y * a.z - b.z * a.y, b.w * a.y + b.y * a.w + b.z * a.x - b.x * a.z,
                 b.w * a.z + b.z * a.w + b.x * a.y - b.y * a.x,
                 b.w * a.w - b.x * a.x - b.y * a.y - b.z * a.z);
}

FQUAT FQUAT::GetInverse() const {
    float n = Dot(*this);
    if (!(n >= tinyNorm)) return identity;
    float r = 1 / n;
    return FQUAT(-x * r, -y * r, -z * r, w * r);
}

float FQUAT::Length() const {
    return std::sqrt(Dot(*this));
}

FQUAT& FQUAT::Normalize() {
    float n = Dot(*this);
    if (!(n >= tinyNorm)) return SetIdentity();
    float k = 1 / std::sqrt(n);
    return *this *= k;
}

FVEC3 FQUAT::Rotate(const FVEC3& v) const {
    FVEC3 u(x, y, z);
    FVEC3 t = u.Cross(v);
    return v + t * (2 * w) + u.Cross(t) * 2;
}

FVEC4 FQUAT::GetAxisAngle() const {
    FQUAT q = *this;
    q.w = Clamp1(q.w);
    if (q.w != 1.0f) {
        float k = 1 / std::sin(std::acos(q.w));
        q.x *= k, q.y *= k, q.z *= k;
    }
    return FVEC4(q.x, q.y, q.z, 2 * std::acos(q.w));
}

FQUAT& FQUAT::SetAxisAngle(const FVEC4& v) {
    float angle = v.w;
    FVEC3 axis(v.x, v.y, v.z);
    if (std::fabs(axis.x) + std::fabs(axis.y) + std::fabs(axis.z) < 0.0002f)
        axis = FVEC3(0, 0, 1);
    else
        axis.Normalize();
    axis *= std::sin(angle / 2);
    return Set(axis.x, axis.y, axis.z, std::cos(angle / 2));
}

FQUAT FQUAT::Exp() const {
    float theta = std::sqrt(x * x + y * y + z * z);
    float c = std::cos(theta);
    if (!(theta > 0.0002f)) return FQUAT(0, 0, 0, c);
    float k = std::sin(theta) / theta;
    return FQUAT(k * x, k * y, k * z, c);
}

FQUAT FQUAT::Log() const {
    if (!(w > -0.99f && w < 0.99f)) return zero;
    float theta = std::acos(w);
    float s = std::sin(theta);
    if (!(s > 0.0002f)) return zero;
    float k = theta / s;
    return FQUAT(k * x, k * y, k * z, 0);
}

FQUAT& FQUAT::Slerp(const FQUAT& a, const FQUAT& b, float t) {
    float c = a.Dot(b);
    FQUAT b1 = b;
    if (c < 0) c = -c, b1 = -b;
    float k0 = 1 - t, k1 = t;
    if (!(1 - c <= 1e-5f)) ArcWeights(Clamp1(c), t, k0, k1);
    return *this = a * k0 + b1 * k1;
}

FQUAT& FQUAT::SlerpNoFlip(const FQUAT& a, const FQUAT& b, float t) {
    float c = a.Dot(b);
    float k0 = 1 - t, k1 = t;
    if (c > -0.95f && c < 0.95f) ArcWeights(c, t, k0, k1);
    return *this = a * k0 + b * k1;
}

void FQUAT::SquadControlPoint(const FQUAT& q0, const FQUAT& q1, const FQUAT& q2) {
    FQUAT c = q1.GetConjugate();
    FQUAT l = (c * q0).Log() + (c * q2).Log();
    *this = q1 * (l * -0.25f).Exp();
}

FQUAT& FQUAT::SquadCore(const FQUAT& p, const FQUAT& a, const FQUAT& b, const FQUAT& q, float t) {
    float k = 2 * t * (1 - t);
    FQUAT r1, r2;
    r1.SlerpNormalized(p, q, t);
    r2.SlerpNormalized(a, b, t);
    return SlerpNormalized(r1, r2, k);
}

FQUAT& FQUAT::Squad(const FQUAT& q0, const FQUAT& q1, const FQUAT& q2, const FQUAT& q3, float t) {
    FQUAT a, b;
    a.SquadControlPoint(q0, q1, q2);
    b.SquadControlPoint(q1, q2, q3);
    return SquadCore(q1, a, b, q2, t);
}

FQUAT& FQUAT::SetRotationBetween(const FVEC3& from, const FVEC3& to) {
    FVEC3 u = FVEC3().Normalize(from), v = FVEC3().Normalize(to);
    float d = u.Dot(v) + 1;
    if (d < 0.0002f) {
        // A half turn about y, or about the part of y perpendicular to u, so that u really
        // lands on v.
        FVEC3 axis = HalfTurnAxis(u, FVEC3(0, 1, 0));
        return Set(axis.x, axis.y, axis.z, 0);
    }
    if (d >= 1.9998f) return SetIdentity();
    FVEC3 axis = u.Cross(v);
    return Set(axis.x, axis.y, axis.z, d).Normalize();
}

FQUAT& FQUAT::SetLookAt(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint) {
    return *this = FMATRIX().SetLookAtRotation(eye, target, upPoint).GetQuat();
}

FVEC3 FQUAT::GetEulerAngles(int order) const {
    float n = Dot(*this);
    float s = n > 0 ? 2 / n : 0;
    float xs = x * s, ys = y * s, zs = z * s;
    float wx = w * xs, wy = w * ys, wz = w * zs;
    float xx = x * xs, xy = x * ys, xz = x * zs;
    float yy = y * ys, yz = y * zs, zz = z * zs;
    FMATRIX m(1 - (yy + zz), xy - wz, xz + wy, 0, xy + wz, 1 - (xx + zz), yz - wx, 0, xz - wy, yz + wx,
              1 - (xx + yy), 0, 0, 0, 0, 1);
    return m.GetEulerAngles(order);
}
