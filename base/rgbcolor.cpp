#include "base/rgbcolor.h"

namespace {

// Truncates toward zero like a plain cast, but saturates first so that huge values and
// not-a-number give a defined result (a cast of an out-of-range float gives INT_MIN on x87).
int TruncateToInt(double v) {
    if (!(v > -512.0)) return v < 0 ? -512 : 0;
    if (v > 512.0) return 512;
    return (int)v;
}

template <class F> RGBCOLOR EachChannel(const RGBCOLOR& c, const RGBCOLOR& d, F f) {
    int v[4] = {f(c.r, d.r), f(c.g, d.g), f(c.b, d.b), f(c.a, d.a)};
    RGBCOLOR result;
    result.FromInts(v);
    return result;
}

} // namespace

RGBCOLOR RGBCOLOR::operator+(const RGBCOLOR& d) const {
    return EachChannel(*this, d, [](int p, int q) { return p + q; });
}

RGBCOLOR RGBCOLOR::operator-(const RGBCOLOR& d) const {
    return EachChannel(*this, d, [](int p, int q) { return p - q; });
}

RGBCOLOR RGBCOLOR::operator*(const RGBCOLOR& d) const {
    return EachChannel(*this, d, [](int p, int q) { return (p * q) >> 7; });
}

RGBCOLOR RGBCOLOR::operator*(float f) const {
    return EachChannel(*this, *this, [f](int p, int) { return TruncateToInt(p * f); });
}

RGBCOLOR& RGBCOLOR::Clamp(const RGBCOLOR& lo, const RGBCOLOR& hi) {
    unsigned char* c[4] = {&r, &g, &b, &a};
    const unsigned char l[4] = {lo.r, lo.g, lo.b, lo.a}, h[4] = {hi.r, hi.g, hi.b, hi.a};
    for (int i = 0; i < 4; i++) {
        if (*c[i] < l[i]) *c[i] = l[i];
        if (*c[i] > h[i]) *c[i] = h[i];
    }
    return *this;
}

RGBCOLOR RGBCOLOR::Lerp(const RGBCOLOR& c, const RGBCOLOR& d, float t) {
    return *this = EachChannel(c, d, [t](int p, int q) { return p + TruncateToInt((q - p) * t); });
}

void RGBCOLOR::SetInts(int r_, int g_, int b_, int a_) {
    ClampInts(r_, g_, b_, a_);
    r = (unsigned char)r_, g = (unsigned char)g_, b = (unsigned char)b_, a = (unsigned char)a_;
}

void RGBCOLOR::SetFVec4(const FVEC4& v) {
    SetInts(TruncateToInt(v.x * 255.0), TruncateToInt(v.y * 255.0), TruncateToInt(v.z * 255.0),
            TruncateToInt(v.w * 255.0));
}

FVEC4 RGBCOLOR::GetFVec4() const {
    return FVEC4((float)(r / 255.0), (float)(g / 255.0), (float)(b / 255.0), (float)(a / 255.0));
}

FVEC3 RGBCOLOR::GetFVec3() const {
    return FVEC3((float)(r / 255.0), (float)(g / 255.0), (float)(b / 255.0));
}

RGBCOLOR RGBCOLOR::GetHalf() const {
    return RGBCOLOR(HalfChannel(r), HalfChannel(g), HalfChannel(b), HalfChannel(a));
}

void RGBCOLOR::ClampInts(int& r_, int& g_, int& b_, int& a_) {
    ClampInts(r_, g_, b_);
    ClampInt(a_);
}

void RGBCOLOR::ClampInts(int& r_, int& g_, int& b_) {
    ClampInt(r_);
    ClampInt(g_);
    ClampInt(b_);
}
