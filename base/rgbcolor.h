// Byte colour: red, green, blue and alpha channels of 0..255. Its arithmetic saturates at the
// ends of the byte range; in float form a channel c stands for c / 255.
#pragma once

#include "base/fvec.h"

struct RGBCOLOR {
    unsigned char r, g, b, a;

    RGBCOLOR() = default;
    // Byte channels go through these too (they clamp to themselves), so calls that mix bytes
    // and ints are never ambiguous.
    RGBCOLOR(int r_, int g_, int b_, int a_) { SetInts(r_, g_, b_, a_); }
    RGBCOLOR(int r_, int g_, int b_) { SetInts(r_, g_, b_, 255); }
    explicit RGBCOLOR(const FVEC3& v) { SetFVec3(v); }
    explicit RGBCOLOR(const FVEC4& v) { SetFVec4(v); }

    RGBCOLOR Set(unsigned char r_, unsigned char g_, unsigned char b_, unsigned char a_) {
        return *this = RGBCOLOR(r_, g_, b_, a_);
    }
    RGBCOLOR Set(unsigned char r_, unsigned char g_, unsigned char b_) {
        return *this = RGBCOLOR(r_, g_, b_);
    }
    RGBCOLOR& SetRGB(const RGBCOLOR& c) {
        r = c.r, g = c.g, b = c.b;
        return *this;
    }

    bool operator==(const RGBCOLOR& c) const { return r == c.r && g == c.g && b == c.b && a == c.a; }
    bool operator!=(const RGBCOLOR& c) const { return !(*this == c); }

    RGBCOLOR operator+(const RGBCOLOR& d) const;
    RGBCOLOR operator-(const RGBCOLOR& d) const;
    // 128 in d stands for 1.0 here (see GetHalf).
    RGBCOLOR operator*(const RGBCOLOR& d) const;
    RGBCOLOR operator*(float f) const;
    // The compound forms return the new colour by value, not a reference.
    RGBCOLOR operator+=(const RGBCOLOR& d) { return *this = *this + d; }
    RGBCOLOR operator-=(const RGBCOLOR& d) { return *this = *this - d; }
    RGBCOLOR operator*=(const RGBCOLOR& d) { return *this = *this * d; }
    RGBCOLOR operator*=(float f) { return *this = *this * f; }

    RGBCOLOR& Clamp(const RGBCOLOR& lo, const RGBCOLOR& hi);
    RGBCOLOR Lerp(const RGBCOLOR& c, const RGBCOLOR& d, float t);

    RGBCOLOR& GetInts(int& r_, int& g_, int& b_, int& a_) {
        r_ = r, g_ = g, b_ = b, a_ = a;
        return *this;
    }
    void SetInts(int r_, int g_, int b_, int a_);
    void ToInts(int v[4]) const { v[0] = r, v[1] = g, v[2] = b, v[3] = a; }
    void FromInts(const int v[4]) { SetInts(v[0], v[1], v[2], v[3]); }

    void SetFVec4(const FVEC4& v);
    void SetFloats(float r_, float g_, float b_, float a_) { SetFVec4(FVEC4(r_, g_, b_, a_)); }
    void SetFVec3(const FVEC3& v) { SetFVec4(FVEC4(v.x, v.y, v.z, 1.0f)); }
    void SetFloats(float r_, float g_, float b_) { SetFVec4(FVEC4(r_, g_, b_, 1.0f)); }
    FVEC4 GetFVec4() const;
    FVEC3 GetFVec3() const;
    // Converts from the 255-is-one scale to the 128-is-one scale of the colour product.
    RGBCOLOR GetHalf() const;

    static void ClampInt(int& v) { v = v < 0 ? 0 : v > 255 ? 255 : v; }
    static void ClampInts(int& r_, int& g_, int& b_, int& a_);
    static void ClampInts(int& r_, int& g_, int& b_);
    static void ClampInts(int v[4]) { ClampInts(v[0], v[1], v[2], v[3]); }
    static unsigned char HalfChannel(unsigned char c) { return (unsigned char)((c + 1) >> 1); }
};

static_assert(sizeof(RGBCOLOR) == 4, "a colour is four contiguous bytes");
