// The render job never passes a path that would break the renderer's quoted command line or scene
// files, and stops at a write that fails: a failure line names the file and the renderer never runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "plugin_fixture.h"

namespace {

const char kHostilePath[] = "sky\"\r\nSkyLight 9 9 9";

std::string MessageText() {
    HWND edit = Main()->GetMessageWindow().GetHwnd();
    std::string text(GetWindowTextLengthA(edit) + 1, '\0');
    text.resize(GetWindowTextA(edit, &text[0], static_cast<int>(text.size())));
    return text;
}

TEST(RenderRefusal, HostilePathsAndFailedWritesStopTheJob) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "hxrefusal\\";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string log = root + "log.txt";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("PYRELL_LOG", log.c_str());
    std::string renderer = "Z:" + std::string(PYRELL_EXE);
    for (char& c : renderer)
        c = c == '/' ? '\\' : c;
    DeleteSettingsKey();
    PluginSession session;
    SendActivate(TRUE);

    struct Row {
        void (*spoil)(RENDPYL_MODEL&, const std::string& work);
        std::string line;
        bool sceneWritten;
    } rows[] = {
        {[](RENDPYL_MODEL& m, const std::string&) { m.GetRender()->SetBackFilename("b.bmp\" /width=\"7"); },
         "使えない文字を含むファイル名です!!(b.bmp_ /width=_7)", false},
        {[](RENDPYL_MODEL&, const std::string&) { std::strcpy(Main()->GetPyrellPath(), "C:\\p\"\n.exe"); },
         "使えない文字を含むファイル名です!!(C:\\p__.exe)", false},
        {[](RENDPYL_MODEL& m, const std::string&) { m.GetLightSky()->SetFilename(kHostilePath); },
         "使えない文字を含むファイル名です!!(sky___SkyLight 9 9 9)", false},
        // A folder where the background picture belongs.
        {[](RENDPYL_MODEL&, const std::string& work) {
             CreateDirectoryA((work + "tmp\\back.bmp").c_str(), 0);
         },
         "tmp\\back.bmp 保存失敗!!", true},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        std::string work = root + "w" + std::to_string(i) + "\\";
        CreateDirectoryA(work.c_str(), nullptr);
        CreateDirectoryA((work + "tmp").c_str(), nullptr);
        DeleteFileA((work + "tmp\\tmp.pyl").c_str());
        SendOpen(OpenHostDocument(DocumentJson()));
        std::strcpy(Main()->GetPyrellPath(), renderer.c_str());
        std::strcpy(Main()->GetTmpPath(), work.c_str());
        rows[i].spoil(*Main()->GetScene(), work);
        SetWindowTextA(Main()->GetMessageWindow().GetHwnd(), "");
        EXPECT_EQ(Main()->Render(), 0) << i;
        EXPECT_NE(MessageText().find(rows[i].line + "\r\n"), std::string::npos) << MessageText();
        bool sceneWritten = GetFileAttributesA((work + "tmp\\tmp.pyl").c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(sceneWritten, rows[i].sceneWritten) << i;
    }
    EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES); // the renderer never ran

    // A scene named like its own model would overwrite the model: refused before anything is written.
    std::string scene = root + "scene.Hxo";
    DeleteFileA(scene.c_str());
    EXPECT_EQ(Main()->ExportScene(scene.c_str(), Main()->GetHostDoc(), Main()->GetScene()), 0);
    EXPECT_NE(MessageText().find("モデルファイルと同じ名前には保存できません!!(" + scene + ")\r\n"),
              std::string::npos);
    EXPECT_EQ(GetFileAttributesA(scene.c_str()), INVALID_FILE_ATTRIBUTES);
    SetEnvironmentVariableA("PYRELL_LOG", nullptr);
}

} // namespace
