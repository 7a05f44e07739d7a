// The render job stops with a failure line naming the file at a renderer path that would break its
// quoted command line, at a background that cannot be written, and at a scene named like its model.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "plugin_fixture.h"

namespace {

std::string g_lines;

TEST(RenderRefusal, UnquotablePathsAndFailedWritesStopTheJob) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string work = std::string(temp) + "hxrefusal\\";
    CreateDirectoryA(work.c_str(), nullptr);
    CreateDirectoryA((work + "tmp").c_str(), nullptr);
    CreateDirectoryA((work + "tmp\\back.bmp").c_str(), nullptr); // where the background belongs
    std::string log = work + "log.txt";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("PYRELL_LOG", log.c_str());
    PluginSession session;
    UMESS& mess = Main()->GetMessageWindow();
    mess.SetCallback(nullptr, [](void*, const char* text) { g_lines += text; });
    SendOpen(OpenHostDocument(DocumentJson()));
    std::strcpy(Main()->GetTmpPath(), work.c_str());

    std::strcpy(Main()->GetPyrellPath(), "C:\\p\"\n.exe");
    EXPECT_EQ(Main()->Render(), 0);
    EXPECT_NE(g_lines.find("使えない文字を含むファイル名です!!(C:\\p__.exe)\n"), std::string::npos);
    std::strcpy(Main()->GetPyrellPath(), "C:\\pyrell\\pyrell.exe");
    EXPECT_EQ(Main()->Render(), 0);
    EXPECT_NE(g_lines.find("tmp\\back.bmp 保存失敗!!\n"), std::string::npos) << g_lines;
    EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES); // the renderer never ran

    // Refused before the conversion, which would already write maps beside it.
    std::string scene = work + "scene.Hxo";
    EXPECT_EQ(Main()->ExportScene(scene.c_str(), Main()->GetHostDoc(), Main()->GetScene()), 0);
    EXPECT_NE(g_lines.find("モデルファイルと同じ名前には保存できません!!(" + scene + ")\n"),
              std::string::npos);
    EXPECT_EQ(GetFileAttributesA(scene.c_str()), INVALID_FILE_ATTRIBUTES);
    SetEnvironmentVariableA("PYRELL_LOG", nullptr);
}

} // namespace
