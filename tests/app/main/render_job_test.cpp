// The render job with the stand-in renderer as a real child process, real work files and the main
// window shown.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/pageids.h"
#include "res/resource.h"

namespace {

std::string ReadText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// A scratch folder holding the renderer in a folder of its own and an alpha map; a document with one
// textured quad; the work path in the scratch folder.
class RenderJob : public testing::Test {
  protected:
    void SetUp() override {
        char tmp[MAX_PATH];
        GetTempPathA(sizeof tmp, tmp);
        root = std::string(tmp) + "hxrender" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA((root + "pyrell").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(("Z:" + std::string(PYRELL_EXE)).c_str(), Exe().c_str(), FALSE));
        UBMPDAT alpha(8, 8, 24);
        ASSERT_TRUE(alpha.SaveBMP((root + "alpha.bmp").c_str()));
        std::string json = R"({ "materials": [ { "name": "leaf", "uid": 1001, "alpha_map": "alpha.bmp" } ],
          "objects": [ { "name": "quad", "vertices": [[-1,-1,0],[1,-1,0],[1,1,0],[-1,1,0]],
            "faces": [ { "v": [0,1,2,3], "uv": [[0,0],[1,0],[1,1],[0,1]], "m": 0 } ] } ],
          "mapping": { "alpha.bmp": ")" +
                           root + R"(alpha.bmp" }, "settings": { "name": "plugin" } })";
        for (size_t at = json.find(root); (at = json.find('\\', at)) != std::string::npos; at += 2)
            json.insert(at, "\\"); // a JSON string
        DeleteSettingsKey();
        session = std::make_unique<PluginSession>();
        SendOpen(OpenHostDocument(json));
        SendActivate(TRUE);
        SetPaths(Exe(), root + "work");
        SetEnvironmentVariableA("PYRELL_LOG", (root + "log.txt").c_str());
    }
    void TearDown() override {
        for (const char* name : {"PYRELL_LOG", "PYRELL_EXIT", "PYRELL_NOWRITE", "PYRELL_TRUNCATE"})
            SetEnvironmentVariableA(name, nullptr);
        session.reset();
        std::string from = root + '\0'; // the list ends with two zero bytes
        SHFILEOPSTRUCTA op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        SHFileOperationA(&op);
    }

    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    static int NoSse2(CPUINFO*) { return CPU_FEATURE_MMX | CPU_FEATURE_SSE; }
    std::string Exe() const { return root + "pyrell\\pyrell.exe"; }
    std::string Work() const { return root + "work\\"; }
    void SetPaths(const std::string& exe, const std::string& work) {
        strcpy(Main()->GetPyrellPath(), exe.c_str());
        strcpy(Main()->GetTmpPath(), work.c_str());
    }

    // What an action printed in the message window.
    static std::string Printed(const std::function<void()>& action) {
        size_t before = TextOf(Main()->GetMessageWindow().GetHwnd()).size();
        action();
        return TextOf(Main()->GetMessageWindow().GetHwnd()).substr(before);
    }
    static std::string Render(int expected) {
        return Printed([&] { EXPECT_EQ(Main()->Render(), expected); });
    }

    // The command lines the renderer was started with, in order.
    std::vector<std::string> Commands() const {
        std::vector<std::string> found;
        std::istringstream log(ReadText(root + "log.txt"));
        for (std::string line; std::getline(log, line);)
            if (line.rfind("cmd=", 0) == 0) found.push_back(line.substr(4));
        return found;
    }
    std::string DefaultCommand() const {
        return "\"" + Exe() + "\" \"" + Work() + "tmp\\tmp.pyl\" /run /width=300 /height=300 /bg=\"" +
               Work() + "tmp\\back.bmp\" /out=\"" + Work() + "tmp.bmp\" preview";
    }

    std::string root;
    std::unique_ptr<PluginSession> session;
};

} // namespace

TEST_F(RenderJob, TheRenderButtonRunsTheRendererAndItsPictureIsShownAgainAtTheNextStart) {
    HWND button = GetDlgItem(Main()->GetPropertyPane()->GetCommPage().GetHwnd(), IDC_COMM_RENDER);
    EXPECT_EQ(Printed([&] { SendMessageA(button, BM_CLICK, 0, 0); }),
              "pyl_filepath(" + Work() + "tmp)\r\nフォルダがない場合作成(" + Work() + "tmp\\)\r\n" + Work() +
                  "tmp\\tmp.pyl保存\r\n背景保存:" + Work() + "tmp\\back.bmp\r\npyrell実行(" + Exe() + "," +
                  Work() + "tmp\\tmp.pyl)...\r\n");
    EXPECT_EQ(Commands(), std::vector<std::string>{DefaultCommand()});
    EXPECT_NE(ReadText(root + "log.txt").find("cwd=" + root + "pyrell\n"), std::string::npos);
    EXPECT_TRUE(Exists(Work() + "tmp\\tmp.hxo"));
    EXPECT_TRUE(Exists(Work() + "tmp\\__pyldlgHX__mtl0__alpha.bmp"));
    EXPECT_EQ(ReadText(Work() + "tmp\\back.bmp").size(), 3126u);
    UBMPDAT written;
    ASSERT_TRUE(written.LoadBMP((Work() + "tmp.bmp").c_str()));
    UBMPDAT& shown = Main()->GetRenderView().GetImage();
    ASSERT_EQ(shown.GetWidth(), 300);
    EXPECT_EQ(0, memcmp(shown.GetBits(), written.GetBits(), written.GetLineBytes() * written.GetHeight()));
    session.reset();
    session = std::make_unique<PluginSession>();
    EXPECT_TRUE(Main()->IsImageLoaded());
}

TEST_F(RenderJob, CommandLineWithoutPreviewWithItsOwnBackgroundAndARendererWithoutFolder) {
    // A renderer named without a folder starts in the current folder, not in an empty one.
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    SetCurrentDirectoryA((root + "pyrell").c_str());
    SetPaths("pyrell.exe", root + "work\\"); // one trailing backslash is dropped
    Main()->SetPreview(0);
    strcpy(Main()->GetScene()->GetRender()->back_filename, (root + "sky.bmp").c_str());
    Render(1);
    SetCurrentDirectoryA(cwd);
    std::string own = DefaultCommand(), back = Work() + "tmp\\back.bmp";
    own = own.substr(0, own.size() - 8).replace(own.find(back), back.size(), root + "sky.bmp");
    EXPECT_EQ(Commands(), std::vector<std::string>{own.replace(1, Exe().size(), "pyrell.exe")});
}

TEST_F(RenderJob, EachFailureIsReportedAndKeepsThePreviousPicture) {
    Render(1);
    UBMPDAT& shown = Main()->GetRenderView().GetImage();
    std::vector<BYTE> before(shown.GetBits(), shown.GetBits() + shown.GetLineBytes() * shown.GetHeight());
    Main()->GetScene()->GetRender()->width = 120; // a new picture would differ in size
    std::ofstream(root + "blocker") << "x";
    const std::string out = Work() + "tmp.bmp", exe = Exe(), work = root + "work";
    struct {
        const char* variable; // makes the renderer fail on purpose
        std::string exe, work, line;
        bool noSse2, started;
    } rows[] = {
        {"PYRELL_EXIT", exe, work, "レンダリング失敗!!(終了コード3) " + out + "が書き込まれていません", 0, 1},
        {"PYRELL_NOWRITE", exe, work, "レンダリング失敗!! " + out + "が書き込まれていません", 0, 1},
        {"PYRELL_TRUNCATE", exe, work, "レンダリング失敗!! " + out + "を読み込めません", 0, 1},
        {nullptr, root + "missing\\pyrell.exe", work, root + "missing\\pyrell.exe 実行失敗!!", 0, 0},
        {nullptr, exe, root + "nosse", "このCPUはSSE2をサポートしていないのでpyrell.exeを実行できません!!", 1,
         0},
        {nullptr, exe, root + "blocker\\w", root + "blocker\\w\\tmp\\の作成ができません!!", 0, 0},
        {nullptr, exe, "C:\\" + std::string(1015, 'w'), "作業パスが長すぎます!!", 0, 0},
    };
    size_t runs = Commands().size();
    for (const auto& row : rows) {
        if (row.variable) SetEnvironmentVariableA(row.variable, "3");
        Main()->SetCpuInfoFunc(row.noSse2 ? NoSse2 : GetCpuInfo);
        SetPaths(row.exe, row.work);
        std::string printed = Render(0);
        if (row.variable) SetEnvironmentVariableA(row.variable, nullptr);
        EXPECT_NE(printed.find(row.line), std::string::npos) << printed;
        runs += row.started;
        EXPECT_EQ(Commands().size(), runs) << row.line;
        ASSERT_EQ(shown.GetWidth(), 300) << row.line;
        EXPECT_EQ(0, memcmp(shown.GetBits(), before.data(), before.size())) << row.line;
    }
}

TEST_F(RenderJob, SavingThePictureAndTheScene) {
    char* name = Main()->GetRenderImageFilename();
    strcpy(name, (root + "none.bmp").c_str());
    Main()->SaveImage(); // no picture yet
    EXPECT_FALSE(Exists(root + "none.bmp"));
    Render(1);
    struct {
        std::string name, line;
    } rows[] = {
        {root + "shot.Bmp", "SaveImage(" + root + "shot.Bmp)"},
        {root + "shot.png", "(png)対応外の形式です"},
        {root + "shot." + std::string(200, 'b'),
         "(" + std::string(79, 'b') + ")対応外の形式です"}, // shown cut
        {root + "nofolder\\shot.bmp", root + "nofolder\\shot.bmpの保存に失敗しました"},
    };
    for (const auto& row : rows) {
        strcpy(name, row.name.c_str());
        EXPECT_NE(Printed([] { Main()->SaveImage(); }).find(row.line + "\r\n"), std::string::npos)
            << row.line;
        EXPECT_EQ(Exists(row.name), &row == rows) << row.name;
    }
    // The menu's choices: the picture gets the bitmap extension; the scene is written with its maps.
    for (auto [id, title, path] : {std::make_tuple(ID_FILE_SAVEIMAGE, "Save", root + "menu"),
                                   std::make_tuple(ID_FILE_SAVEPYL, "SavePYL", root + "scene")}) {
        ModalAction choose(title, ChooseFile(path));
        SendMessageA(Main()->GetHwnd(), WM_COMMAND, id, 0);
    }
    EXPECT_TRUE(Exists(root + "menu.bmp"));
    EXPECT_TRUE(Exists(root + "__pyldlgHX__mtl0__alpha.bmp"));
    EXPECT_NE(ReadText(root + "scene.pyl").find(root + "scene.hxo"), std::string::npos);
    // Without a document there is nothing to save or render, and no dialog opens.
    SendEvent(201);
    EXPECT_EQ(Main()->SavePYL(), 0);
    EXPECT_EQ(Main()->Render(), 0);
}
