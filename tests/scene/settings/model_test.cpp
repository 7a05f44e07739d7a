// The settings model: record defaults, map default tests, lists and lookups, the host camera.
#include "ownhost.h"

#include "scene/rendpyl_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

// A map is default exactly while the fields its type stores are; a few types stand for the rest.
TEST(RendpylMtlMap, DefaultTestFollowsTheType) {
    RENDPYL_MODEL model;
    RENDPYL_MTL* mtl = model.AddMtl();
    ASSERT_EQ(mtl->GetMapNum(), 6);
    EXPECT_FALSE(mtl->GetMap(6));
    EXPECT_FALSE(mtl->GetMap(-1));
    EXPECT_FALSE(mtl->FindMap(3));
    RENDPYL_MTLMAP map;
    auto changed = [&](int type, auto change) {
        map = RENDPYL_MTLMAP();
        map.SetType(type);
        map.SetDefault();
        EXPECT_TRUE(map.IsDefault());
        change();
        return !map.IsDefault();
    };
    EXPECT_TRUE(changed(0, [&] { map.scale = 2.0f; }));
    EXPECT_FALSE(changed(0, [&] { map.SetFilename("tex.bmp"); })); // the file name is not stored
    EXPECT_TRUE(changed(1, [&] { map.col.a = 0; }));
    EXPECT_FALSE(changed(2, [&] { map.scale = 3.0f; }));
    EXPECT_FALSE(changed(3, [&] { map.scale = 9.0f, map.SetFilename("x"), map.use = 0; }));
}

TEST(ParamVal, DefaultTests) {
    PARAMVAL<float> f = 0.024f;
    EXPECT_TRUE(f.IsDefault());
    f.value = std::nextafter(0.024f, 1.0f);
    EXPECT_FALSE(f.IsDefault());
    f.value = std::nanf("");
    EXPECT_TRUE(f.IsDefault()); // neither less nor greater
}

TEST(RendpylModel, LightListsAndLookups) {
    RENDPYL_MODEL model;
    RENDPYL_LIGHTDIR* a = model.AddDirLight();
    RENDPYL_LIGHTDIR* b = model.AddDirLight();
    RENDPYL_LIGHTDIR* c = model.AddDirLight();
    a->SetName("Light0");
    b->SetName("Light1");
    c->SetName("Light2");
    EXPECT_FALSE(model.FindDirLight("light1")); // case-sensitive
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
    EXPECT_EQ(model.FindMtlByHost(doc.GetMaterial(2)), model.GetMtl(1));
    EXPECT_FALSE(model.FindMtlByHost(HXMat()));
    EXPECT_FALSE(FindHostMtlById(doc, 1002));
    char name[256] = "stale";
    model.GetMtl(0)->GetName(name);
    EXPECT_STREQ(name, "red");

    // The host gains a material and loses one: only the new one gets a record, the old record stays.
    // The new one's name is longer than a name buffer.
    const std::string longName(300, 'n');
    doc = OpenDoc(R"({ "materials": [ { "name": "blue", "uid": 1003 }, { "name": ")" + longName +
                  R"(", "uid": 1004 } ] })");
    model.SetDoc(doc);
    EXPECT_EQ(model.SyncHostMtls(), 1);
    ASSERT_EQ(model.GetMtlNum(), 3);
    EXPECT_EQ(model.GetMtl(2)->ID, 1004);
    model.GetMtl(2)->GetName(name);
    EXPECT_EQ(std::string(name), longName.substr(0, 255));
    EXPECT_FALSE(model.GetMtl(0)->GetHostMtl());
    model.GetMtl(0)->GetName(name);
    EXPECT_STREQ(name, "");
    EXPECT_FALSE(model.FindMtlByName("red"));
    EXPECT_FALSE(RENDPYL_MODEL().AddMtl()->GetHostMtl()); // no document
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
