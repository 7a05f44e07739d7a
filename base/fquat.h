// Quaternion (x, y, z, w): rotations as four floats, (x, y, z) the vector part and w the real
// part. A unit quaternion (a sin(t/2), cos(t/2)) turns by t about the unit axis a, the same
// way as its matrix turns row vectors.
#pragma once

#include "base/fvec.h"

struct FQUAT {
    float x, y, z, w;

    FQUAT() = default;
    constexpr FQUAT(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}

    static const FQUAT& GetIdentity();
    static const FQUAT& GetZero();

    FQUAT& Set(float x_, float y_, float z_, float w_) { return *this = FQUAT(x_, y_, z_, w_); }
    FQUAT& SetFVec3(const FVEC3& v) {
        x = v.x, y = v.y, z = v.z;
        return *this;
    }
    FQUAT& SetIdentity() { return *this = GetIdentity(); }
    FQUAT& SetZero() { return *this = GetZero(); }
    FVEC4 GetFVec4() const { return FVEC4(x, y, z, w); }
    FVEC3 GetFVec3() const { return FVEC3(x, y, z); }

    bool operator==(const FQUAT& q) const { return x == q.x && y == q.y && z == q.z && w == q.w; }
    bool operator!=(const FQUAT& q) const { return !(*this == q); }
    FQUAT operator+() const { return *this; }
    FQUAT operator-() const { return FQUAT(-x, -y, -z, -w); }
    FQUAT operator+(const FQUAT& q) const { return FQUAT(x + q.x, y + q.y, z + q.z, w + q.w); }
    FQUAT operator-(const FQUAT& q) const { return FQUAT(x - q.x, y - q.y, z - q.z, w - q.w); }
    FQUAT operator*(float f) const { return FQUAT(x * f, y * f, z * f, w * f); }
    // One reciprocal, unlike the vectors' true division.
    FQUAT operator/(float f) const { return *this * (1.0f / f); }
    // Turns by this first, then by q: the matrix of a * b is the matrix of a times that of b.
    FQUAT operator*(const FQUAT& q) const;
    FQUAT& operator+=(const FQUAT& q) { return *this = *this + q; }
    FQUAT& operator-=(const FQUAT& q) { return *this = *this - q; }
    FQUAT& operator*=(const FQUAT& q) { return *this = *this * q; }
    FQUAT& operator*=(float f) { return *this = *this * f; }
    FQUAT& operator/=(float f) { return *this = *this / f; }

    FQUAT GetConjugate() const { return FQUAT(-x, -y, -z, w); }
    // The identity when the squared norm is below 0.0002.
    FQUAT GetInverse() const;
    float Dot(const FQUAT& q) const { return x * q.x + y * q.y + z * q.z + w * q.w; }
    float Dot(const FQUAT& a, const FQUAT& b) const { return a.Dot(b); }
    float Length() const;
    // The identity when the squared norm is below 0.0002 (not the vectors' last-axis rule).
    FQUAT& Normalize();
    FVEC3 Rotate(const FVEC3& v) const;

    // (axis, angle in w).
    FVEC4 GetAxisAngle() const;
    FQUAT& SetAxisAngle(const FVEC4& v);
    FQUAT& SetAxisAngle(const FVEC3& axis, float angle) {
        return SetAxisAngle(FVEC4(axis.x, axis.y, axis.z, angle));
    }
    FQUAT Exp() const;
    FQUAT Log() const;

    FQUAT& Lerp(const FQUAT& a, const FQUAT& b, float t) { return (*this = (b - a) * t + a).Normalize(); }
    // Takes the shorter arc; the result is not normalised.
    FQUAT& Slerp(const FQUAT& a, const FQUAT& b, float t);
    FQUAT& SlerpNormalized(const FQUAT& a, const FQUAT& b, float t) { return Slerp(a, b, t).Normalize(); }
    // Never negates b; the result is not normalised.
    FQUAT& SlerpNoFlip(const FQUAT& a, const FQUAT& b, float t);
    void SquadControlPoint(const FQUAT& q0, const FQUAT& q1, const FQUAT& q2);
    FQUAT& SquadCore(const FQUAT& p, const FQUAT& a, const FQUAT& b, const FQUAT& q, float t);
    FQUAT& Squad(const FQUAT& q0, const FQUAT& q1, const FQUAT& q2, const FQUAT& q3, float t);

    FQUAT& SetRotationBetween(const FVEC3& from, const FVEC3& to);
    FQUAT& SetRotationToZ(const FVEC3& d) { return SetRotationBetween(d, FVEC3(0, 0, 1)); }
    // upPoint is a point, not a direction.
    FQUAT& SetLookAt(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint);
    // Read from the transpose of the SetQuat matrix: a turn by a about x gives (a, 0, 0) here
    // where the matrix gives (-a, 0, 0).
    FVEC3 GetEulerAngles(int order) const;
};

static_assert(sizeof(FQUAT) == 16, "a quaternion is four consecutive floats");
