#include "base/facegeom.h"

#include <cmath>

FVEC3 NormalizeOrZero(const FVEC3& v) {
    float length = v.Length();
    if (length == 0.0f) return FVEC3(0, 0, 0);
    return v / length;
}

// Tested on the length rather than on the vector itself, so a tiny face whose squared
// length underflows gives zero instead of a division by zero.
FVEC3 GetTriNormal(const FVEC3& a, const FVEC3& b, const FVEC3& c) {
    return NormalizeOrZero((b - c).Cross(a - b));
}

FVEC3 GetQuadNormal(const FVEC3& p1, const FVEC3& p2, const FVEC3& p3, const FVEC3& p4) {
    FVEC3 t1 = GetTriNormal(p1, p2, p3), t2 = GetTriNormal(p1, p3, p4);
    FVEC3 t3 = GetTriNormal(p2, p3, p4), t4 = GetTriNormal(p2, p4, p1);
    if (t3.Dot(t4) >= t1.Dot(t2)) return NormalizeOrZero(t3 + t4);
    return NormalizeOrZero(t1 + t2);
}

float AngleBetween(const FVEC3& a, const FVEC3& b) {
    float l = a.Length() * b.Length();
    if (l == 0.0f) return 0.0f;
    float c = a.Dot(b) / l;
    if (c >= 1.0f) return 0.0f;
    if (c <= -1.0f) return 3.1415927f;
    return std::acos(c);
}
