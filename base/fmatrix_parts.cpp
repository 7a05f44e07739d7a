#include "base/fmatrix.h"

#include "base/fquat.h"

#include <cmath>
#include <utility>

namespace {

// 16 float epsilons: below this the middle angle is treated as a gimbal lock.
const float gimbalThreshold = 1.9073486e-6f;

} // namespace

void FMATRIX::DecodeEulerOrder(int order, int& i, int& j, int& k, int& h, int& n, int& s, int& f) {
    static const int firstAxis[4] = {0, 1, 2, 0}, nextAxis[4] = {1, 2, 0, 1};
    f = order & 1;
    s = (order >> 1) & 1;
    n = (order >> 2) & 1;
    i = firstAxis[(order >> 3) & 3];
    j = nextAxis[i + n];
    k = nextAxis[i + 1 - n];
    h = s ? k : i;
}

FVEC3 FMATRIX::GetEulerAngles(int order) const {
    int i, j, k, h, n, s, f;
    DecodeEulerOrder(order, i, j, k, h, n, s, f);
    float x, y, z;
    if (!s) {
        float cy = std::sqrt(At(i, i) * At(i, i) + At(j, i) * At(j, i));
        y = std::atan2(-At(k, i), cy);
        if (cy > gimbalThreshold) {
            x = std::atan2(At(k, j), At(k, k));
            z = std::atan2(At(j, i), At(i, i));
        } else {
            x = std::atan2(-At(j, k), At(j, j));
            z = 0;
        }
    } else {
        float sy = std::sqrt(At(i, j) * At(i, j) + At(i, k) * At(i, k));
        y = std::atan2(sy, At(i, i));
        if (sy > gimbalThreshold) {
            x = std::atan2(At(i, j), At(i, k));
            z = std::atan2(At(j, i), -At(k, i));
        } else {
            x = std::atan2(-At(j, k), At(j, j));
            z = 0;
        }
    }
    if (n) x = -x, y = -y, z = -z;
    if (f) std::swap(x, z);
    return FVEC3(WrapAngle(x), WrapAngle(y), WrapAngle(z));
}

void FMATRIX::Decompose(FVEC3* t, FVEC3* s, FMATRIX* r) const {
    FMATRIX l = *this;
    l.SetTranslation(FVEC3(0, 0, 0));
    FVEC3 scale;
    float* lengths[3] = {&scale.x, &scale.y, &scale.z};
    for (int c = 0; c < 3; c++) {
        FVEC3 v = GetColumn3(c);
        *lengths[c] = v.Length();
        l.SetColumn3(c, v.Normalize());
    }
    l.m3 = l.m7 = l.m11 = 0;
    l.m15 = 1;
    if (t) *t = GetTranslation();
    if (s) *s = scale;
    if (r) *r = l;
}

void FMATRIX::DecomposeQuat(FVEC3* t, FVEC3* s, FQUAT* q) const {
    FMATRIX r;
    Decompose(t, s, &r);
    if (q) *q = r.GetQuat();
}

FQUAT FMATRIX::GetQuat() const {
    float trace = m0 + m5 + m10;
    if (trace >= 0) {
        float r = std::sqrt(trace + 1);
        float k = 0.5f / r;
        return FQUAT((m6 - m9) * k, (m8 - m2) * k, (m1 - m4) * k, 0.5f * r);
    }
    int largest = 0;
    if (m5 > m0) largest = 1;
    if (m10 > (largest ? m5 : m0)) largest = 2;
    if (largest == 0) {
        float r = std::sqrt(m0 - m5 - m10 + 1);
        float k = 0.5f / r;
        return FQUAT(0.5f * r, (m4 + m1) * k, (m2 + m8) * k, (m6 - m9) * k);
    }
    if (largest == 1) {
        float r = std::sqrt(m5 - m10 - m0 + 1);
        float k = 0.5f / r;
        return FQUAT((m4 + m1) * k, 0.5f * r, (m9 + m6) * k, (m8 - m2) * k);
    }
    float r = std::sqrt(m10 - m0 - m5 + 1);
    float k = 0.5f / r;
    return FQUAT((m2 + m8) * k, (m9 + m6) * k, 0.5f * r, (m1 - m4) * k);
}

FMATRIX& FMATRIX::SetQuat(const FQUAT& q) {
    float x = q.x, y = q.y, z = q.z, w = q.w;
    return *this = FMATRIX(1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y), 0, //
                           2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x), 0, //
                           2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y), 0, //
                           0, 0, 0, 1);
}

FMATRIX& FMATRIX::Compose(const FVEC3* t, const FVEC3* s, const FQUAT* q) {
    if (s) Scale(*s);
    if (q) *this = FMATRIX().SetQuat(*q) * *this;
    if (t) Translate(*t);
    return *this;
}

FMATRIX& FMATRIX::SetRotationAboutPoint(const FVEC3& p, const FMATRIX& r) {
    return *this = FMATRIX().SetTranslationMatrix(-p) * r * FMATRIX().SetTranslationMatrix(p);
}

void FMATRIX::SetRotationAboutPoint(const FVEC3& p, const FQUAT& q) {
    SetRotationAboutPoint(p, FMATRIX().SetQuat(q));
}

FMATRIX& FMATRIX::RotateAboutPoint(const FVEC3& p, const FMATRIX& r) {
    return *this = FMATRIX().SetRotationAboutPoint(p, r) * *this;
}

FMATRIX& FMATRIX::RotateAboutPoint(const FVEC3& p, const FQUAT& q) {
    return RotateAboutPoint(p, FMATRIX().SetQuat(q));
}

FMATRIX& FMATRIX::SetLookAtRotation(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint) {
    FVEC3 z = (target - eye).Normalize();
    FVEC3 up = (upPoint - eye).Normalize();
    FVEC3 x = up.Cross(z).Normalize();
    FVEC3 y = z.Cross(x).Normalize();
    SetIdentity();
    SetRow3(0, x);
    SetRow3(1, y);
    SetRow3(2, z);
    return *this;
}

FMATRIX& FMATRIX::SetLookAt(const FVEC3& eye, const FVEC3& target, const FVEC3& upPoint) {
    SetLookAtRotation(eye, target, upPoint);
    return SetTranslation(TransformPoint(-eye) + eye);
}
