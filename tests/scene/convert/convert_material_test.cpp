#include "tests/scene/scenehost.h"

#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"

#include <cstdio>

namespace {

// The document maps "tex32", "tex24", "mask", "height" and "missing" to files of the folder (the last
// one does not exist).
struct MaterialCase {
    std::string dir;
    RENDPYL_MODEL model;
    PYL_SCENE scene;

    explicit MaterialCase(const char* name) : dir(OutputDir(name)) {
        SaveBytes(dir + "tex32.bmp", BmpBytes(2, 1, {0xFF000000u, 0}, 32));
        SaveBytes(dir + "tex24.bmp", BmpBytes(2, 1, {0xFF0000u, 0x00FF00u}));
        SaveBytes(dir + "mask.bmp", BmpBytes(2, 1, {0xFFFFFFu, 0}));
        SaveBytes(dir + "height.bmp", BmpBytes(2, 2, {0, 0, 0, 0}));
    }
    RENDPYL_MTL* Record(int id) {
        RENDPYL_MTL* rec = model.AddMtl();
        rec->ID = id;
        return rec;
    }
    // Converts a document holding the materials (JSON objects) with the records made so far.
    int Convert(const std::string& materials, const std::string& sceneFile = "tmp.pyl") {
        std::string mapping;
        for (const char* f : {"tex32", "tex24", "mask", "height", "missing"})
            mapping +=
                std::string(mapping.empty() ? "" : ",") + "\"" + f + ".bmp\": " + JsonPath(dir + f + ".bmp");
        HXDoc doc = OpenDoc("{\"materials\": [" + materials + "], \"mapping\": {" + mapping + "}}");
        return ConvertScene(&scene, doc, &model, (dir + sceneFile).c_str());
    }
    // The channels in their order: type, colour, texture (without the folder), and the exponent after
    // a specular colour.
    std::string Channels(int i) {
        const PYL_MTL* mtl = scene.GetMaterial(i);
        std::string out;
        for (int k = 0; k < mtl->GetChannelCount(); k++) {
            const PYL_MTLCH* ch = mtl->GetChannel(k);
            const FVEC3& c = ch->GetColor();
            char text[64];
            std::snprintf(text, sizeof text, "%s%c %g %g %g", k ? " | " : "", "DRS--E---NT"[ch->GetType()],
                          c.x, c.y, c.z);
            std::string texture = ch->GetTexture();
            out += text + std::string(texture.empty() ? "" : " ") +
                   texture.substr(texture.rfind(dir, 0) ? 0 : dir.size());
            if (ch->GetType() == PYL_MTLCH::SPECULAR) out += " ^" + std::to_string(int(mtl->exponent.x));
        }
        return out;
    }
};

TEST(ConvertMaterial, ChannelsFollowTheHostMaterialAndItsRecord) {
    MaterialCase c("materials");
    RENDPYL_MTL* aligned = c.Record(30); // records are matched by ID, whatever their order
    aligned->FindMap(RENDPYL_MAP_DIFFUSE)->scale = 0.5f;
    RENDPYL_MTL* full = c.Record(1);
    full->FindMap(RENDPYL_MAP_DIFFUSE)->scale = 2.0f;
    full->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    full->FindMap(RENDPYL_MAP_SPECULAR)->col = RGBCOLOR(255, 0, 51, 255);
    full->FindMap(RENDPYL_MAP_EMISSION)->col = RGBCOLOR(255, 255, 255, 255);
    RENDPYL_MTLMAP* refl = full->FindMap(RENDPYL_MAP_REFLECTION);
    refl->use = 1;
    refl->scale = 0.5f;
    refl->SetFilename("env.bmp");
    c.Record(11)->FindMap(RENDPYL_MAP_SPECULAR)->col = RGBCOLOR(255, 128, 0, 255);
    c.Record(12)->FindMap(RENDPYL_MAP_REFLECTION)->use = 1;
    c.Record(14)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    c.Record(15)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    // One row per host material: the material and the channels it becomes.
    const std::pair<const char*, const char*> rows[] = {
        {R"("uid": 1, "color": [0.5, 0.25, 1], "alpha": 0.25, "specular": 0.5, "power": 20, "emission": 0.5,
            "texture": "tex32.bmp", "bump": "height.bmp")",
         "D 1 0.5 2 tex32.bmp | N 1 1 1 __pyldlgHX__mtl0__norm.bmp | T 1 1 1 __pyldlgHX__mtl0__alpha.bmp"
         " | S 0.5 0 0.1 ^20 | E 0.5 0.5 0.5 | R 0.5 0.5 0.5 env.bmp"},
        {R"("uid": 2, "alpha": 1.0, "texture": "tex24.bmp")", "D 1 1 1 tex24.bmp | E 0 0 0"},
        {R"("uid": 3, "alpha": 0.25)", "D 1 1 1 | T 0.75 0.75 0.75 | E 0 0 0"},
        {R"("uid": 4, "alpha": -0.5)", "D 1 1 1 | T 1 1 1 | E 0 0 0"},
        {R"("uid": 5, "alpha": 2.0)", "D 1 1 1 | E 0 0 0"},
        {R"("uid": 6, "alpha": 2.0, "alpha_map": "missing.bmp")", "D 1 1 1 | T 0 0 0 | E 0 0 0"},
        {R"("uid": 7, "alpha": 0.0, "alpha_map": "mask.bmp")",
         "D 1 1 1 | T 1 1 1 __pyldlgHX__mtl6__alpha.bmp | E 0 0 0"},
        {R"("uid": 8, "alpha": 1.0, "alpha_map": "nowhere.bmp")", "D 1 1 1 | E 0 0 0"},
        {R"("uid": 11, "specular": 1.5, "power": 30)", "D 1 1 1 | S 1 0.501961 0 ^30 | E 0 0 0"},
        {R"("uid": 12)", "D 1 1 1 | E 0 0 0 | R 1 1 1"},
        {R"("uid": 13, "bump": "height.bmp")", "D 1 1 1 | N 1 1 1 height.bmp | E 0 0 0"},
        {R"("uid": 14, "bump": "height.bmp")", "D 1 1 1 | N 1 1 1 __pyldlgHX__mtl11__norm.bmp | E 0 0 0"},
        {R"("uid": 15, "bump": "missing.bmp")", "D 1 1 1 | N 1 1 1 | E 0 0 0"},
        {R"("uid": 20)", "D 1 1 1 | E 0 0 0"},
        {R"("uid": 30)", "D 0.5 0.5 0.5 | E 0 0 0"},
    };
    std::string materials;
    for (const auto& row : rows)
        materials += std::string(materials.empty() ? "{" : ", {") + row.first + "}";
    TraceLog trace;
    ASSERT_EQ(c.Convert(materials), 1);
    ASSERT_EQ(c.scene.GetMaterialCount(), int(std::size(rows)));
    for (size_t i = 0; i < std::size(rows); i++)
        EXPECT_EQ(c.Channels(int(i)), rows[i].second) << rows[i].first;
    EXPECT_TRUE(LoadBytes(c.dir + "__pyldlgHX__mtl5__alpha.bmp").empty());
    EXPECT_TRUE(trace.Has("dif_alpha(1):"));
}

TEST(ConvertMaterial, NothingIsAddedWithoutSceneDocumentOrModel) {
    MaterialCase c("refused");
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "a"}]})");
    EXPECT_EQ(ConvertScene(nullptr, doc, &c.model, "x.pyl"), 0);
    EXPECT_EQ(ConvertScene(&c.scene, HXDoc(), &c.model, "x.pyl"), 0);
    EXPECT_EQ(ConvertScene(&c.scene, doc, nullptr, "x.pyl"), 0);
    // A document the host does not know has no scene 0.
    EXPECT_EQ(ConvertScene(&c.scene, HXDoc(reinterpret_cast<HXDocHandle>(&c)), &c.model, "x.pyl"), 0);
    EXPECT_EQ(std::make_tuple(c.scene.GetEyeCount(), c.scene.GetMaterialCount(), c.scene.GetLightCount()),
              std::make_tuple(0, 0, 0));
}

} // namespace
