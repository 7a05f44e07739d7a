#include "tools/hxhost/lib/xmltree.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace hxhost {

namespace {
std::unordered_set<const XmlElement*>& LiveElements() {
    static std::unordered_set<const XmlElement*> live;
    return live;
}

bool Matches(const XmlElement& element, const char* name) {
    return name == nullptr || element.Name() == name;
}
} // namespace

XmlElement::XmlElement(std::string name, XmlElement* parent) : name_(std::move(name)), parent_(parent) {
    LiveElements().insert(this);
}

XmlElement::~XmlElement() {
    LiveElements().erase(this);
}

XmlElement* XmlElement::FromHandle(void* handle) {
    auto* element = static_cast<XmlElement*>(handle);
    return LiveElements().count(element) ? element : nullptr;
}

void XmlElement::SetText(std::string text) {
    text_ = std::move(text);
    hasText_ = true;
}

const std::string* XmlElement::FindAttribute(const std::string& name) const {
    for (const auto& [key, value] : attributes_)
        if (key == name) return &value;
    return nullptr;
}

void XmlElement::SetAttribute(const std::string& name, std::string value) {
    for (auto& [key, old] : attributes_) {
        if (key == name) {
            old = std::move(value);
            return;
        }
    }
    attributes_.emplace_back(name, std::move(value));
}

XmlElement* XmlElement::AddChild(std::string name) {
    children_.push_back(std::make_unique<XmlElement>(std::move(name), this));
    return children_.back().get();
}

bool XmlElement::RemoveChild(const XmlElement* child) {
    auto it =
        std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == child; });
    if (it == children_.end()) return false;
    children_.erase(it);
    return true;
}

XmlElement* XmlElement::FirstChild(const char* name) const {
    for (const auto& child : children_)
        if (Matches(*child, name)) return child.get();
    return nullptr;
}

XmlElement* XmlElement::NextChild(const char* name, const XmlElement* after) const {
    auto it =
        std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == after; });
    if (it == children_.end()) return nullptr;
    for (++it; it != children_.end(); ++it)
        if (Matches(**it, name)) return it->get();
    return nullptr;
}

bool XmlValue(void* handle, int code, void** block) {
    XmlElement* element = XmlElement::FromHandle(handle);
    if (block == nullptr) return false;
    auto text = [&](int word) { return static_cast<const char*>(block[word]); };
    // Out words stay null for an impossible request, as the plug-in expects.
    switch (code) {
    case 0x101:
        if (element && text(0)) block[1] = element->AddChild(text(0));
        return true;
    case 0x102: {
        auto* result = static_cast<int*>(block[1]);
        bool removed = element && element->RemoveChild(XmlElement::FromHandle(block[0]));
        if (result) *result = removed ? 1 : 0;
        return true;
    }
    case 0x201:
        if (element) block[1] = element->FirstChild(text(0));
        return true;
    case 0x202:
        if (element) block[2] = element->NextChild(text(0), XmlElement::FromHandle(block[1]));
        return true;
    case 0x203:
        if (element) block[0] = element->Parent();
        return true;
    case 0x301:
        if (element) block[0] = const_cast<char*>(element->Name().c_str());
        return true;
    case 0x302:
        if (element && element->HasText()) block[0] = const_cast<char*>(element->Text().c_str());
        return true;
    case 0x303:
        if (element && text(0)) {
            if (const std::string* value = element->FindAttribute(text(0)))
                block[1] = const_cast<char*>(value->c_str());
        }
        return true;
    case 0x402:
        if (element && text(0)) element->SetText(text(0));
        return true;
    case 0x403:
        if (element && text(0) && text(1)) element->SetAttribute(text(0), text(1));
        return true;
    default:
        return false;
    }
}

} // namespace hxhost
