#include <gtest/gtest.h>

#include <string>

#include "scene/pyl_scene.h"

namespace {

void ExpectVec(const FVEC3& v, float x, float y, float z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

TEST(PylScene, NewSceneIsEmptyWithSpaceDefaults) {
    PYL_SCENE scene;
    EXPECT_EQ(scene.GetEyeCount(), 0);
    EXPECT_EQ(scene.GetLightCount(), 0);
    EXPECT_EQ(scene.GetMaterialCount(), 0);
    EXPECT_EQ(scene.GetObjectCount(), 0);
    EXPECT_EQ(scene.GetEye(0), nullptr); // the writer writes nothing without an eye
    const PYL_SPACE* s = scene.GetSpace();
    EXPECT_EQ(s->width, 256);
    EXPECT_EQ(s->height, 256);
    EXPECT_EQ(s->back_col, RGBCOLOR(255, 255, 255, 255));
    EXPECT_EQ(s->use_back, 1);
    ExpectVec(s->sky_light, 1, 1, 1);
    EXPECT_STREQ(s->GetBackFilename(), "");
    EXPECT_STREQ(s->GetSkyLightMap(), "");
    EXPECT_STREQ(s->GetExtinctionMap(), "");
    EXPECT_STREQ(s->GetAlbedoMap(), "");
}

TEST(PylScene, RecordsStartWithTheirDefaults) {
    PYL_SCENE scene;
    PYL_EYE* eye = scene.AddEye();
    ASSERT_EQ(scene.GetEye(0), eye);
    ExpectVec(eye->GetPosition(), 0, 0, 1500);
    ExpectVec(eye->GetUpside(), 0, 1, 0);
    EXPECT_EQ(eye->GetFov(), 60.0f);
    EXPECT_EQ(eye->film_size, 0.024f);

    PYL_LIGHT* light = scene.AddLight();
    EXPECT_EQ(light->GetType(), PYL_LIGHT::PARALLEL);
    ExpectVec(light->direction, 0, 1, 0);
    ExpectVec(light->col, 1, 1, 1);

    PYL_MTL* mtl = scene.AddMaterial();
    EXPECT_EQ(mtl->GetChannelCount(), 0);
    PYL_MTLCH* ch = mtl->AddChannel();
    EXPECT_EQ(ch->GetType(), PYL_MTLCH::DIFFUSE);
    ExpectVec(ch->GetColor(), 1, 1, 1);
    EXPECT_STREQ(ch->GetTexture(), "");

    PYL_OBJ* obj = scene.AddObject();
    EXPECT_EQ(obj->GetFacet(), 60.0f);
    EXPECT_EQ(obj->GetVertexCount(), 0);
    EXPECT_EQ(obj->GetFace(0), nullptr);
    EXPECT_EQ(scene.GetObject(1), nullptr);
    EXPECT_EQ(scene.GetObject(-1), nullptr);
}

TEST(PylScene, FindChannelAndLightGiveTheFirstOfAType) {
    PYL_SCENE scene;
    PYL_MTL* mtl = scene.AddMaterial();
    mtl->AddChannel()->SetType(PYL_MTLCH::DIFFUSE);
    PYL_MTLCH* first = mtl->AddChannel();
    first->SetType(PYL_MTLCH::SPECULAR);
    mtl->AddChannel()->SetType(PYL_MTLCH::SPECULAR);
    EXPECT_EQ(mtl->FindChannel(PYL_MTLCH::SPECULAR), first);
    EXPECT_EQ(mtl->FindChannel(PYL_MTLCH::NORMAL), nullptr);

    scene.AddLight();
    PYL_LIGHT* point = scene.AddLight();
    point->SetType(PYL_LIGHT::POINT);
    EXPECT_EQ(scene.FindLightByType(PYL_LIGHT::POINT), point);
    EXPECT_EQ(scene.FindLightByType(7), nullptr);
}

TEST(PylScene, FocalLengthFollowsFilmAndFieldOfView) {
    PYL_EYE eye;
    eye.film_size = 0.024f;
    eye.SetFov(60.0f);
    eye.CalcFocalLength();
    EXPECT_NEAR(eye.focal_length, 0.0207846f, 1e-6f);
}

// A text longer than its field is cut within it, never in the middle of a double-byte character.
TEST(PylScene, LongTextsAreCutInsideTheirFields) {
    PYL_OBJ obj;
    std::string name(254, 'a');
    name += "\x83\x41"; // a Shift-JIS character straddling the 255-byte limit
    obj.SetName(name.c_str());
    EXPECT_EQ(std::string(obj.GetName()), std::string(254, 'a'));

    PYL_MTLCH ch;
    std::string path(1500, 'p');
    ch.SetTexture(path.c_str());
    EXPECT_EQ(strlen(ch.GetTexture()), 1023u);
    ch.SetTexture(nullptr);
    EXPECT_STREQ(ch.GetTexture(), "");
}

} // namespace
