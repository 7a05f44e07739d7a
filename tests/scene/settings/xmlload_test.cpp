// Reading the settings subtree back: round trips, versions, and hostile input.
#include "ownhost.h"

#include "base/trace.h"
#include "host/hxplugin.h"
#include "scene/rendpyl_xml.h"
#include "settingsfill.h"
#include "tools/hxhost/hxhostlib.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::initializer_list<std::pair<const char*, const char*>> ATTRS;

HXXmlElement Add(HXXmlElement parent, const char* name, ATTRS attrs = {}) {
    HXXmlElement e = parent.AddChild(name);
    for (const auto& [key, value] : attrs)
        e.SetAttribute(key, value);
    return e;
}

// A model as the document import leaves it: one default record per host material. Opening a document
// ends the elements of the one before, so models that share elements share the document.
struct IMPORTED {
    HXDoc doc;
    RENDPYL_MODEL model;
    explicit IMPORTED(HXDoc d = OpenDoc(kThreeMaterials)) : doc(d) {
        model.SetDoc(doc);
        model.SyncHostMtls();
    }
    int Load(HXXmlElement elem) {
        HXDocParam param = {elem.Handle(), 0};
        return RENDPYL_XMLLOAD().Load(doc, &model, &param);
    }
    // Into a fresh element, which ends the one saved into before.
    HXXmlElement SaveElement() {
        HXDocParam param = {FreshElement().Handle(), 0};
        RENDPYL_XMLSAVE().Save(doc, &model, &param);
        return HXXmlElement(param.elem);
    }
    std::string Save() { return Dump(SaveElement()); }
};

// A settings element holding one "model" of the current version; its children are added by the test.
HXXmlElement ModelElement(HXXmlElement& root, const char* ver = "10000") {
    root = FreshElement();
    return ver ? Add(root, "model", {{"ver", ver}}) : Add(root, "model");
}

std::vector<std::string> traces;
void CatchTrace(void*, const char* text) {
    traces.push_back(text);
}

TEST(RendpylXmlLoad, SavedLoadedAndSavedAgainIsIdentical) {
    IMPORTED first, second(first.doc);
    FillEveryField(first.model);
    HXXmlElement root = first.SaveElement();
    std::string saved = Dump(root);
    EXPECT_EQ(second.Load(root), 1);
    EXPECT_EQ(second.Save(), saved);

    // Every field takes part in the identical second save; the colour's alpha is not stored.
    EXPECT_EQ(second.model.GetRender()->backcol, RGBCOLOR(10, 20, 30, 255));
    EXPECT_EQ(second.model.GetDirLight(1)->owner, &second.model);
    EXPECT_EQ(second.model.GetMtlNum(), 3); // the reader never creates records
}

TEST(RendpylXmlLoad, VersionDecidesWhetherAModelIsRead) {
    void* oldContext;
    TRACEFUNC oldSink;
    GetTrace(oldContext, oldSink);
    SetTrace(nullptr, CatchTrace);
    for (const char* ver : std::initializer_list<const char*>{"9999", nullptr, "abc", "10001"}) {
        traces.clear();
        IMPORTED in;
        HXXmlElement root;
        Add(ModelElement(root, ver), "renderer", {{"width", "64"}});
        in.Load(root);
        bool read = ver && std::strcmp(ver, "10001") == 0;
        EXPECT_EQ(in.model.GetRender()->width, read ? 64 : 300) << (ver ? ver : "none");
        ASSERT_GE(traces.size(), 1u);
        int shown = ver && read ? 10001 : ver && std::strcmp(ver, "9999") == 0 ? 9999 : 0;
        EXPECT_EQ(traces[0],
                  "model:ver(" + std::to_string(shown) + ")****************************************\n");
        if (!read) {
            ASSERT_EQ(traces.size(), 2u);
            EXPECT_EQ(traces[1], "対応外の形式です!!\n");
        }
    }
    SetTrace(oldContext, oldSink);
}

TEST(RendpylXmlLoad, ElementsAreDispatchedByName) {
    IMPORTED in;
    HXXmlElement root;
    HXXmlElement model = ModelElement(root);
    Add(root, "other", {{"ver", "10000"}});
    Add(model, "Renderer", {{"width", "1"}}); // names are case-sensitive
    Add(model, "lightdir", {{"name", "A"}});
    Add(model, "lightdir", {{"name", "A"}}); // same name: still a second light
    Add(model, "lightpoint");
    // A second model element is read on top of the first.
    HXXmlElement again = Add(root, "model", {{"ver", "10000"}});
    Add(again, "lightdir", {{"name", "B"}});
    Add(again, "renderer", {{"height", "77"}});
    EXPECT_EQ(in.Load(root), 1);
    EXPECT_EQ(in.model.GetRender()->width, 300);
    EXPECT_EQ(in.model.GetRender()->height, 77);
    ASSERT_EQ(in.model.GetDirLightNum(), 3);
    EXPECT_STREQ(in.model.GetDirLight(1)->GetName(), "A");
    EXPECT_STREQ(in.model.GetDirLight(2)->GetName(), "B");
    EXPECT_EQ(in.model.GetPointLightNum(), 1);
    EXPECT_STREQ(in.model.GetPointLight(0)->GetName(), ""); // not named by the reader
}

TEST(RendpylXmlLoad, MaterialElementsNeedAKnownIdAndMapType) {
    IMPORTED in;
    HXXmlElement root;
    HXXmlElement model = ModelElement(root);
    HXXmlElement unknown = Add(model, "mtl", {{"ID", "4242"}, {"jump", "9 9"}});
    Add(unknown, "mtlmap", {{"type", "0"}, {"scale", "9"}});
    HXXmlElement noId = Add(model, "mtl", {{"jump", "8 8"}});
    Add(noId, "mtlmap", {{"type", "0"}, {"scale", "8"}});
    HXXmlElement known = Add(model, "mtl", {{"ID", "1002"}, {"jump", "7"}});
    Add(known, "mtlmap", {{"type", "3"}, {"scale", "6"}});
    Add(known, "mtlmap", {{"scale", "5"}});
    Add(known, "mapmtl", {{"type", "0"}, {"scale", "4"}});
    Add(known, "mtlmap",
        {{"type", "2"}, {"col", "300 -5 128"}, {"scale", "3"}}); // scale is not a specular field
    Add(known, "mtlmap", {{"type", "10"}, {"col", "1 2"}});
    in.model.FindMtlById(1002)->jump[1] = 6;
    in.Load(root);
    EXPECT_EQ(in.model.GetMtlNum(), 3);
    for (int id : {1001, 1003}) {
        const RENDPYL_MTL* m = in.model.FindMtlById(id);
        EXPECT_EQ(m->jump[0], 0);
        for (int i = 0; i < m->GetMapNum(); ++i)
            EXPECT_TRUE(m->GetMap(i)->IsDefault());
    }
    const RENDPYL_MTL* m = in.model.FindMtlById(1002);
    EXPECT_EQ(m->jump[0], 7);
    EXPECT_EQ(m->jump[1], 6); // not in the text: kept
    EXPECT_EQ(m->FindMap(RENDPYL_MAP_DIFFUSE)->scale, 1.0f);
    EXPECT_EQ(m->FindMap(RENDPYL_MAP_SPECULAR)->col, RGBCOLOR(255, 0, 128, 255));
    EXPECT_EQ(m->FindMap(RENDPYL_MAP_SPECULAR)->scale, 1.0f);
    // Fewer numbers than channels: the missing channels keep their values.
    EXPECT_EQ(m->FindMap(RENDPYL_MAP_TRANSPARENCY)->col, RGBCOLOR(1, 2, 255, 255));
}

// Numbers that are no numbers or too large, and texts longer than the fields.
TEST(RendpylXmlLoad, HostileValuesReadAsFallbacksOrCut) {
    IMPORTED in;
    std::string ascii(2000, 'a'), wide;
    for (int i = 0; i < 1000; ++i)
        wide += "影";
    in.model.GetCamera()->lenstilt.value = FVEC2(7, 8);
    HXXmlElement root;
    HXXmlElement model = ModelElement(root);
    Add(model, "renderer",
        {{"width", "abc"},
         {"height", "99999999999999999999"},
         {"backcol", "x y z"},
         {"use_back_flg", "-99999999999999"},
         {"anisotropy", "nonsense"},
         {"homogeneousextinction", "1.5 abc 3"},
         {"homogeneousalbedo", "  2e3, 4"},
         {"extinction", "1e999 -1e999 1e-999"},
         {"albedo", ""},
         {"origin", "12px 3"}});
    Add(model, "camera",
        {{"film_size", "+0.5"}, {"focalratio", "-"}, {"lenstilt", "9"}, {"use_focalratio", " 42abc"}});
    Add(model, "lightdir",
        {{"reverse", "2147483648"},
         {"camtrace", "-2147483649"},
         {"dir", "--1 2 3"},
         {"name", ascii.c_str()},
         {"filename", wide.c_str()}});
    in.Load(root);
    const RENDPYL_RENDER& r = *in.model.GetRender();
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, INT_MAX);
    EXPECT_EQ(r.backcol, RGBCOLOR(128, 128, 128, 255));
    EXPECT_EQ(r.use_back_flg.value, INT_MIN);
    EXPECT_EQ(r.anisotropy.value, 0.0f);
    EXPECT_EQ(r.homogeneousextinction.value, FVEC3(1.5f, 0, 0));
    EXPECT_EQ(r.homogeneousalbedo.value, FVEC3(2000, 0, 0));
    EXPECT_EQ(r.extinction.value, FVEC3(FLT_MAX, -FLT_MAX, 0));
    EXPECT_EQ(r.albedo.value, FVEC3(0, 0, 0));
    EXPECT_EQ(r.origin.value, FVEC3(12, 0, 0));
    const RENDPYL_CAMERA& c = *in.model.GetCamera();
    EXPECT_EQ(c.film_size.value, 0.5f);
    EXPECT_EQ(c.focalratio.value, 0.0f);
    EXPECT_EQ(c.lenstilt.value, FVEC2(9, 8));
    EXPECT_EQ(c.use_focalratio.value, 42);
    const RENDPYL_LIGHTDIR& d = *in.model.GetDirLight(0);
    EXPECT_EQ(d.reverse, INT_MAX);
    EXPECT_EQ(d.camtrace, INT_MIN);
    EXPECT_EQ(d.dir, FVEC3(-0.12f, -0.14f, 0.98f));
    EXPECT_EQ(std::string(d.GetName()), ascii.substr(0, 1023));
    EXPECT_EQ(std::string(d.GetFilename()), wide.substr(0, 1022));
}

TEST(RendpylXmlLoad, NothingWithoutDocumentModelOrElement) {
    IMPORTED in;
    HXXmlElement root;
    Add(ModelElement(root), "renderer", {{"width", "5"}});
    HXDocParam param = {root.Handle(), 0};
    RENDPYL_XMLLOAD load;
    EXPECT_EQ(load.Load(HXDoc(), &in.model, &param), 0);
    EXPECT_EQ(load.Load(in.doc, nullptr, &param), 0);
    EXPECT_EQ(load.Load(in.doc, &in.model, nullptr), 0);
    HXDocParam noElem = {nullptr, 0};
    EXPECT_EQ(load.Load(in.doc, &in.model, &noElem), 0);
    EXPECT_EQ(in.model.GetRender()->width, 300);
}

} // namespace

namespace {

// The settings element of a document file, as the host hands it over when the document opens.
TEST(RendpylXmlLoad, FromTheDocumentsSettings) {
    HXDoc doc = OpenDoc(u8R"({ "materials": [ { "name": "red", "uid": 1001 } ],
        "settings": { "name": "pyldlgHX", "children": [ { "name": "model", "attributes": [["ver", "10000"]],
            "children": [
                { "name": "renderer", "attributes": [["width", "800"]] },
                { "name": "lightdir", "attributes": [["name", "太陽"]] },
                { "name": "mtl", "attributes": [["ID", "1001"]],
                  "children": [ { "name": "mtlmap", "attributes": [["type", "9"], ["bmp_type", "1"]] } ] }
            ] } ] } })");
    IMPORTED in(doc);
    EXPECT_EQ(in.Load(HXXmlElement(hxhost::SettingsElement())), 1);
    EXPECT_EQ(in.model.GetRender()->width, 800);
    ASSERT_EQ(in.model.GetDirLightNum(), 1);
    EXPECT_STREQ(in.model.GetDirLight(0)->GetName(), "太陽");
    EXPECT_EQ(in.model.GetMtl(0)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type, 1);
}

} // namespace
