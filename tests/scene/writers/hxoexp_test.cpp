#include "tests/scene/scenehost.h"

#include "scene/hxoexp.h"

namespace {

std::string Save(const HXO_MODEL& model, HXOEXP&& exporter = HXOEXP()) {
    std::string path = OutputDir("hxoexp") + "model.hxo";
    EXPECT_EQ(1, exporter.Save(path.c_str(), &model, 1));
    return ReadWholeFile(path);
}

HXO_FACE* AddFace(HXO_OBJ* obj, int count) {
    HXO_FACE* face = obj->AddFace();
    face->SetPointCount(count);
    for (int k = 0; k < count; ++k)
        face->SetIndex(k, k);
    return face;
}

// Faces without corners are counted but not written; colours are clamped, never wrapped; paths and
// names of any length appear whole. The other pieces of face lines are pinned by the golden files.
TEST(HxoExp, FaceLinesLongPathsAndNames) {
    HXO_MODEL model;
    std::string path = "C:\\" + std::string(1000, 'p') + ".bmp";
    model.AddMaterial()->SetTextureName(path.c_str());
    HXO_OBJ* obj = model.AddObject();
    obj->SetName(std::string(255, 'n').c_str());
    AddFace(obj, 0);
    HXO_FACE* coloured = AddFace(obj, 2);
    coloured->SetUseColor(1);
    coloured->SetColor(0, FVEC4(1.0f, 0.5f, 0.0f, 1.0f));
    coloured->SetColor(1, FVEC4(1.2f, -0.3f, 0.999f, 0.0f));
    std::string file = Save(model);
    EXPECT_NE(std::string::npos, file.find("\tface 2 {\r\n\t\t2 V(0 1) COL(4278222847 16646399)\r\n\t}\r\n"));
    EXPECT_NE(std::string::npos, file.find(" tex(\"" + path + "\")\r\n"));
    EXPECT_NE(std::string::npos, file.find("Object \"" + std::string(255, 'n') + "\" {\r\n"));
}

// Every optional part at once: the scene chunk, patch lines, colours and all material pieces.
TEST(HxoExp, GoldenEveryFeature) {
    HXO_MODEL model;
    HXO_SCENE* scene = model.GetScene();
    scene->SetAmbient(FVEC3(0.1f, 0.2f, 0.3f));
    scene->GetCamera()->SetOrtho(1);
    scene->GetCamera()->SetLookAt(FVEC3(1, -2, 3.5f));
    HXO_MATERIAL* m = model.AddMaterial();
    m->SetName("skin");
    m->SetColor(FVEC4(0.8f, 0.6f, 0.5f, 0.9f));
    m->SetDiffuse(0.7f);
    m->SetSpecular(0.3f);
    m->SetEmission(0.05f);
    m->SetPower(12.5f);
    m->SetTextureName("C:\\tex\\skin.bmp");
    model.AddMaterial()->SetVertexColor(1);
    HXO_OBJ* obj = model.AddObject();
    obj->SetName("patchy");
    obj->SetVisible(1);
    obj->SetPatch(3)->SetSegment(4)->SetShading(0)->SetDepth(2)->SetFolding(1);
    obj->SetFacet(0.7853982f);
    obj->SetScale(FVEC3(2, 2, 2));
    obj->SetRotation(FVEC3(0.1f, -0.2f, 0.3f));
    obj->SetTranslation(FVEC3(-100.25f, 0, 1e6f));
    obj->AddVertex(0, 0, 0);
    obj->AddVertex(1.5f, -0.000001f, 123456.789f);
    obj->AddVertex(-1e-7f, 2, 3);
    obj->AddVertex(7, 8, 9);
    HXO_FACE* face = AddFace(obj, 4);
    face->SetUseMaterial(1);
    face->SetMaterial(1);
    face->SetUseUV(1);
    face->SetUseColor(1);
    for (int k = 0; k < 4; ++k) {
        face->SetUV(k, FVEC2(k * 0.25f, -k * 0.5f));
        face->SetColor(k, FVEC4(k / 3.0f, 1 - k / 3.0f, 0.5f, 1));
    }
    model.AddObject()->SetName("empty");
    ExpectGolden("every_feature.hxo", Save(model, std::move(*HXOEXP().SetWriteScene(1))));
}

// A full disk fails every write and the close.
TEST(HxoExp, FailuresAreReported) {
    HXO_MODEL model;
    model.AddObject()->SetName("x");
    HXOEXP exporter;
    EXPECT_EQ(0, exporter.Save("Z:\\no\\such\\folder\\model.hxo", &model, 1));
    EXPECT_EQ(0, exporter.Save(nullptr, &model, 1));
    EXPECT_EQ(0, exporter.Save((OutputDir("hxoexp") + "none.hxo").c_str(), nullptr, 1));
    EXPECT_EQ(0, exporter.Save("Z:\\dev\\full", &model, 1));
    std::string path = OutputDir("hxoexp") + "empty.hxo";
    TABFOUT out;
    EXPECT_EQ(1, HXOEXP::SaveEmpty(out, path.c_str()));
    EXPECT_EQ(
        std::make_pair(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, ReadWholeFile(path)),
        std::make_pair(true, std::string()));
    EXPECT_EQ(0, HXOEXP::SaveEmpty(out, "Z:\\no\\such\\folder\\x"));
}

} // namespace
