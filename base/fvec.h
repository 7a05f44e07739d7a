// Float vectors of two, three and four components: positions, directions, float colours and
// texture coordinates. Plain values with contiguous components and no virtual functions.
#pragma once

#include <cmath>

// Operations every vector type shares. Each type supplies Apply (a component-wise map over
// vectors), All (a component-wise test), Total (the sum of its components in order) and
// Fallback (its last axis).
template <class V> struct FVECOPS {
    friend V operator+(const V& a) { return a; }
    friend V operator-(const V& a) {
        return V::Apply([](float p) { return -p; }, a);
    }
    friend bool operator==(const V& a, const V& b) {
        return V::All([](float p, float q) { return p == q; }, a, b);
    }
    friend bool operator!=(const V& a, const V& b) { return !(a == b); }

    friend V operator+(const V& a, const V& b) {
        return V::Apply([](float p, float q) { return p + q; }, a, b);
    }
    friend V operator-(const V& a, const V& b) {
        return V::Apply([](float p, float q) { return p - q; }, a, b);
    }
    friend V operator*(const V& a, const V& b) {
        return V::Apply([](float p, float q) { return p * q; }, a, b);
    }
    friend V operator/(const V& a, const V& b) {
        return V::Apply([](float p, float q) { return p / q; }, a, b);
    }
    friend V operator*(const V& a, float f) {
        return V::Apply([f](float p) { return p * f; }, a);
    }
    // A true division per component, not a product with 1 / f.
    friend V operator/(const V& a, float f) {
        return V::Apply([f](float p) { return p / f; }, a);
    }
    V Divide(float f) const { return Self() / f; }

    V& operator+=(const V& v) { return Self() = Self() + v; }
    V& operator-=(const V& v) { return Self() = Self() - v; }
    V& operator*=(float f) { return Self() = Self() * f; }
    V& operator/=(float f) { return Self() = Self() / f; }

    V& Lerp(const V& a, const V& b, float t) { return Self() = (b - a) * t + a; }
    float Dot(const V& v) const { return V::Total(Self() * v); }
    float LengthSq() const { return Dot(Self()); }
    float Length() const { return std::sqrt(LengthSq()); }
    float Distance(const V& v) const { return (Self() - v).Length(); }

    V& Clamp(const V& lo, const V& hi) {
        return Self() = V::Apply(
                   [](float p, float l, float h) {
                       if (p < l) p = l;
                       if (p > h) p = h;
                       return p;
                   },
                   Self(), lo, hi);
    }
    V& Min(const V& a, const V& b) {
        return Self() = V::Apply([](float p, float q) { return q < p ? q : p; }, a, b);
    }
    V& Max(const V& a, const V& b) {
        return Self() = V::Apply([](float p, float q) { return q > p ? q : p; }, a, b);
    }

    // Short vectors, and those with a not-a-number component, become the last axis rather
    // than zero, so a direction is always usable. One too large to square in single precision
    // has an infinite length, and 1 / length would make it zero: it is first brought to a
    // largest component of 1.
    V& Normalize() {
        float length = Length();
        if (std::isinf(length)) return (Self() = ScaledByLargest()).Normalize();
        if (!(length >= 0.0001f)) return Self() = V::Fallback();
        return Self() *= 1.0f / length;
    }

  private:
    V& Self() { return static_cast<V&>(*this); }
    const V& Self() const { return static_cast<const V&>(*this); }

    // Divided by its largest magnitude. With infinite components, those point the way (as the
    // limit of the division would) and the finite ones vanish, rather than giving inf / inf.
    V ScaledByLargest() const {
        float largest = 0;
        V::All(
            [&largest](float p) {
                largest = std::fmax(largest, std::fabs(p));
                return true; // on to the next component
            },
            Self());
        if (!std::isinf(largest)) return Self() / largest;
        return V::Apply([](float p) { return std::isinf(p) ? std::copysign(1.0f, p) : 0.0f; }, Self());
    }
};

struct FVEC2 : FVECOPS<FVEC2> {
    float x, y;

    static const FVEC2 Zero;

    FVEC2() = default;
    constexpr FVEC2(float x_, float y_) : x(x_), y(y_) {}
    void Set(float x_, float y_) { x = x_, y = y_; }

    float Cross(const FVEC2& v) const { return x * v.y - y * v.x; }
    // Signed angle from this to v for unit vectors, in [-pi/2, pi/2].
    float Angle(const FVEC2& v) const { return std::asin(-Cross(v)); }

    template <class F, class... A> static FVEC2 Apply(F f, const A&... a) {
        return FVEC2(f(a.x...), f(a.y...));
    }
    template <class F, class... A> static bool All(F f, const A&... a) { return f(a.x...) && f(a.y...); }
    static float Total(const FVEC2& v) { return v.x + v.y; }
    static FVEC2 Fallback() { return FVEC2(0, 1); }
};

struct FVEC3 : FVECOPS<FVEC3> {
    float x, y, z;

    static const FVEC3 Zero;

    FVEC3() = default;
    constexpr FVEC3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    explicit FVEC3(const FVEC2& v) : x(v.x), y(v.y), z(0) {}
    void Set(float x_, float y_, float z_) { x = x_, y = y_, z = z_; }

    using FVECOPS<FVEC3>::Dot;
    using FVECOPS<FVEC3>::Normalize;
    float Dot(const FVEC3& a, const FVEC3& b) const { return a.Dot(b); }
    FVEC3& Cross(const FVEC3& a, const FVEC3& b) {
        return *this = FVEC3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
    }
    FVEC3 Cross(const FVEC3& v) const { return FVEC3().Cross(*this, v); }
    FVEC3& Normalize(const FVEC3& v) { return (*this = v).Normalize(); }
    FVEC3& SetFaceNormal(const FVEC3& p0, const FVEC3& p1, const FVEC3& p2) {
        return Cross(p1 - p0, p2 - p1).Normalize();
    }

    template <class F, class... A> static FVEC3 Apply(F f, const A&... a) {
        return FVEC3(f(a.x...), f(a.y...), f(a.z...));
    }
    template <class F, class... A> static bool All(F f, const A&... a) {
        return f(a.x...) && f(a.y...) && f(a.z...);
    }
    static float Total(const FVEC3& v) { return v.x + v.y + v.z; }
    static FVEC3 Fallback() { return FVEC3(0, 0, 1); }
};

struct FVEC4 : FVECOPS<FVEC4> {
    float x, y, z, w;

    static const FVEC4 Zero;

    FVEC4() = default;
    constexpr FVEC4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    explicit FVEC4(const FVEC2& v) : x(v.x), y(v.y), z(0), w(0) {}
    explicit FVEC4(const FVEC3& v) : x(v.x), y(v.y), z(v.z), w(0) {}
    FVEC4& Set(float x_, float y_, float z_, float w_) {
        x = x_, y = y_, z = z_, w = w_;
        return *this;
    }

    template <class F, class... A> static FVEC4 Apply(F f, const A&... a) {
        return FVEC4(f(a.x...), f(a.y...), f(a.z...), f(a.w...));
    }
    template <class F, class... A> static bool All(F f, const A&... a) {
        return f(a.x...) && f(a.y...) && f(a.z...) && f(a.w...);
    }
    static float Total(const FVEC4& v) { return v.x + v.y + v.z + v.w; }
    static FVEC4 Fallback() { return FVEC4(0, 0, 0, 1); }
};

static_assert(sizeof(FVEC2) == 8 && sizeof(FVEC3) == 12 && sizeof(FVEC4) == 16,
              "vectors are read as consecutive floats");
