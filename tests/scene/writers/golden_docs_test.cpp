// Whole documents of the stand-in host, converted and exported as a render does, compared byte
// for byte with the PYL and HXO files kept under golden/.
#include <gtest/gtest.h>

#include "host/hxexports.h"
#include "scene/convert_scene.h"
#include "scene/pylexp.h"
#include "scene/rendpyl_model.h"
#include "tools/hxhost/hxhostlib.h"

#include "golden.h"
#include "tests/base/bitmap/bmpbuild.h"

namespace {

// A small square BMP; pixel(x, y) counts y from the bottom row.
void WriteBmp(const char* path, int size, int bits, uint32_t (*pixel)(int x, int y)) {
    BmpSpec spec;
    spec.width = spec.height = size;
    spec.bpp = bits;
    spec.value = [pixel, size](int x, int y) { return pixel(x, size - 1 - y); };
    SaveBytes(path, BuildBmp(spec));
}

class GoldenDocs : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        ASSERT_TRUE(HXInit(self));
        CreateDirectoryA("golden_docs", nullptr);
        WriteBmp("golden_docs\\checker.bmp", 4, 24,
                 [](int x, int y) { return (x + y) & 1 ? 0xFFFFFFu : 0u; });
        WriteBmp("golden_docs\\alpha.bmp", 4, 24, [](int x, int) { return 0x404040u * unsigned(x); });
        WriteBmp("golden_docs\\bump.bmp", 4, 24, [](int x, int y) { return 0x101010u * unsigned(x * y); });
        WriteBmp("golden_docs\\leaf32.bmp", 4, 32,
                 [](int x, int y) { return unsigned(x * 60) << 24 | 0x30A040u * unsigned(y & 1); });
    }
    static void TearDownTestSuite() { hxhost::CloseDocument(); }

    // Converts the document with the settings that setup makes and exports it under the
    // document's name; the golden files carry the same name.
    void ExpectGoldenExport(const char* name, void (*setup)(RENDPYL_MODEL&) = nullptr) {
        std::string error;
        // Read as text, so the maps' relative names stay relative to the working folder.
        std::string json = ReadWholeFile(std::string(HX_TEST_DATA) + "/docs/" + name + ".json");
        ASSERT_TRUE(hxhost::OpenDocumentText(json, &error)) << error;
        std::string dir = std::string("golden_docs\\") + name;
        CreateDirectoryA(dir.c_str(), nullptr);
        std::string path = dir + "\\tmp.pyl";
        HXDoc doc(hxhost::DocumentHandle());
        RENDPYL_MODEL settings;
        settings.SetDoc(doc);
        settings.SyncHostMtls();
        if (setup) setup(settings);
        PYL_SCENE scene;
        ASSERT_EQ(1, ConvertScene(&scene, doc, &settings, path.c_str()));
        PYLEXP exporter;
        EXPECT_EQ(1, exporter.Export(path.c_str(), &scene));
        ExpectGolden((std::string(name) + ".pyl").c_str(), ReadWholeFile(path));
        ExpectGolden((std::string(name) + ".hxo").c_str(), ReadWholeFile(dir + "\\tmp.hxo"));
    }
};

void ChangeEverySetting(RENDPYL_MODEL& m) {
    RENDPYL_RENDER& r = *m.GetRender();
    r.use_back_flg.value = 0;
    r.anisotropy.value = 0.3f;
    r.homogeneousextinction.value = FVEC3(0.1f, 0.2f, 0.3f);
    r.homogeneousalbedo.value = FVEC3(0.9f, 0.8f, 0.7f);
    r.extinction.value = FVEC3(0.01f, 0.02f, 0.03f);
    r.albedo.value = FVEC3(0.5f, 0.25f, 0.125f);
    r.origin.value = FVEC3(-100, -50, 0);
    r.size.value = FVEC3(200, 100, 300);
    RENDPYL_CAMERA& c = *m.GetCamera();
    c.film_size.value = 0.035f;
    c.use_focalratio.value = 1;
    c.focalratio.value = 2.8f;
    c.bokeh.value = FVEC3(0.5f, 0.6f, 0.7f);
    c.distortion.value = 0.9f;
    c.lenstilt.value = FVEC2(0.1f, -0.1f);
    c.filmtilt.value = FVEC2(0.05f, 0.02f);
    c.oblique.value = FVEC2(0.01f, -0.02f);
    RENDPYL_LIGHTSKY& sky = *m.GetLightSky();
    sky.col.value = FVEC3(0.5f, 0.6f, 0.7f);
    sky.scale.value = 2.0f;
    sky.SetFilename("C:\\sky\\clouds 100%.bmp");
    RENDPYL_LIGHTDIR* sun = m.AddDirLight();
    sun->SetCamTrace(0);
    sun->SetDir(FVEC3(0, -1, 0));
    sun->col.value = FVEC3(1.0f, 0.9f, 0.8f);
    sun->scale.value = 1.5f;
    sun->SetFilename("pattern.bmp");
    m.AddDirLight();
    RENDPYL_LIGHTPOINT* bulb = m.AddPointLight();
    bulb->SetPos(FVEC3(0, 100, 0));
    bulb->col.value = FVEC3(1.0f, 1.0f, 0.5f);
    bulb->scale.value = 3.0f;
    RENDPYL_MTL* shiny = m.FindMtlById(2004);
    shiny->FindMap(RENDPYL_MAP_REFLECTION)->SetFilename("env.bmp");
    shiny->FindMap(RENDPYL_MAP_REFLECTION)->col = RGBCOLOR(200, 180, 160, 255);
    RENDPYL_MTL* lamp = m.FindMtlById(2005);
    lamp->FindMap(RENDPYL_MAP_EMISSION)->scale = 4.0f;
    RENDPYL_MTL* leaf = m.FindMtlById(2003);
    leaf->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    leaf->FindMap(RENDPYL_MAP_NORMAL)->scale = 2.0f;
}

} // namespace

TEST_F(GoldenDocs, Defaults) {
    ExpectGoldenExport("defaults");
}

TEST_F(GoldenDocs, EverySettingChanged) {
    ExpectGoldenExport("every_setting", ChangeEverySetting);
}

TEST_F(GoldenDocs, OrthographicWithNullSlotsCommandAndEmptyObject) {
    ExpectGoldenExport("ortho");
}
