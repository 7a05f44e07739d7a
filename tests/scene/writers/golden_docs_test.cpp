// Whole documents of the stand-in host, converted and exported as a render does and their settings
// saved, compared byte for byte with the PYL, HXO and settings files kept under golden/.
#include "tests/scene/scenehost.h"

#include "scene/convert_scene.h"
#include "scene/pylexp.h"

namespace {

// A small square BMP; pixel(x, y) counts y from the bottom row.
void WriteSquare(const char* path, int bits, uint32_t (*pixel)(int x, int y)) {
    BmpSpec spec;
    spec.width = spec.height = 4;
    spec.bpp = bits;
    spec.value = [pixel](int x, int y) { return pixel(x, 3 - y); };
    SaveBytes(path, BuildBmp(spec));
}

// Each document with the settings it holds, as the plug-in reads them when it opens: every_setting
// changes every stored one (names, lens files and material constants reach only the settings) and has
// a mirrored object, whose frozen copies must all be gone; ortho has null slots, a command and an empty
// object. The documents name their maps relative to the working folder.
TEST(GoldenDocs, ExportsAndSettingsMatchByteForByte) {
    CreateDirectoryA("golden_docs", nullptr);
    WriteSquare("golden_docs\\checker.bmp", 24, [](int x, int y) { return (x + y) & 1 ? 0xFFFFFFu : 0u; });
    WriteSquare("golden_docs\\alpha.bmp", 24, [](int x, int) { return 0x404040u * unsigned(x); });
    WriteSquare("golden_docs\\bump.bmp", 24, [](int x, int y) { return 0x101010u * unsigned(x * y); });
    WriteSquare("golden_docs\\leaf32.bmp", 32,
                [](int x, int y) { return unsigned(x * 60) << 24 | 0x30A040u * unsigned(y & 1); });
    const std::pair<std::string, int> rows[] = {{"defaults", 0}, {"every_setting", 1}, {"ortho", 0}};
    for (const auto& [name, clones] : rows) {
        SCOPED_TRACE(name);
        HXDoc doc = OpenDocFile(name);
        std::string dir = "golden_docs\\" + name;
        CreateDirectoryA(dir.c_str(), nullptr);
        RENDPYL_MODEL settings;
        Import(settings, doc);
        ASSERT_EQ(LoadSettings(doc, settings, HXXmlElement(hxhost::SettingsElement())), 1);
        PYL_SCENE scene;
        ASSERT_EQ(1, ConvertScene(&scene, doc, &settings, (dir + "\\tmp.pyl").c_str()));
        EXPECT_EQ(1, PYLEXP().Export((dir + "\\tmp.pyl").c_str(), &scene));
        ExpectGolden(name + ".pyl", ReadWholeFile(dir + "\\tmp.pyl"));
        ExpectGolden(name + ".hxo", ReadWholeFile(dir + "\\tmp.hxo"));
        hxhost::ObjectCalls calls = hxhost::CountObjectCalls();
        EXPECT_EQ(std::make_pair(calls.clones, calls.liveClones), std::make_pair(clones, 0));
        // The settings, and the same again once read back into fresh records; the reader makes none.
        HXXmlElement saved = SaveSettings(doc, settings);
        std::string xml = Dump(saved);
        ExpectGolden(name + ".xml", xml);
        RENDPYL_MODEL again;
        Import(again, doc);
        EXPECT_EQ(LoadSettings(doc, again, saved), 1);
        EXPECT_EQ(Dump(SaveSettings(doc, again)), xml);
        EXPECT_EQ(again.GetMtlNum(), settings.GetMtlNum());
    }
}

} // namespace
