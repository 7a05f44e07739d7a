// Text from the document never changes the structure of a line of the scene files: names lose their
// quotes and control characters, the same way in both files; paths holding one are never written.
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/hxoexp.h"
#include "scene/pylexp.h"

#include "golden.h"

namespace {

const char kHostileName[] = "a\"b\r\n\tnew Material \"x\x7F";
const char kCleanedName[] = "a_b___new Material _x_";
const char kHostilePath[] = "sky\"\r\nSkyLight 9 9 9";
const std::string kRefusedPath = "使えない文字を含むファイル名です!!(sky___SkyLight 9 9 9)\n";

std::string g_lines;
void Collect(void*, const char* text) {
    g_lines += text;
}

// Each line: its leading tabs, then text with its quotes in pairs and no control character.
void ExpectWholeLines(const std::string& file) {
    for (size_t at = 0, end; (end = file.find("\r\n", at)) != std::string::npos; at = end + 2) {
        std::string line = file.substr(at, end - at);
        line.erase(0, line.find_first_not_of('\t'));
        EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0) << line;
        EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char c) { return c >= 0 && c < 0x20; }))
            << line;
    }
}

TEST(HostileText, NamesAreWrittenTheSameCleanWayInBothFiles) {
    PYL_SCENE scene;
    scene.AddEye();
    scene.AddMaterial()->SetName(kHostileName);
    scene.AddObject()->SetName(kHostileName);
    std::string dir = OutputDir("hostile_names");
    PYLEXP exporter;
    ASSERT_EQ(exporter.Export((dir + "tmp.pyl").c_str(), &scene), 1);
    std::string pyl = ReadWholeFile(dir + "tmp.pyl");
    std::string hxo = ReadWholeFile(dir + "tmp.hxo");
    EXPECT_NE(pyl.find(std::string("\tnew Material \"") + kCleanedName + "\"\r\n"), std::string::npos);
    EXPECT_NE(hxo.find(std::string("\t\"") + kCleanedName + "\" col("), std::string::npos);
    EXPECT_NE(hxo.find(std::string("Object \"") + kCleanedName + "\" {\r\n"), std::string::npos);
    ExpectWholeLines(pyl);
    ExpectWholeLines(hxo);
}

TEST(HostileText, PathsThatCannotStandInQuotesAreNeverWritten) {
    std::string dir = OutputDir("hostile_paths");
    struct Row {
        void (*spoil)(PYL_SCENE&);
        const char* file;
        std::string line;
    } rows[] = {
        {[](PYL_SCENE& s) { s.GetSpace()->SetSkyLightMap(kHostilePath); }, "tmp.pyl", kRefusedPath},
        {[](PYL_SCENE& s) { s.AddLight()->SetTexture(kHostilePath); }, "tmp.pyl", kRefusedPath},
        {[](PYL_SCENE& s) { s.AddMaterial()->AddChannel()->SetTexture(kHostilePath); }, "tmp.pyl",
         kRefusedPath},
        {[](PYL_SCENE&) {}, "t\"mp.pyl", "使えない文字を含むファイル名です!!(" + dir + "t_mp.pyl)\n"},
        // The model would be written beside the scene under the scene's own name.
        {[](PYL_SCENE&) {}, "tmp.Hxo", "モデルファイルと同じ名前には保存できません!!(" + dir + "tmp.Hxo)\n"},
    };
    for (const Row& row : rows) {
        for (const char* name : {"tmp.pyl", "tmp.hxo"})
            DeleteFileA((dir + name).c_str());
        PYL_SCENE scene;
        scene.AddEye();
        row.spoil(scene);
        PYLEXP exporter;
        exporter.GetMess().SetCallback(nullptr, Collect);
        g_lines.clear();
        EXPECT_EQ(exporter.Export((dir + row.file).c_str(), &scene), 0);
        EXPECT_EQ(g_lines, row.line);
        EXPECT_EQ(GetFileAttributesA((dir + "tmp.pyl").c_str()), INVALID_FILE_ATTRIBUTES) << row.file;
        EXPECT_EQ(GetFileAttributesA((dir + "tmp.hxo").c_str()), INVALID_FILE_ATTRIBUTES) << row.file;
    }

    // The model writer on its own refuses such a path too.
    HXO_MODEL model;
    model.AddMaterial()->SetBumpName(kHostilePath);
    HXOEXP hxo;
    hxo.GetMess().SetCallback(nullptr, Collect);
    g_lines.clear();
    EXPECT_EQ(hxo.Save((dir + "tmp.hxo").c_str(), &model, 1), 0);
    EXPECT_EQ(g_lines, kRefusedPath);
    EXPECT_EQ(GetFileAttributesA((dir + "tmp.hxo").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
