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
#include <vector>

#include "base/ubmpdat.h"
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/pageids.h"
#include "res/resource.h"

namespace {

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string JsonText(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

int noSse2(CPUINFO*) {
    return CPU_FEATURE_MMX | CPU_FEATURE_SSE;
}

// A scratch folder holding the renderer in a folder of its own, an alpha map, and the work path.
class RenderJob : public testing::Test {
  protected:
    void SetUp() override {
        char tmp[MAX_PATH];
        GetTempPathA(sizeof tmp, tmp);
        root = std::string(tmp) + "hxrender" + std::to_string(GetCurrentProcessId()) + "\\";
        RemoveTree(root);
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA((root + "pyrell").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WinPath(PYRELL_EXE).c_str(), Exe().c_str(), FALSE));
        UBMPDAT alpha(8, 8, 24);
        alpha.Fill(RGBCOLOR(128, 128, 128, 255));
        ASSERT_TRUE(alpha.SaveBMP((root + "alpha.bmp").c_str()));

        DeleteSettingsKey();
        session = std::make_unique<PluginSession>();
        SendOpen(OpenHostDocument(R"({ "materials": [ { "name": "leaf", "uid": 1001, "color": [0.2, 0.7, 0.2],
            "alpha_map": "alpha.bmp" } ],
          "objects": [ { "name": "quad", "vertices": [[-1,-1,0],[1,-1,0],[1,1,0],[-1,1,0]],
            "faces": [ { "v": [0,1,2,3], "uv": [[0,0],[1,0],[1,1],[0,1]], "m": 0 } ] } ],
          "mapping": { "alpha.bmp": ")" +
                                  JsonText(root + "alpha.bmp") + R"(" },
          "settings": { "name": "plugin", "attributes": [], "children": [] } })"));
        SendActivate(TRUE);
        SetPaths(Exe(), root + "work");
        SetEnvironmentVariableA("PYRELL_LOG", Log().c_str());
    }

    void TearDown() override {
        for (const char* name : {"PYRELL_LOG", "PYRELL_EXIT", "PYRELL_NOWRITE", "PYRELL_TRUNCATE"})
            SetEnvironmentVariableA(name, nullptr);
        Main()->SetCpuInfoFunc(GetCpuInfo);
        session.reset();
        RemoveTree(root);
    }

    static void RemoveTree(const std::string& dir) {
        std::string from = dir + '\0'; // the list ends with two zero bytes
        SHFILEOPSTRUCTA op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        SHFileOperationA(&op);
    }

    std::string Exe() const { return root + "pyrell\\pyrell.exe"; }
    std::string Log() const { return root + "log.txt"; }
    std::string Work() const { return root + "work\\"; }

    void SetPaths(const std::string& exe, const std::string& work) {
        strcpy(Main()->GetPyrellPath(), exe.c_str());
        strcpy(Main()->GetTmpPath(), work.c_str());
    }

    // The message lines that an action printed.
    std::vector<std::string> LinesOf(const std::function<void()>& action) {
        std::string before = MessageText();
        action();
        std::string text = MessageText().substr(before.size());
        std::vector<std::string> lines;
        for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }

    std::vector<std::string> RenderLines(int expected) {
        return LinesOf([&] { EXPECT_EQ(Main()->Render(), expected); });
    }

    static std::string MessageText() {
        HWND edit = Main()->GetMessageWindow().GetHwnd();
        std::string text(GetWindowTextLengthA(edit) + 1, '\0');
        text.resize(GetWindowTextA(edit, &text[0], static_cast<int>(text.size())));
        return text;
    }

    // The command lines the renderer was started with, in order.
    std::vector<std::string> Commands() const {
        std::vector<std::string> found;
        std::istringstream log(ReadText(Log()));
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

// Whether a comes before b in the z-order of top-level windows.
bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == b) return true;
    return false;
}

} // namespace

TEST_F(RenderJob, DefaultRoadRunsTheRendererAndShowsItsPicture) {
    CreateDirectoryA((root + "work").c_str(), nullptr);
    CreateDirectoryA((root + "work\\tmp").c_str(), nullptr);
    HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, 0, 0, 0, 0);
    SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    SetFocus(other);

    // A click on the common page's render button.
    HWND button = GetDlgItem(Main()->GetPropertyPane()->GetCommPage().GetHwnd(), IDC_COMM_RENDER);
    std::vector<std::string> lines = LinesOf([&] { SendMessageA(button, BM_CLICK, 0, 0); });
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "pyl_filepath(" + Work() + "tmp)",
                         Work() + "tmp\\tmp.pyl保存",
                         "背景保存:" + Work() + "tmp\\back.bmp",
                         "pyrell実行(" + Exe() + "," + Work() + "tmp\\tmp.pyl)...",
                     }));
    EXPECT_EQ(Commands(), std::vector<std::string>{DefaultCommand()});
    EXPECT_NE(ReadText(Log()).find("cwd=" + root + "pyrell\n"), std::string::npos);
    for (const char* file : {"tmp\\tmp.pyl", "tmp\\tmp.hxo", "tmp\\__pyldlgHX__mtl0__alpha.bmp", "tmp.bmp"})
        EXPECT_TRUE(Exists(Work() + file)) << file;
    EXPECT_EQ(ReadText(Work() + "tmp\\back.bmp").size(), 3126u);

    UBMPDAT written;
    ASSERT_TRUE(written.LoadBMP((Work() + "tmp.bmp").c_str()));
    UBMPDAT& shown = Main()->GetRenderView().GetImage();
    EXPECT_TRUE(Main()->IsImageLoaded());
    ASSERT_EQ(shown.GetWidth(), 300);
    EXPECT_EQ(0, memcmp(shown.GetBits(), written.GetBits(), written.GetLineBytes() * written.GetHeight()));
    EXPECT_TRUE(IsAbove(Main()->GetHwnd(), other));
    // The dialog hands its focus on to a control of its own.
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == Main()->GetHwnd() || IsChild(Main()->GetHwnd(), focus));
    DestroyWindow(other);

    // The next start shows the last picture again.
    session.reset();
    session = std::make_unique<PluginSession>();
    EXPECT_TRUE(Main()->IsImageLoaded());
    EXPECT_EQ(Main()->GetRenderView().GetImage().GetWidth(), 300);
}

TEST_F(RenderJob, WorkFolderVariants) {
    // A missing folder is created, with its line; the next render finds it and creates nothing.
    SetPaths(Exe(), root + "work");
    std::vector<std::string> lines = RenderLines(1);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "フォルダがない場合作成(" + Work() + "tmp\\)");
    // One trailing backslash gives the same files and command line.
    SetPaths(Exe(), root + "work\\");
    lines = RenderLines(1);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(Commands(), (std::vector<std::string>{DefaultCommand(), DefaultCommand()}));

    SetPaths(Exe(), root + "a\\b\\c");
    RenderLines(1);
    EXPECT_TRUE(Exists(root + "a\\b\\c\\tmp\\tmp.pyl"));

    // A file where a folder belongs: the folder cannot be made and nothing runs.
    std::ofstream(root + "blocker") << "x";
    SetPaths(Exe(), root + "blocker\\w");
    lines = RenderLines(0);
    EXPECT_EQ(lines.back(), root + "blocker\\w\\tmp\\の作成ができません!!");
    // A work path that leaves no room for the file names stops with a line.
    SetPaths(Exe(), "C:\\" + std::string(1015, 'w'));
    lines = RenderLines(0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("作業パスが長すぎます!!", 0), 0u);
    EXPECT_EQ(Commands().size(), 3u);
}

TEST_F(RenderJob, CommandLineVariants) {
    Main()->SetPreview(0);
    std::string background = root + "sky.bmp";
    strcpy(Main()->GetScene()->GetRender()->back_filename, background.c_str());
    RenderLines(1);
    std::string expected = DefaultCommand();
    expected = expected.substr(0, expected.size() - 8); // no " preview"
    expected.replace(expected.find(Work() + "tmp\\back.bmp"), (Work() + "tmp\\back.bmp").size(), background);
    EXPECT_EQ(Commands(), std::vector<std::string>{expected});
    EXPECT_EQ(ReadText(Work() + "tmp\\back.bmp").size(), 3126u);

    // A renderer named without a folder starts in the current folder, not in an empty one.
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    SetCurrentDirectoryA((root + "pyrell").c_str());
    SetPaths("pyrell.exe", root + "work");
    RenderLines(1);
    SetCurrentDirectoryA(cwd);
    EXPECT_EQ(Commands().size(), 2u);

    // Without SSE2 the scene and background are written, and nothing is started.
    SetPaths(Exe(), root + "nosse");
    Main()->SetCpuInfoFunc(noSse2);
    std::vector<std::string> lines = RenderLines(0);
    EXPECT_EQ(lines.back(), "このCPUはSSE2をサポートしていないのでpyrell.exeを実行できません!!");
    EXPECT_TRUE(Exists(root + "nosse\\tmp\\tmp.pyl"));
    EXPECT_TRUE(Exists(root + "nosse\\tmp\\back.bmp"));
    EXPECT_EQ(Commands().size(), 2u);
}

TEST_F(RenderJob, FailedRenderKeepsThePreviousPicture) {
    RenderLines(1);
    UBMPDAT& shown = Main()->GetRenderView().GetImage();
    std::vector<unsigned char> before(shown.GetBits(),
                                      shown.GetBits() + shown.GetLineBytes() * shown.GetHeight());
    Main()->GetScene()->GetRender()->width = 120; // a new picture would differ in size
    std::string out = Work() + "tmp.bmp";
    struct Failure {
        const char* variable;
        const char* value;
        std::string line;
    };
    for (const Failure& f :
         {Failure{"PYRELL_EXIT", "3", "レンダリング失敗!!(終了コード3) " + out + "が書き込まれていません"},
          Failure{"PYRELL_NOWRITE", "1", "レンダリング失敗!! " + out + "が書き込まれていません"},
          Failure{"PYRELL_TRUNCATE", "1", "レンダリング失敗!! " + out + "を読み込めません"}}) {
        SetEnvironmentVariableA(f.variable, f.value);
        std::vector<std::string> lines = RenderLines(0);
        SetEnvironmentVariableA(f.variable, nullptr);
        EXPECT_EQ(lines.back(), f.line) << f.variable;
        EXPECT_TRUE(Main()->IsImageLoaded());
        ASSERT_EQ(shown.GetWidth(), 300) << f.variable;
        EXPECT_EQ(0, memcmp(shown.GetBits(), before.data(), before.size())) << f.variable;
    }

    SetPaths(root + "missing\\pyrell.exe", root + "work");
    EXPECT_EQ(RenderLines(0).back(), root + "missing\\pyrell.exe 実行失敗!!");
    EXPECT_EQ(shown.GetWidth(), 300);
}

TEST_F(RenderJob, SavingThePictureAndTheScene) {
    char* name = Main()->GetRenderImageFilename();
    Main()->SetImageLoaded(0);
    strcpy(name, (root + "none.bmp").c_str());
    std::string before = MessageText();
    Main()->SaveImage();
    EXPECT_EQ(MessageText(), before);
    EXPECT_FALSE(Exists(root + "none.bmp"));

    RenderLines(1);
    strcpy(name, (root + "shot.Bmp").c_str());
    Main()->SaveImage();
    UBMPDAT saved;
    ASSERT_TRUE(saved.LoadBMP((root + "shot.Bmp").c_str()));
    EXPECT_EQ(saved.GetWidth(), 300);

    strcpy(name, (root + "shot.png").c_str());
    Main()->SaveImage();
    EXPECT_NE(MessageText().rfind("\r\n(png)対応外の形式です\r\n"), std::string::npos);
    EXPECT_FALSE(Exists(root + "shot.png"));
    // An extension longer than its buffer is shown cut and counts as unsupported.
    strcpy(name, (root + "shot." + std::string(200, 'b')).c_str());
    Main()->SaveImage();
    EXPECT_NE(MessageText().find("(" + std::string(79, 'b') + ")対応外の形式です"), std::string::npos);
    strcpy(name, (root + "nofolder\\shot.bmp").c_str());
    Main()->SaveImage();
    EXPECT_NE(MessageText().rfind(root + "nofolder\\shot.bmpの保存に失敗しました\r\n"), std::string::npos);

    // The scene under a chosen name from the menu: PYL, HXO and maps side by side.
    CreateDirectoryA((root + "saved").c_str(), nullptr);
    {
        ModalAction choose("SavePYL", ChooseFile(root + "saved\\scene"));
        SendMessageA(Main()->GetHwnd(), WM_COMMAND, ID_FILE_SAVEPYL, 0); // the menu's item
    }
    for (const char* file : {"scene.pyl", "scene.hxo", "__pyldlgHX__mtl0__alpha.bmp"})
        EXPECT_TRUE(Exists(root + "saved\\" + file)) << file;
    EXPECT_NE(ReadText(root + "saved\\scene.pyl").find(root + "saved\\scene.hxo"), std::string::npos);

    // Without a document there is nothing to save and no dialog opens.
    SendEvent(201);
    EXPECT_EQ(Main()->SavePYL(), 0);
    EXPECT_EQ(Main()->Render(), 0);
}
