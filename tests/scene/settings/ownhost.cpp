#include "ownhost.h"

#include "host/hxexports.h"
#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/xmltree.h"

#include <gtest/gtest.h>
#include <windows.h>

const char* const kThreeMaterials = R"({ "materials": [
    { "name": "red", "uid": 1001 }, { "name": "green", "uid": 1002 }, { "name": "blue", "uid": 1003 } ] })";

namespace {

class OwnHost : public testing::Environment {
  public:
    void SetUp() override {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        ASSERT_TRUE(HXInit(path));
        OpenDoc("{}");
    }
};

const testing::Environment* const ownHost = testing::AddGlobalTestEnvironment(new OwnHost);

void DumpInto(std::string& out, const hxhost::XmlElement& elem, int depth) {
    out += std::string(depth * 2, ' ') + elem.Name();
    for (const auto& [name, value] : elem.Attributes())
        out += " " + name + "=\"" + value + "\"";
    out += "\n";
    for (const auto& child : elem.Children())
        DumpInto(out, *child, depth + 1);
}

} // namespace

HXDoc OpenDoc(const std::string& json) {
    std::string error;
    EXPECT_TRUE(hxhost::OpenDocumentText(json, &error)) << error;
    return HXDoc(hxhost::DocumentHandle());
}

HXXmlElement FreshElement() {
    return HXXmlElement(hxhost::BeginSave());
}

std::string Dump(HXXmlElement elem) {
    std::string out;
    if (const hxhost::XmlElement* e = hxhost::XmlElement::FromHandle(elem.Handle())) DumpInto(out, *e, 0);
    return out;
}
