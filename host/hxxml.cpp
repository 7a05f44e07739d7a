#include "host/hxxml.h"

#include "host/hxhostfn.h"

#include <windows.h>

namespace {

// Operation codes of the host's element function: the high byte groups them.
enum {
    XML_ADD_CHILD = 0x101,
    XML_REMOVE_CHILD = 0x102,
    XML_FIRST_CHILD = 0x201,
    XML_NEXT_CHILD = 0x202,
    XML_PARENT = 0x203,
    XML_NAME = 0x301,
    XML_TEXT = 0x302,
    XML_ATTRIBUTE = 0x303,
    XML_SET_TEXT = 0x402,
    XML_SET_ATTRIBUTE = 0x403,
};

std::wstring ToWide(UINT codePage, const char* text) {
    if (!text) return {};
    int n = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(n, L'\0');
    n = MultiByteToWideChar(codePage, 0, text, -1, &wide[0], n);
    if (n <= 0) return {};
    wide.resize(n - 1); // the converted terminator
    return wide;
}

std::string FromWide(UINT codePage, const wchar_t* wide) {
    if (!wide) return {};
    int n = WideCharToMultiByte(codePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string text(n, '\0');
    n = WideCharToMultiByte(codePage, 0, wide, -1, &text[0], n, nullptr, nullptr);
    if (n <= 0) return {};
    text.resize(n - 1);
    return text;
}

std::string ToUtf8(const char* ansi) {
    return AnsiToUtf8(ansi);
}
std::string ToUtf8(const wchar_t* wide) {
    return WideToUtf8(wide);
}
void FromUtf8(const char* utf8, std::string& out) {
    out = Utf8ToAnsi(utf8);
}
void FromUtf8(const char* utf8, std::wstring& out) {
    out = Utf8ToWide(utf8);
}

// A name argument in UTF-8 that stays null when the caller passed null.
struct Utf8Name {
    std::string text;
    const char* ptr = nullptr;
    template <class C> explicit Utf8Name(const C* name) {
        if (name) {
            text = ToUtf8(name);
            ptr = text.c_str();
        }
    }
    void* Word() const { return const_cast<char*>(ptr); }
};

// Every out word is null before the call, so a host that answers nothing leaves "none". A null
// element asks the host nothing.
void* Call(HXXmlHandle elem, int code, void* w0 = nullptr, void* w1 = nullptr, void* w2 = nullptr,
           int out = -1) {
    void* block[3] = {w0, w1, w2};
    if (out >= 0) block[out] = nullptr;
    if (elem) hxfn::HXXmlElem_Value(elem, code, block);
    return out >= 0 ? block[out] : nullptr;
}

HXXmlElement ElementOf(void* word) {
    return HXXmlElement(static_cast<HXXmlHandle>(word));
}

template <class C> HXXmlElement AddChildOf(HXXmlHandle elem, const C* name) {
    Utf8Name n(name);
    return ElementOf(Call(elem, XML_ADD_CHILD, n.Word(), nullptr, nullptr, 1));
}

template <class C> HXXmlElement FirstChildOf(HXXmlHandle elem, const C* name) {
    Utf8Name n(name);
    return ElementOf(Call(elem, XML_FIRST_CHILD, n.Word(), nullptr, nullptr, 1));
}

template <class C> HXXmlElement NextChildOf(HXXmlHandle elem, const C* name, HXXmlElement after) {
    Utf8Name n(name);
    return ElementOf(Call(elem, XML_NEXT_CHILD, n.Word(), after.Handle(), nullptr, 2));
}

template <class S> S NameOf(HXXmlHandle elem) {
    S name;
    FromUtf8(static_cast<const char*>(Call(elem, XML_NAME, nullptr, nullptr, nullptr, 0)), name);
    return name;
}

template <class S> bool TextOf(HXXmlHandle elem, S& text) {
    const char* utf8 = static_cast<const char*>(Call(elem, XML_TEXT, nullptr, nullptr, nullptr, 0));
    FromUtf8(utf8, text);
    return utf8 != nullptr;
}

template <class C, class S> bool AttributeOf(HXXmlHandle elem, const C* name, S& value) {
    Utf8Name n(name);
    const char* utf8 = static_cast<const char*>(Call(elem, XML_ATTRIBUTE, n.Word(), nullptr, nullptr, 1));
    FromUtf8(utf8, value);
    return utf8 != nullptr;
}

template <class C> void SetTextOf(HXXmlHandle elem, const C* text) {
    std::string utf8 = ToUtf8(text);
    Call(elem, XML_SET_TEXT, &utf8[0]);
}

template <class C> void SetAttributeOf(HXXmlHandle elem, const C* name, const C* value) {
    Utf8Name n(name);
    std::string utf8 = ToUtf8(value);
    Call(elem, XML_SET_ATTRIBUTE, n.Word(), &utf8[0]);
}

} // namespace

std::string Utf8ToAnsi(const char* utf8) {
    return FromWide(CP_ACP, ToWide(CP_UTF8, utf8).c_str());
}
std::string AnsiToUtf8(const char* ansi) {
    return FromWide(CP_UTF8, ToWide(CP_ACP, ansi).c_str());
}
std::wstring Utf8ToWide(const char* utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(const wchar_t* wide) {
    return FromWide(CP_UTF8, wide);
}

HXXmlElement HXXmlElement::AddChild(const char* name) const {
    return AddChildOf(handle_, name);
}
HXXmlElement HXXmlElement::AddChild(const wchar_t* name) const {
    return AddChildOf(handle_, name);
}

int HXXmlElement::RemoveChild(HXXmlElement child) const {
    int result = 0;
    Call(handle_, XML_REMOVE_CHILD, child.Handle(), &result);
    return result != 0;
}

HXXmlElement HXXmlElement::FirstChild() const {
    return FirstChildOf<char>(handle_, nullptr);
}
HXXmlElement HXXmlElement::FirstChild(const char* name) const {
    return FirstChildOf(handle_, name);
}
HXXmlElement HXXmlElement::FirstChild(const wchar_t* name) const {
    return FirstChildOf(handle_, name);
}
HXXmlElement HXXmlElement::NextChild(HXXmlElement after) const {
    return NextChildOf<char>(handle_, nullptr, after);
}
HXXmlElement HXXmlElement::NextChild(const char* name, HXXmlElement after) const {
    return NextChildOf(handle_, name, after);
}
HXXmlElement HXXmlElement::NextChild(const wchar_t* name, HXXmlElement after) const {
    return NextChildOf(handle_, name, after);
}

HXXmlElement HXXmlElement::GetParent() const {
    return ElementOf(Call(handle_, XML_PARENT, nullptr, nullptr, nullptr, 0));
}

std::string HXXmlElement::GetName() const {
    return NameOf<std::string>(handle_);
}
std::wstring HXXmlElement::GetNameW() const {
    return NameOf<std::wstring>(handle_);
}

bool HXXmlElement::GetText(std::string& text) const {
    return TextOf(handle_, text);
}
bool HXXmlElement::GetText(std::wstring& text) const {
    return TextOf(handle_, text);
}
std::string HXXmlElement::GetText() const {
    std::string text;
    TextOf(handle_, text);
    return text;
}
std::wstring HXXmlElement::GetTextW() const {
    std::wstring text;
    TextOf(handle_, text);
    return text;
}
void HXXmlElement::SetText(const char* text) const {
    SetTextOf(handle_, text);
}
void HXXmlElement::SetText(const wchar_t* text) const {
    SetTextOf(handle_, text);
}

bool HXXmlElement::GetAttribute(const char* name, std::string& value) const {
    return AttributeOf(handle_, name, value);
}
bool HXXmlElement::GetAttribute(const wchar_t* name, std::wstring& value) const {
    return AttributeOf(handle_, name, value);
}
std::string HXXmlElement::GetAttribute(const char* name) const {
    std::string value;
    AttributeOf(handle_, name, value);
    return value;
}
std::wstring HXXmlElement::GetAttribute(const wchar_t* name) const {
    std::wstring value;
    AttributeOf(handle_, name, value);
    return value;
}
void HXXmlElement::SetAttribute(const char* name, const char* value) const {
    SetAttributeOf(handle_, name, value);
}
void HXXmlElement::SetAttribute(const wchar_t* name, const wchar_t* value) const {
    SetAttributeOf(handle_, name, value);
}
