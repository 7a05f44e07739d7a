// The host's XML elements, reached through one host function, and the UTF-8 conversions of the texts
// that cross it. The host owns the element tree; an HXXmlElement holds only the host's handle.
#pragma once

#include "host/hxfuncs.h"

#include <string>

// Narrow texts are in the system's ANSI code page; null gives empty text, as does a failed conversion.
std::string Utf8ToAnsi(const char* utf8);
std::string AnsiToUtf8(const char* ansi);
std::wstring Utf8ToWide(const char* utf8);
std::string WideToUtf8(const wchar_t* wide);

// A null element stands for no element: it answers null, empty text or false without asking the host.
class HXXmlElement {
  public:
    HXXmlElement(HXXmlHandle handle = nullptr) : handle_(handle) {}
    HXXmlHandle Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    bool operator==(const HXXmlElement& other) const { return handle_ == other.handle_; }
    bool operator!=(const HXXmlElement& other) const { return handle_ != other.handle_; }

    HXXmlElement AddChild(const char* name) const;
    HXXmlElement AddChild(const wchar_t* name) const;
    int RemoveChild(HXXmlElement child) const;

    // A null name walks all children; otherwise only those with that name.
    HXXmlElement FirstChild() const;
    HXXmlElement FirstChild(const char* name) const;
    HXXmlElement FirstChild(const wchar_t* name) const;
    HXXmlElement NextChild(HXXmlElement after) const;
    HXXmlElement NextChild(const char* name, HXXmlElement after) const;
    HXXmlElement NextChild(const wchar_t* name, HXXmlElement after) const;
    HXXmlElement GetParent() const;

    std::string GetName() const;
    std::wstring GetNameW() const;

    // False and empty text when the element has no text content.
    bool GetText(std::string& text) const;
    bool GetText(std::wstring& text) const;
    std::string GetText() const;
    std::wstring GetTextW() const;
    void SetText(const char* text) const;
    void SetText(const wchar_t* text) const;

    // False and empty value when the attribute is absent.
    bool GetAttribute(const char* name, std::string& value) const;
    bool GetAttribute(const wchar_t* name, std::wstring& value) const;
    std::string GetAttribute(const char* name) const;
    std::wstring GetAttribute(const wchar_t* name) const;
    void SetAttribute(const char* name, const char* value) const;
    void SetAttribute(const wchar_t* name, const wchar_t* value) const;

  private:
    HXXmlHandle handle_;
};
