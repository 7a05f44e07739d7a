#include "scene/xmlattr.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "base/numfmt.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const char* SkipBlanks(const char* s) {
    while (IsBlank(*s))
        ++s;
    return s;
}

// The leading decimal integer of s, saturated to lo..hi; false when there is none. s moves past it.
bool ParseInteger(const char*& s, long long lo, long long hi, long long& value) {
    const char* p = SkipBlanks(s);
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (*p < '0' || *p > '9') return false;
    const long long limit = negative ? -lo : hi;
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        v = std::min(limit, v * 10 + (*p - '0')); // limit is below 2^33: no overflow
    value = negative ? -v : v;
    s = p;
    return true;
}

// The leading decimal float of s; too small a number becomes 0.
bool ParseFloat(const char*& s, float& value) {
    const char* p = SkipBlanks(s);
    bool negative = *p == '-';
    const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
    if (*digits == '+' || *digits == '-') return false;
    float v = 0.0f;
    auto [end, ec] = std::from_chars(digits, digits + std::strlen(digits), v);
    // "nan", "inf" and numbers too large for a float read as no finite value, which no setting can
    // use: they count as unreadable.
    if (ec == std::errc::invalid_argument || (ec == std::errc() && !std::isfinite(v))) return false;
    if (ec == std::errc::result_out_of_range) {
        const char* e = std::find_if(digits, end, [](char c) { return c == 'e' || c == 'E'; });
        if (e == end || e[1] != '-') return false;
        v = 0.0f;
    }
    value = negative ? -v : v;
    s = end;
    return true;
}

// The n leading numbers of the text into values, as far as the text supplies them.
int ParseFloats(const char* s, float* values, int n) {
    int i = 0;
    while (i < n && ParseFloat(s, values[i]))
        ++i;
    return i;
}

int ParseInts(const char* s, int* values, int n) {
    int i = 0;
    long long v = 0;
    while (i < n && ParseInteger(s, INT32_MIN, INT32_MAX, v))
        values[i++] = static_cast<int>(v);
    return i;
}

// Array forms: the text split at blanks, each piece's leading number (0 when none) into element i.
template <class T, class Parse> void ParseSplit(const char* s, T* values, int n, Parse parse) {
    for (int i = 0; i < n; ++i) {
        s = SkipBlanks(s);
        if (!*s) return;
        const char* piece = s;
        if (!parse(piece, values[i])) values[i] = 0;
        while (*s && !IsBlank(*s))
            ++s;
    }
}

void AppendInt(std::string& out, int v) {
    char buf[NUMFMT_MAX];
    out.append(buf, FormatInt(buf, v));
}

void AppendFloat(std::string& out, float v) {
    char buf[NUMFMT_MAX];
    out.append(buf, FormatFloat(buf, v));
}

template <class T> void SetJoined(HXXmlElement elem, const char* name, const T* values, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i) text += ' ';
        if constexpr (std::is_same_v<T, float>)
            AppendFloat(text, values[i]);
        else
            AppendInt(text, values[i]);
    }
    elem.SetAttribute(name, text.c_str());
}

int SetColour(HXXmlElement elem, const char* name, const RGBCOLOR& col, int channels) {
    const int values[4] = {col.r, col.g, col.b, col.a};
    SetJoined(elem, name, values, channels);
    return 1;
}

int GetColour(HXXmlElement elem, const char* name, RGBCOLOR& col, int channels) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    int v[4] = {col.r, col.g, col.b, channels == 4 ? col.a : 255};
    ParseInts(text.c_str(), v, channels);
    col = RGBCOLOR(v[0], v[1], v[2], v[3]);
    return 1;
}

// The components of a vector lie one after the other, from x on.
int GetFloats(HXXmlElement elem, const char* name, float* components, int n) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    ParseFloats(text.c_str(), components, n);
    return 1;
}

} // namespace

HXXmlElement AddElem(HXXmlElement elem, const char* name) {
    return elem.AddChild(name);
}
HXXmlElement FirstElem(HXXmlElement elem) {
    return elem.FirstChild();
}
HXXmlElement NextElem(HXXmlElement elem, HXXmlElement child) {
    return elem.NextChild(child);
}
bool IsElemName(HXXmlElement elem, const char* name) {
    return elem.GetName() == name;
}

void SetAttr(HXXmlElement elem, const char* name, int value) {
    SetJoined(elem, name, &value, 1);
}
void SetAttr(HXXmlElement elem, const char* name, float value) {
    SetJoined(elem, name, &value, 1);
}
void SetAttr(HXXmlElement elem, const char* name, const char* text) {
    elem.SetAttribute(name, text);
}
void SetAttr(HXXmlElement elem, const char* name, const FVEC2& v) {
    SetJoined(elem, name, &v.x, 2);
}
void SetAttr(HXXmlElement elem, const char* name, const FVEC3& v) {
    SetJoined(elem, name, &v.x, 3);
}
void SetAttr(HXXmlElement elem, const char* name, const FVEC4& v) {
    SetJoined(elem, name, &v.x, 4);
}
void SetAttr(HXXmlElement elem, const char* name, const FQUAT& q) {
    SetJoined(elem, name, &q.x, 4);
}
void SetAttr(HXXmlElement elem, const char* name, const RGBCOLOR& col) {
    SetColour(elem, name, col, 4);
}
void SetAttrRGB(HXXmlElement elem, const char* name, const RGBCOLOR& col) {
    SetColour(elem, name, col, 3);
}
void SetAttr(HXXmlElement elem, const char* name, const float* values, int count) {
    SetJoined(elem, name, values, count);
}
void SetAttr(HXXmlElement elem, const char* name, const int* values, int count) {
    SetJoined(elem, name, values, count);
}

int GetAttrText(HXXmlElement elem, const char* name, char* field, size_t size) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    CopyTextCut(field, size, text.c_str());
    return 1;
}

int GetAttrInteger(HXXmlElement elem, const char* name, long long lo, long long hi, long long& value) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    const char* s = text.c_str();
    if (!ParseInteger(s, lo, hi, value)) value = 0;
    return 1;
}

int GetAttr(HXXmlElement elem, const char* name, float& value) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    const char* s = text.c_str();
    if (!ParseFloat(s, value)) value = 0.0f;
    return 1;
}

int GetAttr(HXXmlElement elem, const char* name, FVEC2& v) {
    return GetFloats(elem, name, &v.x, 2);
}
int GetAttr(HXXmlElement elem, const char* name, FVEC3& v) {
    return GetFloats(elem, name, &v.x, 3);
}
int GetAttr(HXXmlElement elem, const char* name, FVEC4& v) {
    return GetFloats(elem, name, &v.x, 4);
}
int GetAttr(HXXmlElement elem, const char* name, FQUAT& q) {
    return GetFloats(elem, name, &q.x, 4);
}
int GetAttr(HXXmlElement elem, const char* name, RGBCOLOR& col) {
    return GetColour(elem, name, col, 4);
}
int GetAttrRGB(HXXmlElement elem, const char* name, RGBCOLOR& col) {
    return GetColour(elem, name, col, 3);
}

int GetAttr(HXXmlElement elem, const char* name, float* values, int count) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    ParseSplit(text.c_str(), values, count, ParseFloat);
    return 1;
}

int GetAttr(HXXmlElement elem, const char* name, int* values, int count) {
    std::string text;
    if (!elem.GetAttribute(name, text)) return 0;
    ParseSplit(text.c_str(), values, count, [](const char*& s, int& v) {
        long long x = 0;
        bool ok = ParseInteger(s, INT32_MIN, INT32_MAX, x);
        v = static_cast<int>(x);
        return ok;
    });
    return 1;
}
