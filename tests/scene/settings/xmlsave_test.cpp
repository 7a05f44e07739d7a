// Writing the settings subtree: what counts as changed, records without host material, refusals.
#include "tests/scene/scenehost.h"

namespace {

const char* kThreeMaterials = R"({"materials": [{"uid": 1001}, {"uid": 1002}, {"uid": 1003}]})";
const std::string kAlwaysWritten = "pyldlgHX\n"
                                   "  model ver=\"10000\"\n"
                                   "    renderer width=\"300\" height=\"300\" backcol=\"128 128 128\"\n"
                                   "    camera\n"
                                   "    lightsky\n";

// Values set back to their defaults are not written, nor is what a map type does not store; alpha
// alone makes a colour differ. The record of a material the host no longer has is kept, not written.
TEST(RendpylXmlSave, OnlyChangedValuesOfMaterialsTheHostHas) {
    RENDPYL_MODEL model;
    Import(model, OpenDoc(kThreeMaterials));
    model.GetRender()->anisotropy.value = 0.25f;
    model.GetRender()->anisotropy.value = 0.0f;
    model.GetMtl(0)->jump[0] = 3;
    model.GetMtl(1)->FindMap(RENDPYL_MAP_SPECULAR)->col.a = 0;
    model.GetMtl(2)->FindMap(RENDPYL_MAP_DIFFUSE)->SetFilename("tex.bmp");
    HXDoc doc = OpenDoc(kThreeMaterials);
    model.SetDoc(doc);
    EXPECT_EQ(Dump(SaveSettings(doc, model)), kAlwaysWritten + "    mtl ID=\"1001\" jump=\"3 0\"\n"
                                                               "    mtl ID=\"1002\"\n"
                                                               "      mtlmap type=\"2\" col=\"255 255 255\"\n"
                                                               "    mtl ID=\"1003\"\n");
    doc = OpenDoc(R"({"materials": [{"uid": 1003}]})");
    model.SetDoc(doc);
    EXPECT_EQ(Dump(SaveSettings(doc, model)), kAlwaysWritten + "    mtl ID=\"1003\"\n");
}

TEST(RendpylXmlSave, NothingWithoutDocumentModelOrElement) {
    HXDoc doc = OpenDoc("{}");
    RENDPYL_MODEL model;
    HXXmlElement elem = FreshElement();
    HXDocParam param = {elem.Handle(), 0}, noElem = {nullptr, 0};
    for (HXDocParam* p : {&param, &noElem, (HXDocParam*)nullptr}) {
        for (RENDPYL_MODEL* m : {&model, (RENDPYL_MODEL*)nullptr}) {
            for (HXDoc d : {doc, HXDoc()}) {
                if (p == &param && m && d) continue;
                EXPECT_EQ(RENDPYL_XMLSAVE().Save(d, m, p), 0);
                EXPECT_EQ(RENDPYL_XMLLOAD().Load(d, m, p), 0);
            }
        }
    }
    EXPECT_EQ(std::make_pair(param.saved, noElem.saved), std::make_pair(0, 0));
    EXPECT_FALSE(elem.FirstChild());
}

} // namespace
