// Typed attributes and child elements over the host's XML elements. Numbers are written as "%d" and
// "%f" in the C locale; reading takes the leading number of the text: integers saturate, floats beyond a
// float's range count as unreadable.
#pragma once

#include "base/fquat.h"
#include "base/fvec.h"
#include "base/rgbcolor.h"
#include "host/hxxml.h"
#include "scene/textfield.h"

#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

HXXmlElement AddElem(HXXmlElement elem, const char* name);
HXXmlElement FirstElem(HXXmlElement elem);
HXXmlElement NextElem(HXXmlElement elem, HXXmlElement child);
// Exact, case-sensitive.
bool IsElemName(HXXmlElement elem, const char* name);

void SetAttr(HXXmlElement elem, const char* name, int value);
void SetAttr(HXXmlElement elem, const char* name, float value);
void SetAttr(HXXmlElement elem, const char* name, const char* text);
void SetAttr(HXXmlElement elem, const char* name, const FVEC2& v);
void SetAttr(HXXmlElement elem, const char* name, const FVEC3& v);
void SetAttr(HXXmlElement elem, const char* name, const FVEC4& v);
void SetAttr(HXXmlElement elem, const char* name, const FQUAT& q);
void SetAttr(HXXmlElement elem, const char* name, const RGBCOLOR& col);    // "%d %d %d %d"
void SetAttrRGB(HXXmlElement elem, const char* name, const RGBCOLOR& col); // "%d %d %d", no alpha
void SetAttr(HXXmlElement elem, const char* name, const float* values, int count);
void SetAttr(HXXmlElement elem, const char* name, const int* values, int count);

// Each returns 1 when the attribute exists, 0 when not; an absent attribute leaves the destination as it
// was, and so do vector components and array elements that the text does not supply.
int GetAttrText(HXXmlElement elem, const char* name, char* field, size_t size);
template <size_t N> int GetAttr(HXXmlElement elem, const char* name, char (&field)[N]) {
    return GetAttrText(elem, name, field, N);
}
int GetAttrInteger(HXXmlElement elem, const char* name, long long lo, long long hi, long long& value);
// Integers of up to 32 bits, signed or unsigned, saturate to the destination's range.
template <class I, class = std::enable_if_t<std::is_integral_v<I> && sizeof(I) <= 4>>
int GetAttr(HXXmlElement elem, const char* name, I& value) {
    long long v = 0;
    if (!GetAttrInteger(elem, name, static_cast<long long>(std::numeric_limits<I>::min()),
                        static_cast<long long>(std::numeric_limits<I>::max()), v))
        return 0;
    value = static_cast<I>(v);
    return 1;
}
int GetAttr(HXXmlElement elem, const char* name, float& value);
int GetAttr(HXXmlElement elem, const char* name, FVEC2& v);
int GetAttr(HXXmlElement elem, const char* name, FVEC3& v);
int GetAttr(HXXmlElement elem, const char* name, FVEC4& v);
int GetAttr(HXXmlElement elem, const char* name, FQUAT& q);
int GetAttr(HXXmlElement elem, const char* name, RGBCOLOR& col);    // four numbers, each clamped to 0..255
int GetAttrRGB(HXXmlElement elem, const char* name, RGBCOLOR& col); // three numbers, alpha 255
int GetAttr(HXXmlElement elem, const char* name, float* values, int count);
int GetAttr(HXXmlElement elem, const char* name, int* values, int count);

// The parsed value, or def when the attribute is absent.
template <class T> T GetAttrOr(HXXmlElement elem, const char* name, const T& def) {
    T value = def;
    GetAttr(elem, name, value);
    return value;
}
inline RGBCOLOR GetAttrRGBOr(HXXmlElement elem, const char* name, const RGBCOLOR& def) {
    RGBCOLOR value = def;
    GetAttrRGB(elem, name, value);
    return value;
}
