// The sample document converted: its materials, objects, lights and map files.
#include <gtest/gtest.h>

#include <string>

#include "host_fixture.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"
#include "scene/rendpyl_model.h"
#include "tests/base/bitmap/bmpbuild.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

TEST(ConvertSample, SampleDocumentBecomesACompleteScene) {
    OpenDoc("{}"); // binds the host functions
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentFile(std::string(HX_TEST_DATA) + "/../../../samples/sample.json", &error))
        << error;
    HXDoc doc(hxhost::DocumentHandle());
    RENDPYL_MODEL model;
    model.SetDoc(doc);
    model.SyncHostMtls();
    model.AddPointLight();
    std::string dir = FreshFolder("sample");
    PYL_SCENE scene;
    ASSERT_EQ(ConvertScene(&scene, doc, &model, (dir + "tmp.pyl").c_str()), 1);

    const char* materials[] = {"floor", "red", "glass", "bumpy", "lamp"}; // the null slot is skipped
    ASSERT_EQ(scene.GetMaterialCount(), 5);
    for (int i = 0; i < 5; i++)
        EXPECT_STREQ(scene.GetMaterial(i)->GetName(), materials[i]);
    const char* objects[] = {"floor", "box", "pane", "half"}; // "hidden" is invisible, the lamp a light
    ASSERT_EQ(scene.GetObjectCount(), 4);
    for (int i = 0; i < 4; i++)
        EXPECT_STREQ(scene.GetObject(i)->GetName(), objects[i]);
    ASSERT_EQ(scene.GetLightCount(), 2);
    EXPECT_EQ(scene.GetLight(0)->GetType(), PYL_LIGHT::POINT);
    EXPECT_EQ(hxhost::CountObjectCalls().liveClones, 0);

    // The glass's alpha image and the leaf texture's own alpha become transparency maps.
    EXPECT_EQ(std::string(scene.GetMaterial(2)->FindChannel(PYL_MTLCH::TRANSPARENCY)->GetTexture()),
              dir + "__pyldlgHX__mtl2__alpha.bmp");
    EXPECT_EQ(std::string(scene.GetMaterial(3)->FindChannel(PYL_MTLCH::TRANSPARENCY)->GetTexture()),
              dir + "__pyldlgHX__mtl3__alpha.bmp");
    EXPECT_GT(LoadBytes(dir + "__pyldlgHX__mtl3__alpha.bmp").size(), 54u);
}

} // namespace
