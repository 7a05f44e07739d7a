// Writing the settings subtree: the exact elements, attributes and texts, defaults left out.
#include "ownhost.h"

#include "host/hxplugin.h"
#include "scene/rendpyl_xml.h"
#include "settingsfill.h"

#include <gtest/gtest.h>

namespace {

// What every save writes, whatever the model holds.
const std::string kAlwaysWritten = "model ver=\"10000\"\n"
                                   "  renderer width=\"300\" height=\"300\" backcol=\"128 128 128\"\n"
                                   "  camera\n"
                                   "  lightsky\n";

// Saves into a fresh host element and gives the "model" subtree.
std::string SaveModel(HXDoc doc, RENDPYL_MODEL& model, HXDocParam* param = nullptr) {
    HXDocParam local = {FreshElement().Handle(), 0};
    if (!param) param = &local;
    EXPECT_EQ(RENDPYL_XMLSAVE().Save(doc, &model, param), 1);
    EXPECT_EQ(param->saved, 1);
    return Dump(HXXmlElement(param->elem).FirstChild());
}

TEST(RendpylXmlSave, DefaultsWriteOnlyWhatIsAlwaysWritten) {
    HXDoc doc = OpenDoc("{}");
    RENDPYL_MODEL model;
    EXPECT_EQ(SaveModel(doc, model), kAlwaysWritten);
}

TEST(RendpylXmlSave, EveryValueChanged) {
    HXDoc doc = OpenDoc(kThreeMaterials);
    RENDPYL_MODEL model;
    model.SetDoc(doc);
    model.SyncHostMtls();
    FillEveryField(model);
    EXPECT_EQ(
        SaveModel(doc, model),
        "model ver=\"10000\"\n"
        "  renderer width=\"640\" height=\"-480\" backcol=\"10 20 30\" back_filename=\"C:\\back.bmp\""
        " use_back_flg=\"0\" anisotropy=\"0.500000\" homogeneousextinction=\"0.100000 0.200000 0.300000\""
        " homogeneousalbedo=\"0.400000 0.500000 0.600000\" extinction=\"1.000000 2.000000 3.000000\""
        " albedo=\"-1.000000 -2.000000 -3.000000\" origin=\"10.000000 20.000000 30.000000\""
        " size=\"100.000000 200.000000 300.000000\"\n"
        "  camera bokeh_filename=\"bokeh.bmp\" film_size=\"0.036000\" use_focalratio=\"1\""
        " focalratio=\"2.800000\" bokeh=\"0.500000 0.250000 0.125000\" distortion=\"0.900000\""
        " lenstilt=\"0.010000 0.020000\" filmtilt=\"0.030000 0.040000\" oblique=\"-0.050000 0.060000\"\n"
        "  lightsky filename=\"sky.hdr\" col=\"0.200000 0.400000 0.600000\" scale=\"3.000000\"\n"
        "  lightdir name=\"Sun\" filename=\"sun.bmp\" col=\"1.000000 0.900000 0.800000\" scale=\"2.000000\""
        " dir=\"0.000000 -1.000000 0.000000\" srcdir=\"0.000000 0.000000 1.000000\" reverse=\"1\""
        " camtrace=\"0\"\n"
        "  lightdir name=\"\" dir=\"-0.120000 -0.140000 0.980000\" srcdir=\"-0.120000 -0.140000 0.980000\""
        " reverse=\"0\" camtrace=\"1\"\n"
        "  lightpoint name=\"Lamp\" filename=\"lamp.bmp\" col=\"0.100000 0.200000 0.300000\""
        " scale=\"5.000000\" pos=\"1.000000 2.000000 3.000000\"\n"
        "  lightpoint name=\"\" pos=\"0.000000 0.000000 0.000000\"\n"
        "  mtl ID=\"1001\" ior=\"1.500000 1.600000\" reflection_ior=\"0.100000 0.200000 0.300000\""
        " specularre_flectance=\"0.900000 0.800000 0.700000\" axis=\"1.000000 0.000000 0.000000\""
        " jump=\"0 5\"\n"
        "    mtlmap type=\"0\" scale=\"2.000000\"\n"
        "    mtlmap type=\"2\" filename=\"spec.bmp\" col=\"1 2 3\"\n"
        "    mtlmap type=\"5\" filename=\"glow.bmp\" col=\"255 128 0\"\n"
        "    mtlmap type=\"1\" filename=\"env.bmp\" col=\"4 5 6\" scale=\"0.250000\" use=\"1\"\n"
        "    mtlmap type=\"10\" col=\"200 200 200\"\n"
        "    mtlmap type=\"9\" bmp_type=\"1\"\n"
        "  mtl ID=\"1002\"\n"
        "  mtl ID=\"1003\"\n"
        "    mtlmap type=\"1\" filename=\"chrome.bmp\" use=\"1\"\n");
}

TEST(RendpylXmlSave, ChangedConditions) {
    HXDoc doc = OpenDoc(kThreeMaterials);
    RENDPYL_MODEL model;
    model.SetDoc(doc);
    model.SyncHostMtls();
    // Set back to exactly their defaults: not written; alpha alone makes a colour differ.
    model.GetRender()->anisotropy.value = 0.25f;
    model.GetRender()->anisotropy.value = 0.0f;
    model.GetCamera()->focalratio.value = 1.0f;
    model.GetMtl(0)->jump[0] = 3;
    model.GetMtl(1)->FindMap(RENDPYL_MAP_SPECULAR)->col.a = 0;
    model.GetMtl(2)->FindMap(RENDPYL_MAP_DIFFUSE)->SetFilename("tex.bmp"); // not stored
    EXPECT_EQ(SaveModel(doc, model), kAlwaysWritten + "  mtl ID=\"1001\" jump=\"3 0\"\n"
                                                      "  mtl ID=\"1002\"\n"
                                                      "    mtlmap type=\"2\" col=\"255 255 255\"\n"
                                                      "  mtl ID=\"1003\"\n");
}

TEST(RendpylXmlSave, RecordOfAGoneMaterialIsNotWritten) {
    RENDPYL_MODEL model;
    model.SetDoc(OpenDoc(kThreeMaterials));
    model.SyncHostMtls();
    HXDoc doc = OpenDoc(R"({ "materials": [ { "name": "blue", "uid": 1003 } ] })");
    model.SetDoc(doc);
    EXPECT_EQ(SaveModel(doc, model), kAlwaysWritten + "  mtl ID=\"1003\"\n");
}

TEST(RendpylXmlSave, NothingWithoutDocumentModelOrElement) {
    HXDoc doc = OpenDoc("{}");
    RENDPYL_MODEL model;
    HXXmlElement elem = FreshElement();
    HXDocParam param = {elem.Handle(), 0};
    RENDPYL_XMLSAVE save;
    EXPECT_EQ(save.Save(HXDoc(), &model, &param), 0);
    EXPECT_EQ(save.Save(doc, nullptr, &param), 0);
    EXPECT_EQ(save.Save(doc, &model, nullptr), 0);
    HXDocParam noElem = {nullptr, 0};
    EXPECT_EQ(save.Save(doc, &model, &noElem), 0);
    EXPECT_EQ(param.saved, 0);
    EXPECT_EQ(noElem.saved, 0);
    EXPECT_FALSE(elem.FirstChild());
}

TEST(RendpylXmlSave, JapaneseLightNameReachesTheHostAsUtf8) {
    HXDoc doc = OpenDoc("{}");
    RENDPYL_MODEL model;
    model.AddDirLight()->SetName("太陽光");
    model.AddPointLight()->SetName("電球");
    EXPECT_EQ(SaveModel(doc, model),
              kAlwaysWritten + u8"  lightdir name=\"太陽光\" dir=\"-0.120000 -0.140000 0.980000\""
                               u8" srcdir=\"-0.120000 -0.140000 0.980000\" reverse=\"0\" camtrace=\"1\"\n"
                               u8"  lightpoint name=\"電球\" pos=\"0.000000 0.000000 0.000000\"\n");
}

} // namespace
