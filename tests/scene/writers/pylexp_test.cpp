#include "tests/scene/scenehost.h"

#include "scene/pylexp.h"

namespace {

struct Exported {
    int result;
    std::string pyl, hxo;
};

Exported Export(const PYL_SCENE& scene, const char* dirName) {
    std::string path = OutputDir(dirName) + "tmp.pyl";
    Exported e;
    e.result = PYLEXP().Export(path.c_str(), &scene);
    e.pyl = ReadWholeFile(path);
    e.hxo = ReadWholeFile(OutputDir(dirName) + "tmp.hxo");
    return e;
}

PYL_MTLCH* AddChannel(PYL_MTL* mtl, int type, const char* texture = "") {
    PYL_MTLCH* ch = mtl->AddChannel();
    ch->SetType(type);
    ch->SetTexture(texture);
    return ch;
}

TEST(PylExp, EyeOnlyScene) {
    PYL_SCENE scene;
    scene.AddEye();
    Exported e = Export(scene, "pyl_eye");
    EXPECT_EQ(1, e.result);
    ExpectGolden("eye_only.pyl", e.pyl);
    EXPECT_EQ("Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\neof\r\n", e.hxo);
}

// Only a '.' after the last '\' starts an extension; a name that does not fit is no name.
TEST(PylExp, HxoPathChangesTheFileNameOnly) {
    char out[1024];
    EXPECT_EQ(1, MakeHxoPath(out, sizeof out, "C:\\my.dir\\scene"));
    EXPECT_STREQ("C:\\my.dir\\scene.hxo", out);
    EXPECT_EQ(0, MakeHxoPath(out, 10, "C:\\abcdefgh"));
    EXPECT_STREQ("", out);
}

// Lights of a kind the renderer does not know are skipped but keep their number.
TEST(PylExp, LightsAreNamedByListPosition) {
    PYL_SCENE scene;
    scene.AddEye();
    scene.AddLight()->SetTexture("sky 100%.bmp");
    scene.AddLight()->SetType(7);
    PYL_LIGHT* point = scene.AddLight();
    point->SetType(PYL_LIGHT::POINT);
    point->position = FVEC3(1, 2, 3);
    std::string pyl = Export(scene, "pyl_lights").pyl;
    EXPECT_NE(std::string::npos,
              pyl.find("\t\tnew ParallelLight \"light0\"\r\n"
                       "\t\t\tEmission          1.000000 1.000000 1.000000 \"sky 100%.bmp\"\r\n"));
    EXPECT_NE(std::string::npos, pyl.find("\t\tnew PointLight \"light2\"\r\n"
                                          "\t\t\tIntensity          1.000000 1.000000 1.000000\r\n"
                                          "\t\t\tPosition           1.000000 2.000000 3.000000\r\n"));
    EXPECT_EQ(std::string::npos, pyl.find("light1"));
}

// Channels are written in the renderer's order, whatever order the scene holds them in; only the
// first channel of a type counts.
TEST(PylExp, MaterialChannelsInTableOrder) {
    PYL_SCENE scene;
    scene.AddEye();
    PYL_MTL* all = scene.AddMaterial();
    all->SetName("金属 50%");
    all->exponent = FVEC3(20, 30, 40);
    AddChannel(all, PYL_MTLCH::NORMAL, "n.bmp");
    AddChannel(all, PYL_MTLCH::REFLECTION)->SetColor(FVEC3(0.1f, 0.2f, 0.3f));
    AddChannel(all, PYL_MTLCH::TRANSPARENCY, "t.bmp");
    AddChannel(all, PYL_MTLCH::EMISSION);
    AddChannel(all, PYL_MTLCH::SPECULAR);
    AddChannel(all, PYL_MTLCH::DIFFUSE, "C:\\tex\\d.bmp")->SetColor(FVEC3(0.8f, 0.4f, 0.2f));
    AddChannel(all, PYL_MTLCH::DIFFUSE, "second.bmp");
    scene.AddMaterial()->SetName("plain");
    Exported e = Export(scene, "pyl_materials");
    EXPECT_EQ(1, e.result);
    EXPECT_NE(std::string::npos,
              e.pyl.find("\tnew Material \"金属 50%\"\r\n"
                         "\t\tDiffuse             0.800000 0.400000 0.200000 \"C:\\tex\\d.bmp\"\r\n"
                         "\t\tSpecular            1.000000 1.000000 1.000000\r\n"
                         "\t\tExponent            20.000000 20.000000\r\n"
                         "\t\tSpecularReflectance 0.100000 0.100000 0.100000\r\n"
                         "\t\tEmission            1.000000 1.000000 1.000000\r\n"
                         "\t\tTransparency        1.000000 1.000000 1.000000 \"t.bmp\"\r\n"
                         "\t\tReflection        0.100000 0.200000 0.300000\r\n"
                         "\t\tNormal             \"n.bmp\"\r\n"
                         "\r\n\tnew Material \"plain\"\r\n\r\n"));
    EXPECT_NE(std::string::npos,
              e.hxo.find("Material 2 {\r\n\t\"金属 50%\" col(1.000000 1.000000 1.000000 "
                         "1.000000) dif(1.000000) amb(0.250000) emi(0.000000) spc(0.000000) "
                         "power(5.000000) tex(\"C:\\tex\\d.bmp\")\r\n\t\"plain\" col("));
}

TEST(PylExp, ObjectsBecomeHxoObjects) {
    PYL_SCENE scene;
    scene.AddEye();
    PYL_OBJ* obj = scene.AddObject();
    obj->SetName("quad");
    obj->SetFacet(1.0471976f);
    PYL_FACE* face = obj->AddFace();
    face->SetCount(4);
    face->SetMaterial(-1);
    for (int k = 0; k < 4; ++k) {
        obj->AddVertex(FVEC3(k == 1 || k == 2, k >= 2, 0));
        face->SetVertex(k, k);
        face->SetUV(k, FVEC2(k & 1 ? 1.0f : 0.0f, k & 2 ? 1.0f : 0.0f));
    }
    ExpectGolden("pyl_object.hxo", Export(scene, "pyl_objects").hxo);
}

// Written to memory: a path this long cannot be opened as a file. A stream that cannot grow fails.
TEST(PylExp, LongPathsAppearWholeAndShortWritesFail) {
    PYL_SCENE scene;
    scene.AddEye();
    std::string texture = "D:\\" + std::string(996, 't') + ".bmp";
    AddChannel(scene.AddMaterial(), PYL_MTLCH::NORMAL, texture.c_str());
    std::string path = "C:\\" + std::string(993, 'L') + ".pyl";
    TABFOUT out;
    FOUTMEM mem;
    ASSERT_EQ(1, mem.Create(out, 16));
    PYLEXP exporter;
    EXPECT_EQ(1, exporter.WriteScene(out, path.c_str(), &scene));
    std::string pyl(reinterpret_cast<const char*>(mem.GetBuffer()), out.Tell());
    path.replace(path.size() - 3, 3, "hxo");
    EXPECT_NE(std::string::npos, pyl.find("\t\tFile     \"" + path + "\"\r\n"));
    EXPECT_NE(std::string::npos, pyl.find("\t\tNormal             \"" + texture + "\"\r\n"));
    char small[100];
    FOUTMEM fixed(out, small, sizeof small);
    EXPECT_EQ(0, exporter.WriteScene(out, "C:\\w\\tmp.pyl", &scene));
}

TEST(PylExp, FailuresAreReported) {
    PYL_SCENE scene;
    PYLEXP exporter;
    std::string dir = OutputDir("pyl_fail");
    // No eye: the file is opened but nothing is written.
    EXPECT_EQ(0, exporter.Export((dir + "noeye.pyl").c_str(), &scene));
    EXPECT_EQ("", ReadWholeFile(dir + "noeye.pyl"));
    scene.AddEye();
    EXPECT_EQ(0, exporter.Export(nullptr, &scene));
    EXPECT_EQ(0, exporter.Export((dir + "x.pyl").c_str(), nullptr));
    EXPECT_EQ(0, exporter.Export("Z:\\no\\such\\folder\\tmp.pyl", &scene));
    EXPECT_EQ(0, exporter.Export("Z:\\dev\\full", &scene));
    // A folder stands where the HXO file goes: the PYL is still written.
    CreateDirectoryA((dir + "blocked.hxo").c_str(), nullptr);
    EXPECT_EQ(0, exporter.Export((dir + "blocked.pyl").c_str(), &scene));
    EXPECT_NE(std::string::npos, ReadWholeFile(dir + "blocked.pyl").find("blocked.hxo"));
}

} // namespace
