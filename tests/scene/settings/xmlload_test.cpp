// Reading the settings subtree: versions, dispatch by name, material records, and hostile input.
#include "tests/scene/scenehost.h"

#include "tests/common/mutate.h"

namespace {

HXXmlElement Add(HXXmlElement parent, const char* name,
                 std::initializer_list<std::pair<const char*, const char*>> attrs = {}) {
    HXXmlElement e = parent.AddChild(name);
    for (const auto& [key, value] : attrs)
        e.SetAttribute(key, value);
    return e;
}

TEST(RendpylXmlLoad, VersionDecidesWhetherAModelIsRead) {
    HXDoc doc = OpenDoc("{}");
    // The version attribute, and the version the trace shows.
    const std::pair<const char*, int> rows[] = {{"9999", 9999}, {nullptr, 0}, {"abc", 0}, {"10001", 10001}};
    for (const auto& [ver, shown] : rows) {
        HXXmlElement root = FreshElement();
        HXXmlElement model = ver ? Add(root, "model", {{"ver", ver}}) : Add(root, "model");
        Add(model, "renderer", {{"width", "64"}});
        RENDPYL_MODEL m;
        TraceLog trace;
        EXPECT_EQ(LoadSettings(doc, m, root), 1);
        std::string line = "model:ver(" + std::to_string(shown) + ")****************************************";
        EXPECT_EQ(m.GetRender()->width, shown > 10000 ? 64 : 300) << shown;
        EXPECT_TRUE(trace.Has(shown > 10000 ? line : line + "\n対応外の形式です!!")) << trace.text;
    }
}

// Elements are dispatched by exact name; every light element adds a light, also under a name already
// read; a second model element is read on top of the first. The reader never makes records: material
// elements of unknown or missing IDs are skipped, and so are maps of unknown or missing types; values
// not in the text are kept.
TEST(RendpylXmlLoad, ElementsByNameRecordsById) {
    HXDoc doc = OpenDoc(R"({"materials": [{"uid": 1001}, {"uid": 1002}]})");
    HXXmlElement root = FreshElement();
    HXXmlElement model = Add(root, "model", {{"ver", "10000"}});
    Add(root, "other", {{"ver", "10000"}});
    Add(model, "Renderer", {{"width", "1"}});
    Add(model, "lightdir", {{"name", "A"}});
    Add(model, "lightdir", {{"name", "A"}});
    Add(Add(model, "mtl", {{"ID", "4242"}, {"jump", "9 9"}}), "mtlmap", {{"type", "0"}, {"scale", "9"}});
    Add(Add(model, "mtl", {{"jump", "8 8"}}), "mtlmap", {{"type", "0"}, {"scale", "8"}});
    HXXmlElement known = Add(model, "mtl", {{"ID", "1002"}, {"jump", "7"}});
    Add(known, "mtlmap", {{"type", "3"}, {"scale", "6"}});
    Add(known, "mtlmap", {{"scale", "5"}});
    Add(known, "mapmtl", {{"type", "0"}, {"scale", "4"}});
    Add(known, "mtlmap", {{"type", "2"}, {"col", "300 -5 128"}, {"scale", "3"}});
    Add(known, "mtlmap", {{"type", "10"}, {"col", "1 2"}});
    HXXmlElement again = Add(root, "model", {{"ver", "10000"}});
    Add(again, "lightdir", {{"name", "B"}});
    Add(again, "renderer", {{"height", "77"}});
    RENDPYL_MODEL m;
    Import(m, doc);
    m.FindMtlById(1002)->jump[1] = 6;
    ASSERT_EQ(std::tuple(1, 3), (std::tuple{LoadSettings(doc, m, root), m.GetDirLightNum()}));
    EXPECT_EQ((std::vector<std::string>{m.GetDirLight(0)->GetName(), m.GetDirLight(1)->GetName(),
                                        m.GetDirLight(2)->GetName()}),
              (std::vector<std::string>{"A", "A", "B"}));
    m.DeleteAllDirLights();
    EXPECT_EQ(Dump(SaveSettings(doc, m)), "pyldlgHX\n"
                                          "  model ver=\"10000\"\n"
                                          "    renderer width=\"300\" height=\"77\" backcol=\"128 128 128\"\n"
                                          "    camera\n"
                                          "    lightsky\n"
                                          "    mtl ID=\"1001\"\n"
                                          "    mtl ID=\"1002\" jump=\"7 6\"\n"
                                          "      mtlmap type=\"2\" col=\"255 0 128\"\n"
                                          "      mtlmap type=\"10\" col=\"1 2 255\"\n");
}

// The saved model's children (the renderer, the lights, each material with its maps), one text each.
std::vector<std::string> Groups(HXXmlElement saved) {
    std::vector<std::string> groups;
    for (const auto& child : HostElem(saved)->Children()[0]->Children())
        DumpInto(groups.emplace_back(), *child, 0);
    return groups;
}

// The attributes of an element and below in document order, with the model's child they lie in.
struct ATTR {
    hxhost::XmlElement* elem;
    size_t group;
    std::string name, value;
};
void Attributes(hxhost::XmlElement* e, size_t group, std::vector<ATTR>& out) {
    for (const auto& [name, value] : e->Attributes())
        out.push_back({e, group, name, value});
    for (size_t i = 0; i < e->Children().size(); i++)
        Attributes(e->Children()[i].get(), group == std::string::npos ? i : group, out);
}

// Every value of a full save replaced by hostile texts, its prefixes and seeded damage. A value may
// change the settings of its own element, never those of another; a model element refused for its
// version leaves the model as it was; what was read is written so that it reads back the same.
TEST(RendpylXmlLoad, DamagedValuesStayInTheirElement) {
    HXDoc doc = OpenDocFile("every_setting");
    RENDPYL_MODEL full, none;
    Import(full, doc);
    ASSERT_EQ(LoadSettings(doc, full, HXXmlElement(hxhost::SettingsElement())), 1);
    Import(none, doc);
    const std::string fresh = Dump(SaveSettings(doc, none));
    HXXmlElement saved = SaveSettings(doc, full);
    const std::string clean = Dump(saved);
    const std::vector<std::string> cleanGroups = Groups(saved);
    std::vector<ATTR> attrs;
    Attributes(HostElem(saved)->Children()[0].get(), std::string::npos, attrs);
    auto check = [&](size_t n, const std::string& bad, const std::string& label) {
        HXXmlElement damaged = SaveSettings(doc, full);
        std::vector<ATTR> at;
        Attributes(HostElem(damaged)->Children()[0].get(), std::string::npos, at);
        at[n].elem->SetAttribute(at[n].name, bad);
        RENDPYL_MODEL m[3];
        for (RENDPYL_MODEL& each : m)
            Import(each, doc);
        TraceLog trace; // only the damaged model can be refused: the later reads are of saved ones
        ASSERT_EQ(LoadSettings(doc, m[0], damaged), 1);
        HXXmlElement read = SaveSettings(doc, m[0]);
        std::string got = Dump(read), what = at[n].name + "=\"" + bad + "\" (" + label + ")";
        std::vector<std::string> groups = Groups(read);
        // A value within a rounding of its default is written as the default, and after one more round
        // not at all; then the text is settled.
        LoadSettings(doc, m[1], read);
        HXXmlElement once = SaveSettings(doc, m[1]);
        std::string settled = Dump(once);
        LoadSettings(doc, m[2], once);
        ASSERT_EQ(Dump(SaveSettings(doc, m[2])), settled) << what;
        if (at[n].group == std::string::npos) { // the version: the model is read whole or not at all
            ASSERT_EQ(got, trace.Has("対応外の形式です!!") ? fresh : clean) << what;
            return;
        }
        if (at[n].group < groups.size()) groups[at[n].group] = cleanGroups[at[n].group]; // its own may change
        ASSERT_EQ(groups, cleanGroups) << what;
    };
    std::vector<std::string> hostile = {"nan", "-nan", "inf",      "-1e999",
                                        "",    "abc",  "\xff\xfe", "1 2 3 4 5 6 7 8 9"};
    hostile.push_back(std::string(5000, '9'));
    for (int i = 0; i < 3000; i++)
        hostile.back() += u8"影";
    mutate::Options o;
    o.rounds = 20;
    o.alphabet = "0123456789 +-.eEnaifx";
    for (size_t n = 0; n < attrs.size(); n++) {
        if (attrs[n].name == "ID") continue; // an ID names another record on purpose
        for (const std::string& bad : hostile)
            check(n, bad, "hostile text");
        auto visit = [&](const std::string& bad, const std::string& label) { check(n, bad, label); };
        mutate::EachPrefix(attrs[n].value, visit, 3);
        o.seed = unsigned(n) + 1;
        mutate::EachMutation(std::vector<std::string>{attrs[n].value}, o, visit);
    }
    EXPECT_GT(attrs.size(), 50u);
}

} // namespace
