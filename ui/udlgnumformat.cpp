// The text of the fields' numbers: what printf gives in the "C" locale, as the files have it, whatever
// locale another part of the process has set, so that a field reads back the value it shows.
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>
#include "ui/udlgnum.h"

namespace {

// A format of one conversion: the text around it, its flags, width and precision.
struct CONVERSION {
    std::string before, after;
    bool left = false, plus = false, space = false, zero = false;
    int width = 0, precision = -1;
    char type = 0;
};

// Literal text up to a conversion or the end; "%%" is one percent sign.
const char* ReadText(const char* p, std::string* text) {
    for (; *p && !(p[0] == '%' && p[1] != '%'); ++p) {
        text->push_back(*p);
        if (*p == '%') ++p;
    }
    return p;
}

// At most two digits: no field shows a text of hundreds of characters.
const char* ReadCount(const char* p, int* count) {
    *count = 0;
    for (int i = 0; i < 2 && *p >= '0' && *p <= '9'; ++i, ++p)
        *count = *count * 10 + (*p - '0');
    return p;
}

// Exactly one conversion of the given types, with printf's flags but '#' and the locale's grouping.
bool ReadFormat(const char* format, const char* types, CONVERSION* c) {
    const char* p = ReadText(format, &c->before);
    if (!*p) return false;
    for (++p;; ++p) {
        if (*p == '-')
            c->left = true;
        else if (*p == '+')
            c->plus = true;
        else if (*p == ' ')
            c->space = true;
        else if (*p == '0')
            c->zero = true;
        else
            break;
    }
    p = ReadCount(p, &c->width);
    if (*p == '.') p = ReadCount(p + 1, &c->precision);
    if (!*p || !std::strchr(types, *p)) return false;
    c->type = *p;
    return !*ReadText(p + 1, &c->after);
}

// The digits, with a minus sign when the value has one.
std::string Digits(int value, const CONVERSION& c) {
    char text[16];
    std::string digits(text, std::to_chars(text, text + sizeof text, value).ptr);
    if (c.precision < 0) return digits;
    if (c.precision == 0 && value == 0) return std::string();
    size_t sign = value < 0, count = digits.size() - sign;
    if (count < size_t(c.precision)) digits.insert(sign, c.precision - count, '0');
    return digits;
}

std::string Digits(float value, const CONVERSION& c) {
    // Room for the sign, the 39 whole digits of the largest float, the point and 99 decimals.
    char text[160];
    char type = char(std::tolower(c.type));
    auto form = type == 'f'   ? std::chars_format::fixed
                : type == 'e' ? std::chars_format::scientific
                              : std::chars_format::general;
    int precision = c.precision < 0 ? 6 : c.precision;
    std::string digits(text, std::to_chars(text, text + sizeof text, double(value), form, precision).ptr);
    if (type != c.type)
        for (char& ch : digits)
            ch = char(std::toupper(static_cast<unsigned char>(ch)));
    return digits;
}

template <class T> std::string FormatAs(const char* format, T value, const char* types) {
    CONVERSION c;
    if (!ReadFormat(format, types, &c)) {
        c = CONVERSION();
        ReadFormat(UDLGNUMTRAITS<T>::kFormat, types, &c);
    }
    std::string digits = Digits(value, c);
    std::string sign = c.plus ? "+" : c.space ? " " : "";
    if (digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    // Zeros pad after the sign, but not a number whose precision sets its digits, nor inf and nan.
    bool zeros = c.zero && (std::is_integral<T>::value ? c.precision < 0 : std::isfinite(float(value)));
    int pad = c.width - int(sign.size() + digits.size());
    if (pad > 0 && c.left)
        digits.append(pad, ' ');
    else if (pad > 0 && zeros)
        digits.insert(0, pad, '0');
    else if (pad > 0)
        sign.insert(0, pad, ' ');
    return c.before + sign + digits + c.after;
}

} // namespace

std::string UDLGNUMTRAITS<int>::Format(const char* format, int value) {
    return FormatAs(format, value, "di");
}

std::string UDLGNUMTRAITS<float>::Format(const char* format, float value) {
    return FormatAs(format, value, "fFeEgG");
}
