// 4x4 float matrix for row vectors: p' = p * M, rows 0..2 are the images of the axes and row 3
// (m12, m13, m14) is the translation. In A * B applied to a point, A acts first.
#pragma once

#include "base/fvec.h"

struct FQUAT;

struct FMATRIX {
    // Element (row r, column c) is m[4 * r + c].
    union {
        float m[16];
        struct {
            float m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14, m15;
        };
    };

    FMATRIX() = default;
    constexpr FMATRIX(float e0, float e1, float e2, float e3, float e4, float e5, float e6, float e7,
                      float e8, float e9, float e10, float e11, float e12, float e13, float e14, float e15)
        : m{e0, e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12, e13, e14, e15} {}
    explicit FMATRIX(const float* elements);
    FMATRIX(const FVEC4& row0, const FVEC4& row1, const FVEC4& row2, const FVEC4& row3);

    static const FMATRIX& GetIdentity();
    static const FMATRIX& GetZero();

    FMATRIX& SetIdentity() { return *this = GetIdentity(); }
    FMATRIX& SetZero() { return *this = GetZero(); }
    FMATRIX& Swap(FMATRIX& n);
    bool operator==(const FMATRIX& n) const;
    bool operator!=(const FMATRIX& n) const { return !(*this == n); }

    float& At(int row, int column) { return m[4 * row + column]; }
    float At(int row, int column) const { return m[4 * row + column]; }

    // Arithmetic.
    FMATRIX operator*(const FMATRIX& n) const;
    FMATRIX operator*(float s) const;
    FMATRIX operator+(const FMATRIX& n) const;
    FMATRIX operator-(const FMATRIX& n) const;
    FMATRIX& operator*=(const FMATRIX& n) { return *this = *this * n; }
    FMATRIX& operator*=(float s) { return *this = *this * s; }
    FMATRIX& operator+=(const FMATRIX& n) { return *this = *this + n; }
    FMATRIX& operator-=(const FMATRIX& n) { return *this = *this - n; }
    FMATRIX& SetTranspose(const FMATRIX& n);
    FMATRIX GetTranspose() const { return FMATRIX().SetTranspose(*this); }
    // The inverse of an affine matrix; a matrix with a singular upper-left 3x3 comes back
    // unchanged, and a projective column 3 is not taken into account.
    FMATRIX GetInverse() const;
    FMATRIX& Invert() { return *this = GetInverse(); }
    // Determinant of rows r0, r1, r2 and columns c0, c1, c2 of m (columns first).
    static float Det3(const FMATRIX& m, int c0, int c1, int c2, int r0, int r1, int r2);

    // Transforms. A point takes w = 1, a vector only the upper-left 3x3.
    FVEC3 TransformPoint(const FVEC3& p) const;
    FVEC4 TransformPoint4(const FVEC3& p) const;
    FVEC4 Transform(const FVEC4& q) const;
    FVEC3 TransformProjective(const FVEC3& p, float& w) const;
    FVEC3 TransformProjective(const FVEC3& p) const;
    FVEC3 TransformVector(const FVEC3& p) const;
    FVEC3 TransformNormal(const FVEC3& p) const { return TransformVector(p).Normalize(); }

    // Rows, columns and translation; indices 0..3 are not checked.
    void SetRow(int i, const FVEC4& v);
    FVEC4 GetRow(int i) const { return FVEC4(At(i, 0), At(i, 1), At(i, 2), At(i, 3)); }
    void SetColumn(int j, const FVEC4& v);
    FVEC4 GetColumn(int j) const { return FVEC4(At(0, j), At(1, j), At(2, j), At(3, j)); }
    void SetRow3(int i, const FVEC3& v);
    FVEC3 GetRow3(int i) const { return FVEC3(At(i, 0), At(i, 1), At(i, 2)); }
    void SetColumn3(int j, const FVEC3& v);
    FVEC3 GetColumn3(int j) const { return FVEC3(At(0, j), At(1, j), At(2, j)); }
    FVEC3 GetTranslation() const { return FVEC3(m12, m13, m14); }
    FMATRIX& SetTranslation(const FVEC3& t);
    FMATRIX& SetTranslationMatrix(const FVEC3& t) { return SetIdentity().SetTranslation(t); }
    // Moves the translation by t taken through the current matrix: T(t) * M.
    FMATRIX& Translate(const FVEC3& t) { return SetTranslation(TransformPoint(t)); }
    FMATRIX& Set3x3(const FMATRIX& n);
    FMATRIX Get3x3() const;
    FMATRIX GetNormalizedRotation() const;

    // Rotation and scale builders; angles in radians.
    FMATRIX& SetRotationAxisCosSin(const FVEC3& axis, float c, float s);
    FMATRIX& SetRotationAxis(const FVEC3& axis, float angle);
    FMATRIX& SetRotationBetween(const FVEC3& from, const FVEC3& to);
    // These pre-multiply and turn the opposite way to SetRotationAxis about the same axis.
    FMATRIX& RotateX(float angle);
    FMATRIX& RotateY(float angle);
    FMATRIX& RotateZ(float angle);
    FMATRIX& SetRotationX(float angle) { return SetIdentity().RotateX(angle); }
    FMATRIX& SetRotationY(float angle) { return SetIdentity().RotateY(angle); }
    FMATRIX& SetRotationZ(float angle) { return SetIdentity().RotateZ(angle); }
    FMATRIX& RotateXYZ(const FVEC3& a) { return RotateY(a.y).RotateX(a.x).RotateZ(a.z); }
    FMATRIX& SetRotationXYZ(const FVEC3& a) { return SetIdentity().RotateXYZ(a); }
    FMATRIX& SetScale(const FVEC3& v);
    FMATRIX& SetScale(float s) { return SetScale(FVEC3(s, s, s)); }
    FMATRIX& Scale(const FVEC3& v);
    FMATRIX& Scale(float s) { return Scale(FVEC3(s, s, s)); }

    // Euler angles in any of the 24 axis orders. Bits of the order code: 0 exchanges the first
    // and third angles at the end, 1 repeats the first axis as the third, 2 negates the angles,
    // 3-4 pick the first axis from (x, y, z, x).
    static void DecodeEulerOrder(int order, int& i, int& j, int& k, int& h, int& n, int& s, int& f);
    FVEC3 GetEulerAngles(int order) const;

    // Translation, per-column scale and rotation; null outputs are skipped. The scale is never
    // negative and the columns are not made orthogonal.
    void Decompose(FVEC3* t, FVEC3* s, FMATRIX* r) const;
    void DecomposeQuat(FVEC3* t, FVEC3* s, FQUAT* q) const;
    FQUAT GetQuat() const;
    // Overwrites the whole matrix with the rotation of the unit quaternion q.
    FMATRIX& SetQuat(const FQUAT& q);
    // Scale, then rotation, then translation, each optional: T(t) * R(q) * S(s) applied to M.
    FMATRIX& Compose(const FVEC3* t, const FVEC3* s, const FQUAT* q);
    FMATRIX& SetTransform(const FVEC3* t, const FVEC3* s, const FQUAT* q) {
        return SetIdentity().Compose(t, s, q);
    }
    // T(-p) * R * T(p): a rotation about the point p.
    FMATRIX& SetRotationAboutPoint(const FVEC3& p, const FMATRIX& r);
    void SetRotationAboutPoint(const FVEC3& p, const FQUAT& q);
    // The rotation about p acts before the existing transform.
    FMATRIX& RotateAboutPoint(const FVEC3& p, const FMATRIX& r);
    FMATRIX& RotateAboutPoint(const FVEC3& p, const FQUAT& q);
    // Turns +z towards the target and +y towards upPoint, which is a point, not a direction.
    FMATRIX& SetLookAtRotation(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint);
    // The same turn about the eye, which stays fixed.
    FMATRIX& SetLookAt(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint);

    // Brings an angle into [-pi, pi).
    static float WrapAngle(float a);
    static void SinCos(float angle, float& sine, float& cosine);
};

// q * M: the row vector q through all four columns, the same as M.Transform(q).
inline FVEC4 operator*(const FVEC4& q, const FMATRIX& m) {
    return m.Transform(q);
}

static_assert(sizeof(FMATRIX) == 64, "a matrix is sixteen consecutive floats");
