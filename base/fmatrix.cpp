#include "base/fmatrix.h"

#include <utility>

namespace {

constexpr FMATRIX identity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
constexpr FMATRIX zero(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

template <class F> FMATRIX EachElement(const FMATRIX& a, const FMATRIX& b, F f) {
    FMATRIX result;
    for (int i = 0; i < 16; i++)
        result.m[i] = f(a.m[i], b.m[i]);
    return result;
}

} // namespace

FMATRIX::FMATRIX(const float* elements) {
    for (int i = 0; i < 16; i++)
        m[i] = elements[i];
}

FMATRIX::FMATRIX(const FVEC4& row0, const FVEC4& row1, const FVEC4& row2, const FVEC4& row3) {
    SetRow(0, row0);
    SetRow(1, row1);
    SetRow(2, row2);
    SetRow(3, row3);
}

const FMATRIX& FMATRIX::GetIdentity() {
    return identity;
}
const FMATRIX& FMATRIX::GetZero() {
    return zero;
}

FMATRIX& FMATRIX::Swap(FMATRIX& n) {
    std::swap(m, n.m);
    return *this;
}

bool FMATRIX::operator==(const FMATRIX& n) const {
    for (int i = 0; i < 16; i++)
        if (m[i] != n.m[i]) return false;
    return true;
}

FMATRIX FMATRIX::operator*(const FMATRIX& n) const {
    FMATRIX result;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++)
            result.At(i, j) =
                At(i, 0) * n.At(0, j) + At(i, 1) * n.At(1, j) + At(i, 2) * n.At(2, j) + At(i, 3) * n.At(3, j);
    return result;
}

FMATRIX FMATRIX::operator*(float s) const {
    return EachElement(*this, *this, [s](float p, float) { return p * s; });
}

FMATRIX FMATRIX::operator+(const FMATRIX& n) const {
    return EachElement(*this, n, [](float p, float q) { return p + q; });
}

FMATRIX FMATRIX::operator-(const FMATRIX& n) const {
    return EachElement(*this, n, [](float p, float q) { return p - q; });
}

FMATRIX& FMATRIX::SetTranspose(const FMATRIX& n) {
    FMATRIX t;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++)
            t.At(i, j) = n.At(j, i);
    return *this = t;
}

float FMATRIX::Det3(const FMATRIX& m, int c0, int c1, int c2, int r0, int r1, int r2) {
    return m.At(r0, c0) * m.At(r1, c1) * m.At(r2, c2) + m.At(r0, c1) * m.At(r1, c2) * m.At(r2, c0) +
           m.At(r0, c2) * m.At(r1, c0) * m.At(r2, c1) - m.At(r0, c0) * m.At(r1, c2) * m.At(r2, c1) -
           m.At(r0, c1) * m.At(r1, c0) * m.At(r2, c2) - m.At(r0, c2) * m.At(r1, c1) * m.At(r2, c0);
}

FMATRIX FMATRIX::GetInverse() const {
    float d = Det3(*this, 0, 1, 2, 0, 1, 2);
    if (d == 0.0f) return *this;
    float r = 1.0f / d;
    FMATRIX result;
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            if (i == 3 && j == 3) continue;
            // The cofactor of element (j, i): the other rows and columns in ascending order.
            int rows[3], columns[3];
            for (int k = 0, rr = 0, cc = 0; k < 4; k++) {
                if (k != j) rows[rr++] = k;
                if (k != i) columns[cc++] = k;
            }
            float v = r * Det3(*this, columns[0], columns[1], columns[2], rows[0], rows[1], rows[2]);
            result.At(i, j) = (i + j) % 2 ? -v : v;
        }
    }
    result.m15 = 1.0f;
    return result;
}

FVEC3 FMATRIX::TransformPoint(const FVEC3& p) const {
    return FVEC3(p.x * m0 + p.y * m4 + p.z * m8 + m12, p.x * m1 + p.y * m5 + p.z * m9 + m13,
                 p.x * m2 + p.y * m6 + p.z * m10 + m14);
}

FVEC4 FMATRIX::TransformPoint4(const FVEC3& p) const {
    return Transform(FVEC4(p.x, p.y, p.z, 1.0f));
}

FVEC4 FMATRIX::Transform(const FVEC4& q) const {
    return FVEC4(q.x * m0 + q.y * m4 + q.z * m8 + q.w * m12, q.x * m1 + q.y * m5 + q.z * m9 + q.w * m13,
                 q.x * m2 + q.y * m6 + q.z * m10 + q.w * m14, q.x * m3 + q.y * m7 + q.z * m11 + q.w * m15);
}

FVEC3 FMATRIX::TransformProjective(const FVEC3& p, float& w) const {
    FVEC4 q = TransformPoint4(p);
    w = q.w;
    return FVEC3(q.x / q.w, q.y / q.w, q.z / q.w);
}

FVEC3 FMATRIX::TransformProjective(const FVEC3& p) const {
    float w;
    return TransformProjective(p, w);
}

FVEC3 FMATRIX::TransformVector(const FVEC3& p) const {
    return FVEC3(p.x * m0 + p.y * m4 + p.z * m8, p.x * m1 + p.y * m5 + p.z * m9,
                 p.x * m2 + p.y * m6 + p.z * m10);
}

void FMATRIX::SetRow(int i, const FVEC4& v) {
    At(i, 0) = v.x, At(i, 1) = v.y, At(i, 2) = v.z, At(i, 3) = v.w;
}

void FMATRIX::SetColumn(int j, const FVEC4& v) {
    At(0, j) = v.x, At(1, j) = v.y, At(2, j) = v.z, At(3, j) = v.w;
}

void FMATRIX::SetRow3(int i, const FVEC3& v) {
    At(i, 0) = v.x, At(i, 1) = v.y, At(i, 2) = v.z;
}

void FMATRIX::SetColumn3(int j, const FVEC3& v) {
    At(0, j) = v.x, At(1, j) = v.y, At(2, j) = v.z;
}

FMATRIX& FMATRIX::SetTranslation(const FVEC3& t) {
    m12 = t.x, m13 = t.y, m14 = t.z;
    return *this;
}

FMATRIX& FMATRIX::Set3x3(const FMATRIX& n) {
    for (int i = 0; i < 3; i++)
        SetRow3(i, n.GetRow3(i));
    return *this;
}

FMATRIX FMATRIX::Get3x3() const {
    return FMATRIX(identity).Set3x3(*this);
}

FMATRIX FMATRIX::GetNormalizedRotation() const {
    FMATRIX result = Get3x3();
    for (int j = 0; j < 3; j++)
        result.SetColumn3(j, result.GetColumn3(j).Normalize());
    return result;
}

FMATRIX& FMATRIX::SetScale(const FVEC3& v) {
    SetIdentity();
    m0 = v.x, m5 = v.y, m10 = v.z;
    return *this;
}

FMATRIX& FMATRIX::Scale(const FVEC3& v) {
    for (int i = 0; i < 4; i++)
        SetRow3(i, GetRow3(i) * v);
    return *this;
}
