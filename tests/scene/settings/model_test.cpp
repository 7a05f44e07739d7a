// The settings model: record defaults, map default tests, lists and lookups, the host camera.
#include "ownhost.h"

#include "scene/rendpyl_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

const RGBCOLOR kWhite(255, 255, 255, 255);

TEST(RendpylMtl, NewRecordHoldsSixDefaultMapsInOrder) {
    RENDPYL_MODEL model;
    RENDPYL_MTL* mtl = model.AddMtl();
    ASSERT_TRUE(mtl);
    EXPECT_EQ(mtl->owner, &model);
    const int types[] = {0, 2, 5, 1, 10, 9};
    ASSERT_EQ(mtl->GetMapNum(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(mtl->GetMap(i)->GetType(), types[i]);
        EXPECT_EQ(mtl->GetMap(i)->owner, mtl);
        EXPECT_TRUE(mtl->GetMap(i)->IsDefault());
    }
    EXPECT_FALSE(mtl->GetMap(6));
    EXPECT_FALSE(mtl->FindMap(3));
}

// Each map type is default exactly while the fields of its own row are.
TEST(RendpylMtlMap, DefaultTestFollowsTheType) {
    RENDPYL_MTLMAP map;
    auto changed = [&](int type, auto change) {
        map = RENDPYL_MTLMAP();
        map.SetType(type);
        map.SetDefault();
        EXPECT_TRUE(map.IsDefault());
        change();
        bool result = !map.IsDefault();
        map.SetDefault();
        EXPECT_TRUE(map.IsDefault()) << type;
        return result;
    };
    EXPECT_TRUE(changed(0, [&] { map.scale = 2.0f; }));
    EXPECT_FALSE(changed(0, [&] { map.SetFilename("tex.bmp"); })); // the file name is not stored
    EXPECT_TRUE(changed(1, [&] { map.SetFilename("env.bmp"); }));
    EXPECT_TRUE(changed(1, [&] { map.col.a = 0; }));
    EXPECT_TRUE(changed(1, [&] { map.use = 1; }));
    EXPECT_TRUE(changed(1, [&] { map.scale = 0.5f; }));
    EXPECT_TRUE(changed(2, [&] { map.col = RGBCOLOR(1, 2, 3, 255); }));
    EXPECT_FALSE(changed(2, [&] { map.scale = 3.0f; }));
    EXPECT_TRUE(changed(5, [&] { map.col = kWhite; }));
    EXPECT_TRUE(changed(9, [&] { map.bmp_type = 1; }));
    EXPECT_FALSE(changed(9, [&] { map.col = RGBCOLOR(1, 2, 3, 4); }));
    EXPECT_TRUE(changed(10, [&] { map.col.r = 0; }));
    EXPECT_FALSE(changed(10, [&] { map.SetFilename("alpha.bmp"); }));
    EXPECT_FALSE(changed(3, [&] { map.scale = 9.0f, map.SetFilename("x"), map.use = 0; }));
    EXPECT_FALSE(changed(11, [&] { map.col = RGBCOLOR(0, 0, 0, 0), map.bmp_type = 4; }));
}

TEST(ParamVal, DefaultTests) {
    PARAMVAL<float> f = 0.024f;
    EXPECT_TRUE(f.IsDefault());
    f.value = std::nextafter(0.024f, 1.0f);
    EXPECT_FALSE(f.IsDefault());
    f.value = std::nanf("");
    EXPECT_TRUE(f.IsDefault()); // neither less nor greater
    EXPECT_EQ(f.GetDefault(), 0.024f);

    PARAMVAL<FVEC3> v = FVEC3(1, 1, 1);
    v.value.z = 0.5f;
    EXPECT_FALSE(v.IsDefault());
}

TEST(RendpylModel, LightListsAndLookups) {
    RENDPYL_MODEL model;
    RENDPYL_LIGHTDIR* a = model.AddDirLight();
    RENDPYL_LIGHTDIR* b = model.AddDirLight();
    RENDPYL_LIGHTDIR* c = model.AddDirLight();
    a->SetName("Light0");
    b->SetName("Light1");
    c->SetName("Light2");
    EXPECT_EQ(model.FindDirLight("Light1"), b);
    EXPECT_FALSE(model.FindDirLight("light1")); // case-sensitive
    EXPECT_EQ(model.GetDirLightIndex(c), 2);
    EXPECT_FALSE(model.GetDirLight(-1));

    model.DeleteDirLight(b);
    ASSERT_EQ(model.GetDirLightNum(), 2);
    EXPECT_EQ(model.GetDirLight(0), a);
    EXPECT_EQ(model.GetDirLight(1), c);

    RENDPYL_MODEL other;
    RENDPYL_LIGHTDIR* foreign = other.AddDirLight();
    model.DeleteDirLight(foreign);
    model.DeleteDirLight(nullptr);
    EXPECT_EQ(model.GetDirLightNum(), 2);
    EXPECT_EQ(other.GetDirLightNum(), 1);

    RENDPYL_LIGHTPOINT* p = model.AddPointLight();
    p->SetName("Lamp");
    p->SetPos(FVEC3(1, 2, 3));
    p->scale.value = 4.0f;
    p->SetDefault();
    EXPECT_STREQ(p->GetName(), "");
    EXPECT_EQ(p->GetPos(), FVEC3(0, 0, 0));
    EXPECT_TRUE(p->scale.IsDefault());
    EXPECT_EQ(p->owner, &model); // still in its list
}

TEST(RendpylModel, TextFieldsAreCutOnCharacterBoundaries) {
    RENDPYL_LIGHTDIR light;
    std::string ascii(2000, 'a');
    light.SetName(ascii.c_str());
    EXPECT_EQ(std::strlen(light.GetName()), 1023u);
    // 600 double-byte characters: the 512th would need bytes 1022 and 1023, so it stays out.
    std::string wide;
    for (int i = 0; i < 600; ++i)
        wide += "光";
    light.SetFilename(wide.c_str());
    EXPECT_EQ(std::strlen(light.GetFilename()), 1022u);
    EXPECT_EQ(std::string(light.GetFilename()), wide.substr(0, 1022));
    // One single-byte character first moves the boundary: 1 + 511 * 2 fits exactly.
    light.SetFilename(("x" + wide).c_str());
    EXPECT_EQ(std::strlen(light.GetFilename()), 1023u);
    light.SetName(nullptr);
    EXPECT_STREQ(light.GetName(), "");
}

TEST(RendpylModel, MaterialRecordsFollowTheHostByUniqueId) {
    HXDoc doc = OpenDoc(R"({ "materials": [ { "name": "red", "uid": 1001 }, null,
                                            { "name": "blue", "uid": 1003 } ] })");
    RENDPYL_MODEL model;
    EXPECT_EQ(model.SyncHostMtls(), 0); // no document yet
    model.SetDoc(doc);
    EXPECT_EQ(model.SyncHostMtls(), 2); // the empty slot gets no record
    ASSERT_EQ(model.GetMtlNum(), 2);
    EXPECT_EQ(model.GetMtl(0)->ID, 1001);
    EXPECT_EQ(model.GetMtl(1)->ID, 1003);
    EXPECT_EQ(model.SyncHostMtls(), 0);
    EXPECT_EQ(model.FindMtlById(1003), model.GetMtl(1));
    EXPECT_FALSE(model.FindMtlById(1002));
    EXPECT_FALSE(model.FindMtlByName("Blue"));
    EXPECT_EQ(model.FindMtlByHost(doc.GetMaterial(2)), model.GetMtl(1));
    EXPECT_FALSE(model.FindMtlByHost(HXMat()));
    EXPECT_EQ(FindHostMtlById(doc, 1003).Handle(), doc.GetMaterial(2).Handle());
    EXPECT_FALSE(FindHostMtlById(doc, 1002));
    char name[256] = "stale";
    model.GetMtl(0)->GetName(name);
    EXPECT_STREQ(name, "red");

    // The host gains a material and loses one: only the new one gets a record, the old record stays.
    doc = OpenDoc(R"({ "materials": [ { "name": "blue", "uid": 1003 }, { "name": "new", "uid": 1004 } ] })");
    model.SetDoc(doc);
    EXPECT_EQ(model.SyncHostMtls(), 1);
    ASSERT_EQ(model.GetMtlNum(), 3);
    EXPECT_EQ(model.GetMtl(2)->ID, 1004);
    EXPECT_FALSE(model.GetMtl(0)->GetHostMtl());
    model.GetMtl(0)->GetName(name);
    EXPECT_STREQ(name, "");
    EXPECT_FALSE(model.FindMtlByName("red"));
    EXPECT_TRUE(model.GetMtl(1)->GetHostMtl());

    RENDPYL_MODEL empty;
    EXPECT_FALSE(empty.FindMtlById(1003));
    EXPECT_FALSE(empty.AddMtl()->GetHostMtl()); // no document
}

TEST(RendpylMtl, LongHostNameIsCut) {
    std::string longName(300, 'n');
    HXDoc doc = OpenDoc(R"({ "materials": [ { "name": ")" + longName + R"(", "uid": 7 } ] })");
    RENDPYL_MODEL model;
    model.SetDoc(doc);
    model.SyncHostMtls();
    char name[256];
    model.GetMtl(0)->GetName(name);
    EXPECT_EQ(std::string(name), longName.substr(0, 255));
}

TEST(RendpylCamera, FromViewAndProjection) {
    RENDPYL_CAMERA camera;
    // A translated view with an orthographic projection: the look-at point lies m14 ahead, and the
    // field of view takes the view distance into account.
    const float view[16] = {1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 10, 1};
    const float ortho[16] = {0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 1, 0, 0.5f, 0.75f, 0, 1};
    camera.SetFromViewProj(view, ortho);
    EXPECT_EQ(camera.GetPos(), FVEC3(0, 0, 20));
    EXPECT_EQ(camera.GetUp(), FVEC3(0, 1, 0));
    EXPECT_EQ(camera.GetLookat(), FVEC3(0, 0, 30));
    EXPECT_FLOAT_EQ(camera.GetFov(), 90.0f);
    EXPECT_EQ(camera.GetShift(), FVEC2(0.5f, 0.75f));
}

TEST(RendpylCamera, FromHostViewNeedsDocumentAndScene) {
    RENDPYL_MODEL model;
    RENDPYL_CAMERA* camera = model.GetCamera();
    camera->SetFromHostView(); // no document: unchanged
    EXPECT_EQ(camera->GetPos(), FVEC3(0, 0, 1500));
    EXPECT_EQ(camera->GetFov(), 60.0f);
    model.SetDoc(OpenDoc(R"({ "scene": { "view": [1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,10,1],
                                         "proj": [1,0,0,0, 0,1,0,0, 0,0,1,1, 0,0,0,0] } })"));
    camera->SetFromHostView();
    EXPECT_EQ(camera->GetPos(), FVEC3(0, 0, 10));
    EXPECT_FLOAT_EQ(camera->GetFov(), 90.0f);
    EXPECT_EQ(camera->film_size.value, 0.024f); // the lens stays
}

} // namespace
