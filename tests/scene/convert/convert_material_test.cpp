#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_fixture.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"
#include "scene/rendpyl_model.h"

namespace {

void ExpectColor(const PYL_MTLCH* ch, float r, float g, float b) {
    ASSERT_NE(ch, nullptr);
    EXPECT_FLOAT_EQ(ch->GetColor().x, r);
    EXPECT_FLOAT_EQ(ch->GetColor().y, g);
    EXPECT_FLOAT_EQ(ch->GetColor().z, b);
}

std::vector<int> ChannelTypes(const PYL_MTL* mtl) {
    std::vector<int> types;
    for (int i = 0; i < mtl->GetChannelCount(); i++)
        types.push_back(mtl->GetChannel(i)->GetType());
    return types;
}

// One material per test case; the document maps "tex32", "tex24", "mask", "height" and "missing" to
// files of the folder (the last one does not exist).
struct MaterialCase {
    std::string dir;
    RENDPYL_MODEL model;
    PYL_SCENE scene;

    explicit MaterialCase(const char* name) : dir(FreshFolder(name)) {
        WriteBmp(dir + "tex32.bmp", 2, 1, 32, {0xFF000000u, 0x00000000u});
        WriteBmp(dir + "tex24.bmp", 2, 1, 24, {0xFF0000u, 0x00FF00u});
        WriteBmp(dir + "mask.bmp", 2, 1, 24, {0xFFFFFFu, 0x000000u});
        WriteBmp(dir + "height.bmp", 2, 2, 24, {0, 0, 0, 0});
    }

    // Converts a document holding the given materials (JSON objects) with the records made so far.
    int Convert(const std::string& materials, const std::string& sceneFile = "tmp.pyl") {
        std::string mapping = "{";
        for (const char* f : {"tex32", "tex24", "mask", "height", "missing"}) {
            if (mapping.size() > 1) mapping += ",";
            mapping += JsonText(std::string(f) + ".bmp") + ":" + JsonText(dir + f + ".bmp");
        }
        mapping += "}";
        HXDoc doc = OpenDoc("{\"materials\": [" + materials + "], \"mapping\": " + mapping + "}");
        return ConvertScene(&scene, doc, &model, (dir + sceneFile).c_str());
    }
    RENDPYL_MTL* Record(int i) { return model.GetMtl(i); }
    PYL_MTL* Mtl(int i) { return scene.GetMaterial(i); }
};

TEST(ConvertMaterial, EveryChannelInItsOrderWithItsValues) {
    MaterialCase c("full");
    c.model.AddMtl()->ID = 11;
    RENDPYL_MTL* rec = c.Record(0);
    rec->ior.value = FVEC2(1.5f, 1.2f);
    rec->axis.value = FVEC3(1, 0, 0);
    rec->jump[1] = 3;
    rec->FindMap(RENDPYL_MAP_DIFFUSE)->scale = 2.0f;
    rec->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    rec->FindMap(RENDPYL_MAP_SPECULAR)->col = RGBCOLOR(255, 0, 51, 255);
    rec->FindMap(RENDPYL_MAP_EMISSION)->col = RGBCOLOR(255, 255, 255, 255);
    RENDPYL_MTLMAP* refl = rec->FindMap(RENDPYL_MAP_REFLECTION);
    refl->use = 1;
    refl->scale = 0.5f;
    refl->SetFilename("env.bmp");
    TraceLog trace;
    ASSERT_EQ(c.Convert(R"({"name": "full", "uid": 11, "color": [0.5, 0.25, 1], "alpha": 0.25,
                           "specular": 0.5, "power": 20, "emission": 0.5,
                           "texture": "tex32.bmp", "bump": "height.bmp"})"),
              1);
    ASSERT_EQ(c.scene.GetMaterialCount(), 1);
    PYL_MTL* m = c.Mtl(0);
    EXPECT_STREQ(m->GetName(), "full");
    EXPECT_EQ(ChannelTypes(m),
              (std::vector<int>{PYL_MTLCH::DIFFUSE, PYL_MTLCH::NORMAL, PYL_MTLCH::TRANSPARENCY,
                                PYL_MTLCH::SPECULAR, PYL_MTLCH::EMISSION, PYL_MTLCH::REFLECTION}));
    ExpectColor(m->GetChannel(0), 1.0f, 0.5f, 2.0f);
    EXPECT_EQ(std::string(m->GetChannel(0)->GetTexture()), c.dir + "tex32.bmp");
    EXPECT_EQ(std::string(m->GetChannel(1)->GetTexture()), c.dir + "__pyldlgHX__mtl0__norm.bmp");
    EXPECT_TRUE(FileExists(c.dir + "__pyldlgHX__mtl0__norm.bmp"));
    ExpectColor(m->GetChannel(2), 1, 1, 1); // the map carries the transparency
    EXPECT_EQ(std::string(m->GetChannel(2)->GetTexture()), c.dir + "__pyldlgHX__mtl0__alpha.bmp");
    ExpectColor(m->GetChannel(3), 0.5f, 0.0f, 0.1f);
    EXPECT_EQ(m->exponent, FVEC3(20, 20, 20));
    ExpectColor(m->GetChannel(4), 0.5f, 0.5f, 0.5f);
    ExpectColor(m->GetChannel(5), 0.5f, 0.5f, 0.5f);
    EXPECT_STREQ(m->GetChannel(5)->GetTexture(), "env.bmp");
    EXPECT_EQ(m->ior, FVEC2(1.5f, 1.2f));
    EXPECT_EQ(m->axis, FVEC3(1, 0, 0));
    EXPECT_EQ(m->jump[1], 3);
    EXPECT_TRUE(trace.Has("dif_alpha(1):full"));
    EXPECT_TRUE(trace.Has(c.dir + "__pyldlgHX__mtl0__norm.bmp"));
}

TEST(ConvertMaterial, TransparencyFollowsAlphaAndItsImages) {
    MaterialCase c("alpha");
    TraceLog trace;
    ASSERT_EQ(c.Convert(R"({"name": "opaque", "uid": 1, "alpha": 1.0, "texture": "tex24.bmp"},
                           {"name": "quarter", "uid": 2, "alpha": 0.25},
                           {"name": "negative", "uid": 3, "alpha": -0.5},
                           {"name": "over", "uid": 4, "alpha": 2.0},
                           {"name": "unreadable", "uid": 5, "alpha": 2.0, "alpha_map": "missing.bmp"},
                           {"name": "masked", "uid": 6, "alpha": 0.0, "alpha_map": "mask.bmp"},
                           {"name": "unmapped", "uid": 7, "alpha": 1.0, "alpha_map": "nowhere.bmp"})"),
              1);
    ASSERT_EQ(c.scene.GetMaterialCount(), 7);
    EXPECT_EQ(c.Mtl(0)->FindChannel(PYL_MTLCH::TRANSPARENCY), nullptr);
    EXPECT_TRUE(trace.Has("dif_alpha(0):opaque"));
    ExpectColor(c.Mtl(1)->FindChannel(PYL_MTLCH::TRANSPARENCY), 0.75f, 0.75f, 0.75f);
    ExpectColor(c.Mtl(2)->FindChannel(PYL_MTLCH::TRANSPARENCY), 1, 1, 1);
    EXPECT_EQ(c.Mtl(3)->FindChannel(PYL_MTLCH::TRANSPARENCY), nullptr);
    // Named but unreadable: the channel keeps its computed colour and has no texture.
    const PYL_MTLCH* t = c.Mtl(4)->FindChannel(PYL_MTLCH::TRANSPARENCY);
    ExpectColor(t, 0, 0, 0);
    EXPECT_STREQ(t->GetTexture(), "");
    EXPECT_FALSE(FileExists(c.dir + "__pyldlgHX__mtl4__alpha.bmp"));
    t = c.Mtl(5)->FindChannel(PYL_MTLCH::TRANSPARENCY);
    ExpectColor(t, 1, 1, 1);
    EXPECT_EQ(std::string(t->GetTexture()), c.dir + "__pyldlgHX__mtl5__alpha.bmp");
    // A name the host cannot map counts as no alpha image.
    EXPECT_EQ(c.Mtl(6)->FindChannel(PYL_MTLCH::TRANSPARENCY), nullptr);
}

TEST(ConvertMaterial, SpecularEmissionAndReflectionConditions) {
    MaterialCase c("specular");
    c.model.AddMtl()->ID = 2;
    c.Record(0)->FindMap(RENDPYL_MAP_SPECULAR)->col = RGBCOLOR(255, 128, 0, 255);
    c.model.AddMtl()->ID = 3;
    c.Record(1)->FindMap(RENDPYL_MAP_REFLECTION)->use = 1;
    ASSERT_EQ(c.Convert(R"({"name": "matte", "uid": 1, "specular": 0, "power": 30, "emission": 1},
                           {"name": "shiny", "uid": 2, "specular": 1.5, "power": 30},
                           {"name": "mirror", "uid": 3})"),
              1);
    PYL_MTL* matte = c.Mtl(0);
    EXPECT_EQ(ChannelTypes(matte), (std::vector<int>{PYL_MTLCH::DIFFUSE, PYL_MTLCH::EMISSION}));
    EXPECT_EQ(matte->exponent, FVEC3(0, 0, 0));
    ExpectColor(matte->FindChannel(PYL_MTLCH::EMISSION), 0, 0, 0); // default emission map is black
    ExpectColor(c.Mtl(1)->FindChannel(PYL_MTLCH::SPECULAR), 1.0f, 128 / 255.0f, 0.0f);
    EXPECT_EQ(c.Mtl(1)->exponent, FVEC3(30, 30, 30));
    const PYL_MTLCH* r = c.Mtl(2)->FindChannel(PYL_MTLCH::REFLECTION);
    ExpectColor(r, 1, 1, 1);
    EXPECT_STREQ(r->GetTexture(), "");
}

TEST(ConvertMaterial, NormalChannelUsesTheBumpImageOrItsConversion) {
    MaterialCase c("normal");
    c.model.AddMtl()->ID = 2;
    c.Record(0)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    c.model.AddMtl()->ID = 3;
    c.Record(1)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    ASSERT_EQ(c.Convert(R"({"name": "as is", "uid": 1, "bump": "height.bmp"},
                           {"name": "height", "uid": 2, "bump": "height.bmp"},
                           {"name": "broken", "uid": 3, "bump": "missing.bmp"},
                           {"name": "none", "uid": 4})"),
              1);
    EXPECT_EQ(std::string(c.Mtl(0)->FindChannel(PYL_MTLCH::NORMAL)->GetTexture()), c.dir + "height.bmp");
    EXPECT_EQ(std::string(c.Mtl(1)->FindChannel(PYL_MTLCH::NORMAL)->GetTexture()),
              c.dir + "__pyldlgHX__mtl1__norm.bmp");
    EXPECT_STREQ(c.Mtl(2)->FindChannel(PYL_MTLCH::NORMAL)->GetTexture(), "");
    EXPECT_EQ(c.Mtl(3)->FindChannel(PYL_MTLCH::NORMAL), nullptr);
}

// Faces carry host material indices, so every host material needs its scene material, with or
// without a settings record.
TEST(ConvertMaterial, MaterialsWithoutRecordsKeepIndicesAligned) {
    MaterialCase c("aligned");
    c.model.AddMtl()->ID = 30;
    c.Record(0)->FindMap(RENDPYL_MAP_DIFFUSE)->scale = 0.5f;
    c.model.AddMtl()->ID = 10;
    ASSERT_EQ(c.Convert(R"({"name": "a", "uid": 10}, {"name": "new", "uid": 20}, {"name": "c", "uid": 30})"),
              1);
    ASSERT_EQ(c.scene.GetMaterialCount(), 3);
    EXPECT_STREQ(c.Mtl(0)->GetName(), "a");
    EXPECT_STREQ(c.Mtl(1)->GetName(), "new");
    EXPECT_EQ(ChannelTypes(c.Mtl(1)), (std::vector<int>{PYL_MTLCH::DIFFUSE, PYL_MTLCH::EMISSION}));
    EXPECT_STREQ(c.Mtl(2)->GetName(), "c");
    ExpectColor(c.Mtl(2)->GetChannel(0), 0.5f, 0.5f, 0.5f);
}

TEST(ConvertMaterial, NothingIsAddedWithoutSceneDocumentOrModel) {
    MaterialCase c("refused");
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "a"}]})");
    EXPECT_EQ(ConvertScene(nullptr, doc, &c.model, "x.pyl"), 0);
    EXPECT_EQ(ConvertScene(&c.scene, HXDoc(), &c.model, "x.pyl"), 0);
    EXPECT_EQ(ConvertScene(&c.scene, doc, nullptr, "x.pyl"), 0);
    // A document the host does not know has no scene 0.
    HXDoc stranger(reinterpret_cast<HXDocHandle>(&c));
    EXPECT_EQ(ConvertScene(&c.scene, stranger, &c.model, "x.pyl"), 0);
    EXPECT_EQ(c.scene.GetEyeCount(), 0);
    EXPECT_EQ(c.scene.GetMaterialCount(), 0);
    EXPECT_EQ(c.scene.GetLightCount(), 0);
}

} // namespace
