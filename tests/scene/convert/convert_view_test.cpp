#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host_fixture.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"
#include "scene/rendpyl_model.h"

namespace {

void ExpectVec(const FVEC3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

std::string Floats(const float (&m)[16]) {
    std::string s = "[";
    for (int i = 0; i < 16; i++) {
        char number[32];
        snprintf(number, sizeof number, "%s%.9g", i ? "," : "", m[i]);
        s += number;
    }
    return s + "]";
}

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
// The host's views map world to view space with right, up and forward as columns.
// Camera at (0, 0, 10) looking down -z.
const float kDownZ[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 10, 1};
// Camera at (5, 1, 0) looking along -x.
const float kAlongX[16] = {0, 0, -1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, -1, 5, 1};
// Perspective: 60 degrees, lens shifted by (0.1, -0.2).
const float kPerspective[16] = {1.7320508f, 0, 0, 0, 0, 1.7320508f, 0, 0, 0.1f, -0.2f, 1, 1, 0, 0, -1, 0};
// Orthographic: p11 is 0; the shift sits in the translation.
const float kOrtho[16] = {0.01f, 0, 0, 0, 0, 0.01f, 0, 0, 0, 0, 0.001f, 0, 0.25f, 0.5f, 0, 1};

struct ViewCase {
    RENDPYL_MODEL model;
    PYL_SCENE scene;

    int Convert(const float (&view)[16], const float (&proj)[16], const std::string& objects = "") {
        HXDoc doc = OpenDoc("{\"scene\": {\"view\": " + Floats(view) + ", \"proj\": " + Floats(proj) +
                            "}, \"objects\": [" + objects + "]}");
        return ConvertScene(&scene, doc, &model, "C:\\w\\tmp\\tmp.pyl");
    }
};

TEST(ConvertView, CamerasLookingDownZAndAlongX) {
    ViewCase down;
    ASSERT_EQ(down.Convert(kDownZ, kPerspective), 1);
    const PYL_EYE* eye = down.scene.GetEye(0);
    ExpectVec(eye->GetPosition(), 0, 0, 10);
    ExpectVec(eye->GetFocus(), 0, 0, 0);
    ExpectVec(eye->GetUpside(), 0, 1, 0);
    EXPECT_NEAR(eye->GetFov(), 60.0f, 1e-4f);
    EXPECT_EQ(eye->GetShift(), FVEC2(0.1f, -0.2f));

    ViewCase along;
    ASSERT_EQ(along.Convert(kAlongX, kPerspective), 1);
    eye = along.scene.GetEye(0);
    ExpectVec(eye->GetPosition(), 5, 1, 0);
    ExpectVec(eye->GetFocus(), 0, 1, 0);
    ExpectVec(eye->GetUpside(), 0, 1, 0);
}

TEST(ConvertView, OrthographicViewTakesItsWidthFromTheDistance) {
    ViewCase c;
    const float view[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 100, 1};
    ASSERT_EQ(c.Convert(view, kOrtho), 1);
    const PYL_EYE* eye = c.scene.GetEye(0);
    EXPECT_NEAR(eye->GetFov(), 90.0f, 1e-4f); // 2 atan(1 / (100 x 0.01))
    EXPECT_EQ(eye->GetShift(), FVEC2(0.25f, 0.5f));
    EXPECT_NEAR(eye->focal_length, 0.012f, 1e-7f); // film 0.024 at 90 degrees
}

TEST(ConvertView, DirectionalLightsFollowTheCameraOrNot) {
    ViewCase c;
    RENDPYL_LIGHTDIR* fixed = c.model.AddDirLight();
    fixed->SetCamTrace(0);
    fixed->SetDir(FVEC3(0, 0, 1));
    fixed->col.value = FVEC3(1, 0.5f, 0);
    fixed->scale.value = 4.0f;
    fixed->SetFilename("light.bmp");
    fixed->reverse = 1; // carried by the settings, never used here
    RENDPYL_LIGHTDIR* follower = c.model.AddDirLight();
    follower->SetCamTrace(1);
    follower->SetSrcDir(FVEC3(0, 0, 1));
    follower->SetDir(FVEC3(9, 9, 9));
    ASSERT_EQ(c.Convert(kAlongX, kPerspective), 1);
    ASSERT_EQ(c.scene.GetLightCount(), 2);
    const PYL_LIGHT* a = c.scene.GetLight(0);
    EXPECT_EQ(a->GetType(), PYL_LIGHT::PARALLEL);
    ExpectVec(a->direction, 0, 0, -1);
    ExpectVec(a->col, 4, 2, 0);
    EXPECT_STREQ(a->GetTexture(), "light.bmp");
    // Straight ahead in the camera is straight ahead in the world: the camera looks along -x.
    ExpectVec(c.scene.GetLight(1)->direction, 1, 0, 0);

    ViewCase identity;
    RENDPYL_LIGHTDIR* l = identity.model.AddDirLight();
    l->SetSrcDir(FVEC3(0.25f, -0.5f, 1));
    ASSERT_EQ(identity.Convert(kIdentity, kPerspective), 1);
    ExpectVec(identity.scene.GetLight(0)->direction, -0.25f, 0.5f, -1);
}

const char* kCube = R"({"name": "cube", "vertices": [[-1,-1,-1], [1,1,1]]})";
const char* kHugeHidden =
    R"({"name": "hidden", "visible": 0, "vertices": [[-100,-100,-100], [100,100,100]]})";

TEST(ConvertView, PointLightsScaleWithTheVisibleSceneBox) {
    ViewCase c;
    RENDPYL_LIGHTPOINT* p = c.model.AddPointLight();
    p->SetPos(FVEC3(1, 2, 3));
    p->col.value = FVEC3(1, 0.5f, 2);
    p->scale.value = 2.0f;
    p->SetFilename("bulb.bmp");
    TraceLog trace;
    ASSERT_EQ(c.Convert(kIdentity, kPerspective, std::string(kCube) + "," + kHugeHidden), 1);
    ASSERT_EQ(c.scene.GetLightCount(), 1);
    const PYL_LIGHT* light = c.scene.GetLight(0);
    EXPECT_EQ(light->GetType(), PYL_LIGHT::POINT);
    ExpectVec(light->position, 1, 2, 3);
    ExpectVec(light->col, 6, 3, 12); // half diagonal sqrt(3), squared 3, times scale 2
    EXPECT_STREQ(light->GetTexture(), "bulb.bmp");
    EXPECT_TRUE(trace.Has("bound_size(2)"));
}

// With nothing visible the box stays empty; it counts as a zero box, so intensities stay finite.
TEST(ConvertView, PointLightsWithoutVisibleObjectsStayFinite) {
    ViewCase c;
    c.model.AddPointLight();
    ASSERT_EQ(c.Convert(kIdentity, kPerspective, kHugeHidden), 1);
    ExpectVec(c.scene.GetLight(0)->col, 0, 0, 0);
    EXPECT_EQ(c.scene.GetObjectCount(), 0);
}

} // namespace
