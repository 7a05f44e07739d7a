// The number grammar of the fields: what a user may type, read without the C library's locale.
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include "ui/udlgnum.h"

namespace {

const char* SkipBlanks(const char* p) {
    while (*p && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool UDLGNUMTRAITS<int>::Parse(const char* text, int* value) {
    const char* p = SkipBlanks(text);
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long v = 0;
    for (; IsDigit(*p); ++p) {
        v = v * 10 + (*p - '0');
        if (v > 1LL + INT_MAX) v = 1LL + INT_MAX; // saturate, whatever the number of digits
    }
    if (negative) v = -v;
    *value = v > INT_MAX ? INT_MAX : static_cast<int>(v);
    return true;
}

int UDLGNUMTRAITS<int>::Step(int value, int step, int delta) {
    long long v = static_cast<long long>(value) + static_cast<long long>(step) * delta;
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

bool UDLGNUMTRAITS<float>::Parse(const char* text, float* value) {
    // Only sign, digits, a fraction and an exponent count: no "inf", "nan" or hexadecimal.
    const char* start = SkipBlanks(text);
    const char* p = start;
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    int intDigits = 0, leadingFractionZeros = 0;
    bool nonZeroSeen = false;
    for (; IsDigit(*p); ++p)
        if (nonZeroSeen || *p != '0') nonZeroSeen = true, ++intDigits;
    if (*p == '.') {
        for (++p; IsDigit(*p); ++p) {
            if (*p != '0') nonZeroSeen = true;
            if (!nonZeroSeen && !intDigits) ++leadingFractionZeros;
        }
    }
    if (p == digits || (p == digits + 1 && *digits == '.')) {
        *value = 0;
        return true;
    }
    long exponent = 0;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        bool negative = *e == '-';
        if (*e == '+' || *e == '-') ++e;
        if (IsDigit(*e)) {
            for (; IsDigit(*e); ++e)
                if (exponent < 100000) exponent = exponent * 10 + (*e - '0');
            if (negative) exponent = -exponent;
            p = e;
        }
    }
    std::string number(*start == '+' ? start + 1 : start, p);
    double d = 0;
    auto result =
        std::from_chars(number.data(), number.data() + number.size(), d, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small rounds to zero; too large is no value at all.
        long magnitude = (intDigits ? intDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0) return false;
        d = 0;
    }
    float f = static_cast<float>(d);
    if (!std::isfinite(f)) return false;
    *value = f;
    return true;
}

float UDLGNUMTRAITS<float>::Step(float value, float step, int delta) {
    return value + step * static_cast<float>(delta);
}
