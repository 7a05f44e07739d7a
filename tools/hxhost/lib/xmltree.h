#pragma once
// The host's XML element tree: ordered children and attributes, texts kept as UTF-8.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hxhost {

class XmlElement {
  public:
    explicit XmlElement(std::string name, XmlElement* parent = nullptr);
    ~XmlElement();
    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;

    // Handles handed to the plug-in are element addresses; only live elements answer.
    static XmlElement* FromHandle(void* handle);

    const std::string& Name() const { return name_; }
    XmlElement* Parent() const { return parent_; }
    bool HasText() const { return hasText_; }
    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    const std::vector<std::pair<std::string, std::string>>& Attributes() const { return attributes_; }
    const std::string* FindAttribute(const std::string& name) const;
    // A new name goes to the end; an existing one keeps its place.
    void SetAttribute(const std::string& name, std::string value);

    const std::vector<std::unique_ptr<XmlElement>>& Children() const { return children_; }
    XmlElement* AddChild(std::string name);
    bool RemoveChild(const XmlElement* child);
    // A null name matches every child; `after` must be a child of this element.
    XmlElement* FirstChild(const char* name) const;
    XmlElement* NextChild(const char* name, const XmlElement* after) const;

  private:
    std::string name_;
    XmlElement* parent_;
    bool hasText_ = false;
    std::string text_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::vector<std::unique_ptr<XmlElement>> children_;
};

// The element operations of the host's one XML entry point; false for an unknown code.
bool XmlValue(void* element, int code, void** block);

} // namespace hxhost
