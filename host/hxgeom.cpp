// The vector helpers on the host's point type, over the plain vector functions.
#include "host/hxgeom.h"

#include "base/facegeom.h"

float HXPOINT::Length() const {
    return ToFVEC3(*this).Length();
}

float Dot(const HXPOINT& a, const HXPOINT& b) {
    return ToFVEC3(a).Dot(ToFVEC3(b));
}

HXPOINT Cross(const HXPOINT& a, const HXPOINT& b) {
    return ToHXPOINT(ToFVEC3(a).Cross(ToFVEC3(b)));
}

HXPOINT Normalize(const HXPOINT& v) {
    return ToHXPOINT(NormalizeOrZero(ToFVEC3(v)));
}

HXPOINT GetTriNormal(const HXPOINT& a, const HXPOINT& b, const HXPOINT& c) {
    return ToHXPOINT(GetTriNormal(ToFVEC3(a), ToFVEC3(b), ToFVEC3(c)));
}

HXPOINT GetQuadNormal(const HXPOINT& p1, const HXPOINT& p2, const HXPOINT& p3, const HXPOINT& p4) {
    return ToHXPOINT(GetQuadNormal(ToFVEC3(p1), ToFVEC3(p2), ToFVEC3(p3), ToFVEC3(p4)));
}

float AngleBetween(const HXPOINT& a, const HXPOINT& b) {
    return AngleBetween(ToFVEC3(a), ToFVEC3(b));
}
