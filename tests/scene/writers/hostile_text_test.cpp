// Paths from the document or the host that hold a quote or a control character would end their
// quotes or their line in the scene files: they are refused, and nothing is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "scene/pylexp.h"

#include "tests/scene/scenehost.h"

namespace {

const char kHostilePath[] = "sky\"\r\nSkyLight 9 9 9";
const std::string kRefusedPath = "使えない文字を含むファイル名です!!(sky___SkyLight 9 9 9)\n";

std::string g_lines;
void Collect(void*, const char* text) {
    g_lines += text;
}

TEST(HostileText, PathsThatCannotStandInQuotesAreNeverWritten) {
    std::string dir = OutputDir("hostile_paths");
    struct Row {
        void (*spoil)(PYL_SCENE&);
        const char* file;
        std::string line;
    } rows[] = {
        {[](PYL_SCENE& s) { s.GetSpace()->SetSkyLightMap(kHostilePath); }, "tmp.pyl", kRefusedPath},
        {[](PYL_SCENE& s) { s.AddMaterial()->AddChannel()->SetTexture(kHostilePath); }, "tmp.pyl",
         kRefusedPath},
        {[](PYL_SCENE&) {}, "t\"mp.pyl", "使えない文字を含むファイル名です!!(" + dir + "t_mp.pyl)\n"},
        // The model would be written beside the scene under the scene's own name.
        {[](PYL_SCENE&) {}, "tmp.Hxo", "モデルファイルと同じ名前には保存できません!!(" + dir + "tmp.Hxo)\n"},
    };
    for (const Row& row : rows) {
        PYL_SCENE scene;
        scene.AddEye();
        row.spoil(scene);
        PYLEXP exporter;
        exporter.GetMess().SetCallback(nullptr, Collect);
        g_lines.clear();
        EXPECT_EQ(exporter.Export((dir + row.file).c_str(), &scene), 0);
        EXPECT_EQ(g_lines, row.line);
        EXPECT_TRUE(std::filesystem::is_empty(dir)) << row.file; // under no name, whole or with "_"
    }
}

} // namespace
