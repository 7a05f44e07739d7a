// The PYL writer and the HXO file it writes beside the scene; whole converted documents are pinned by
// the golden documents.
#include "tests/scene/scenehost.h"

#include "scene/pylexp.h"

namespace {

// A scene of only an eye has an empty model; objects become the model's objects.
TEST(PylExp, EyeOnlySceneAndObjectsBecomeHxoObjects) {
    PYL_SCENE scene;
    scene.AddEye();
    std::string dir = OutputDir("pyl_eye");
    EXPECT_EQ(1, PYLEXP().Export((dir + "tmp.pyl").c_str(), &scene));
    ExpectGolden("eye_only.pyl", ReadWholeFile(dir + "tmp.pyl"));
    EXPECT_EQ("Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\neof\r\n", ReadWholeFile(dir + "tmp.hxo"));
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
    dir = OutputDir("pyl_objects");
    EXPECT_EQ(1, PYLEXP().Export((dir + "tmp.pyl").c_str(), &scene));
    ExpectGolden("pyl_object.hxo", ReadWholeFile(dir + "tmp.hxo"));
}

// Channels are written in the renderer's order, whatever order the scene holds them in, and only the
// first of a type (the golden documents pin the other lines); lights of a kind the renderer does not
// know are skipped but keep their number.
TEST(PylExp, ChannelsInTheRenderersOrderLightsByPosition) {
    PYL_SCENE scene;
    scene.AddEye();
    scene.AddLight()->SetType(7);
    scene.AddLight();
    PYL_MTL* mtl = scene.AddMaterial();
    for (int type : {PYL_MTLCH::NORMAL, PYL_MTLCH::REFLECTION, PYL_MTLCH::DIFFUSE, PYL_MTLCH::DIFFUSE}) {
        PYL_MTLCH* ch = mtl->AddChannel();
        ch->SetType(type);
        ch->SetColor(FVEC3(0.5f, 0.25f, type / 10.0f));
        ch->SetTexture(mtl->FindChannel(type) != ch ? "second.bmp"
                       : type == PYL_MTLCH::NORMAL  ? "n.bmp"
                                                    : "");
    }
    std::string dir = OutputDir("pyl_channels");
    EXPECT_EQ(1, PYLEXP().Export((dir + "tmp.pyl").c_str(), &scene));
    std::string pyl = ReadWholeFile(dir + "tmp.pyl");
    EXPECT_EQ(std::string::npos, pyl.find("light0"));
    EXPECT_NE(std::string::npos, pyl.find("\"light1\""));
    EXPECT_NE(std::string::npos, pyl.find("\tnew Material \"\"\r\n"
                                          "\t\tDiffuse             0.500000 0.250000 0.000000\r\n"
                                          "\t\tReflection        0.500000 0.250000 0.100000\r\n"
                                          "\t\tNormal             \"n.bmp\"\r\n\r\n"));
}

// Written to memory: a path this long cannot be opened as a file. A stream that cannot grow fails. Only
// a '.' after the last '\' starts an extension; a model name that does not fit is no name.
TEST(PylExp, LongPathsAppearWholeAndShortWritesFail) {
    PYL_SCENE scene;
    scene.AddEye();
    std::string texture = "D:\\" + std::string(996, 't') + ".bmp";
    PYL_MTLCH* normal = scene.AddMaterial()->AddChannel();
    normal->SetType(PYL_MTLCH::NORMAL);
    normal->SetTexture(texture.c_str());
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
    char hxo[1024];
    EXPECT_EQ(1, MakeHxoPath(hxo, sizeof hxo, "C:\\my.dir\\scene"));
    EXPECT_STREQ("C:\\my.dir\\scene.hxo", hxo);
    EXPECT_EQ(0, MakeHxoPath(hxo, 10, "C:\\abcdefgh"));
    EXPECT_STREQ("", hxo);
}

// Without eye the file is opened but nothing is written; when a folder stands where the HXO file
// goes the PYL is still written; a full disk fails the writes and the close.
TEST(PylExp, FailuresAreReported) {
    PYL_SCENE scene;
    PYLEXP exporter;
    std::string dir = OutputDir("pyl_fail");
    EXPECT_EQ(0, exporter.Export((dir + "noeye.pyl").c_str(), &scene));
    EXPECT_EQ("", ReadWholeFile(dir + "noeye.pyl"));
    scene.AddEye();
    EXPECT_EQ(0, exporter.Export(nullptr, &scene));
    EXPECT_EQ(0, exporter.Export((dir + "x.pyl").c_str(), nullptr));
    EXPECT_EQ(0, exporter.Export("Z:\\no\\such\\folder\\tmp.pyl", &scene));
    EXPECT_EQ(0, exporter.Export("Z:\\dev\\full", &scene));
    CreateDirectoryA((dir + "blocked.hxo").c_str(), nullptr);
    EXPECT_EQ(0, exporter.Export((dir + "blocked.pyl").c_str(), &scene));
    EXPECT_NE(std::string::npos, ReadWholeFile(dir + "blocked.pyl").find("blocked.hxo"));
}

} // namespace
