// The render job with the stand-in renderer as a real child process, real work files and the main
// window shown.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
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
#include "res/page_lightids.h"
#include "res/pageids.h"
#include "res/resource.h"
#include "tests/common/testfiles.h"

namespace {

// The arguments as a C runtime that reads its command line byte by byte splits them: each byte
// stands for one character, so the second byte of a double-byte character is seen as what it is.
std::vector<std::string> SplitBytes(const std::string& line) {
    std::wstring wide(line.size(), L'\0');
    std::transform(line.begin(), line.end(), wide.begin(), [](char c) { return wchar_t(BYTE(c)); });
    int n = 0;
    LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &n);
    std::vector<std::string> args;
    for (int i = 0; argv && i < n; ++i)
        args.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
    LocalFree(argv);
    return args;
}

// The transparency map the conversion writes for the document's one material.
const std::string kMap = "__pyldlgHX__mtl0__alpha.bmp";

// The names in a folder, sorted as bytes; deep, with what its folders hold as "folder\\name".
std::vector<std::string> Listing(const std::string& folder, bool deep = false) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
        if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0) continue;
        names.push_back(found.cFileName);
        if (deep && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            for (const std::string& inner : Listing(folder + "\\" + found.cFileName, true))
                names.push_back(found.cFileName + ("\\" + inner));
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// A document of one triangle of the given size with the given children of its settings' model.
std::string Document(const std::string& size, const std::string& settings) {
    return R"({ "materials": [ { "name": "red", "uid": 1001 } ], "objects": [ { "name": "tri", "vertices":
      [[-)" +
           size + ",-" + size + ",0],[" + size + ",-" + size + ",0],[" + size + "," + size +
           R"(,0]], "faces": [ { "v": [0,1,2], "m": 0 } ] } ], "settings": { "name": "plugin", "children":
      [ { "name": "model", "attributes": [["ver", "10000"]], "children": [ )" +
           settings + " ] } ] } }";
}

// Makes a folder current for a scope, and the one current before current again however the scope ends, so
// that a failed assertion leaves no later case in the wrong folder.
struct CurrentFolder {
    explicit CurrentFolder(const std::string& folder) {
        GetCurrentDirectoryA(sizeof saved, saved);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(saved); }
    char saved[MAX_PATH] = "";
};

// A scratch folder holding the renderer in a folder of its own and an alpha map; a document with one
// textured quad; the work path in the scratch folder.
class RenderJob : public testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(ScratchFolder()); // a file dialog may have left it inside root
        ASSERT_TRUE(RemoveTree(ScratchPath("render")));
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
        ResetSettings();
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
    // The picture shown now.
    static std::vector<BYTE> Shown() {
        const UBMPDAT& image = Main()->GetRenderView().GetImage();
        return std::vector<BYTE>(image.GetBits(), image.GetBits() + image.GetLineBytes() * image.GetHeight());
    }

    // The command lines the renderer was started with, in order.
    std::vector<std::string> Commands() const {
        std::vector<std::string> found;
        std::istringstream log(ReadFileBytes(root + "log.txt"));
        for (std::string line; std::getline(log, line);)
            if (line.rfind("cmd=", 0) == 0) found.push_back(line.substr(4));
        return found;
    }
    std::string DefaultCommand() const {
        return "\"" + Exe() + "\" \"" + Work() + "tmp\\tmp.pyl\" /run /width=300 /height=300 /bg=\"" +
               Work() + "tmp\\back.bmp\" /out=\"" + Work() + "tmp.bmp\" preview";
    }

    const std::string root = ScratchPath("render\\");
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
    EXPECT_NE(ReadFileBytes(root + "log.txt").find("cwd=" + root + "pyrell\n"), std::string::npos);
    EXPECT_TRUE(Exists(Work() + "tmp\\tmp.hxo"));
    EXPECT_TRUE(Exists(Work() + "tmp\\" + kMap));
    EXPECT_EQ(ReadFileBytes(Work() + "tmp\\back.bmp").size(), 3126u);
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
    {
        CurrentFolder renderers(root + "pyrell");
        SetPaths("pyrell.exe", root + "work\\"); // one trailing backslash is dropped
        Main()->SetPreview(0);
        strcpy(Main()->GetScene()->GetRender()->back_filename, (root + "sky.bmp").c_str());
        Render(1);
    }
    std::string own = DefaultCommand(), back = Work() + "tmp\\back.bmp";
    own = own.substr(0, own.size() - 8).replace(own.find(back), back.size(), root + "sky.bmp");
    EXPECT_EQ(Commands(), std::vector<std::string>{own.replace(1, Exe().size(), "pyrell.exe")});
}

TEST_F(RenderJob, EachFailureIsReportedAndKeepsThePreviousPicture) {
    Render(1);
    const std::vector<BYTE> before = Shown();
    Main()->GetScene()->GetRender()->width = 120; // a new picture would differ in size
    std::ofstream(root + "blocker") << "x";
    std::filesystem::create_directories(root + "noback\\tmp\\back.bmp");
    const std::string fullBack = root + "full\\tmp\\back.bmp", fullMap = root + "fullmap\\tmp\\" + kMap;
    for (const std::string& link : {fullBack, fullMap}) {
        std::filesystem::create_directories(std::filesystem::path(link).parent_path());
        ASSERT_TRUE(LinkToFullDevice(link)) << link;
    }
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
        {nullptr, exe, root + "noback", root + "noback\\tmp\\back.bmp 保存失敗!!", 0, 0},
        {nullptr, exe, root + "full", fullBack + " 保存失敗!!", 0, 0}, // a full disk
        {nullptr, exe, root + "fullmap", fullMap + " 保存失敗!!", 0, 0},
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
        EXPECT_EQ(Shown(), before) << row.line;
    }
}

TEST_F(RenderJob, SavingThePictureAndTheScene) {
    char* name = Main()->GetRenderImageFilename();
    strcpy(name, (root + "none.bmp").c_str());
    Main()->SaveImage(); // no picture yet
    EXPECT_FALSE(Exists(root + "none.bmp"));
    Main()->GetScene()->GetRender()->height = 64; // smaller than the write buffer: only the close can fail
    Render(1);
    struct {
        std::string name, line;
    } rows[] = {
        {root + "shot.Bmp", "SaveImage(" + root + "shot.Bmp)"},
        {root + "shot.png", "(png)対応外の形式です"},
        {root + "shot." + std::string(200, 'b'),
         "(" + std::string(79, 'b') + ")対応外の形式です"}, // shown cut
        {root + "nofolder\\shot.bmp", root + "nofolder\\shot.bmpの保存に失敗しました"},
        {root + "full.bmp", root + "full.bmpの保存に失敗しました"}, // on a full disk
    };
    ASSERT_TRUE(LinkToFullDevice(root + "full.bmp"));
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
    EXPECT_TRUE(Exists(root + kMap));
    EXPECT_NE(ReadFileBytes(root + "scene.pyl").find(root + "scene.hxo"), std::string::npos);
    // With the "*.*" type, a name that Windows opens as that scene's model is refused before anything is
    // made.
    ModalAction asModel("SavePYL", ChooseFile(root + "scene.hxo\\.", 2));
    EXPECT_EQ(Printed([] { EXPECT_EQ(Main()->SavePYL(), 0); }),
              "モデルファイルと同じ名前には保存できません!!(" + root + "scene.hxo\\.)\r\n" + root +
                  "scene.hxo\\. 保存失敗!!\r\n");
    // A document closed while the scene's dialog is open writes nothing; without one there is nothing to
    // save or render, and no dialog opens.
    ModalAction closeFirst("SavePYL", [&](HWND dialog) {
        SendEvent(201);
        ChooseFile(root + "closed")(dialog);
    });
    EXPECT_EQ(Main()->SavePYL(), 0);
    EXPECT_TRUE(ModalAction::Acted());
    EXPECT_FALSE(Exists(root + "closed.pyl"));
    EXPECT_EQ(Main()->SavePYL(), 0);
    EXPECT_EQ(Main()->Render(), 0);
}

// A path whose last byte is 0x5C would escape its closing quote; other backslashes, blanks and
// double-byte characters reach the renderer as they are, each path one argument.
TEST_F(RenderJob, EveryQuotedPathReachesTheRendererAsOneArgument) {
    const struct {
        std::string renderer, background; // empty: the stand-in renderer, the generated background
        std::string refused;              // the path the failure line shows; empty: rendered
    } rows[] = {
        {"", "Z:\\nothere\\", "Z:\\nothere\\"},
        {"", "Z:\\nothere\\表", "Z:\\nothere\\表"},
        {"", "b.bmp\" /width=\"7", "b.bmp_ /width=_7"},
        {"", "Z:\\a b\\\\c.bmp", ""},
        {"", "Z:\\表\\c.bmp", ""},
        {root + "pyrell\\", "", root + "pyrell\\"},
        {root + "p\"\n.exe", "", root + "p__.exe"},
    };
    for (const auto& row : rows) {
        const std::string exe = row.renderer.empty() ? Exe() : row.renderer;
        SetPaths(exe, Work());
        strcpy(Main()->GetScene()->GetRender()->back_filename, row.background.c_str());
        const size_t runs = Commands().size();
        std::string printed = Render(row.refused.empty() ? 1 : 0);
        if (!row.refused.empty()) {
            EXPECT_NE(printed.find("使えない文字を含むファイル名です!!(" + row.refused + ")\r\n"),
                      std::string::npos)
                << printed;
            EXPECT_EQ(Commands().size(), runs) << row.refused; // the renderer never ran
            continue;
        }
        const std::string background = row.background.empty() ? Work() + "tmp\\back.bmp" : row.background;
        EXPECT_EQ(SplitBytes(Commands().back()),
                  (std::vector<std::string>{exe, Work() + "tmp\\tmp.pyl", "/run", "/width=300", "/height=300",
                                            "/bg=" + background, "/out=" + Work() + "tmp.bmp", "preview"}));
    }
}

// Windows resolves a name before it opens it: `.` and `..` applied, `/` taken for `\`, trailing blanks and
// dots dropped, any case. A refused name would open a model file (here another scene's), a folder, a stream
// of a file or a device: the other scenes' models stay as they were, and nothing else is written, not even
// the maps the conversion makes beside the scene. A scene that is written makes its model and its maps
// from that resolved name, and names the model by it.
TEST_F(RenderJob, ASceneIsWrittenWhereWindowsOpensItsName) {
    const std::vector<std::string> kept = {"a.hxo", "my.hxo", "my.scenes", "sub"};
    const std::string model = "another scene's model";
    int folder = 0;
    // Exports into a folder of its own holding two other scenes' models and two folders; the folder and
    // what the export printed.
    auto exportAs = [&](const std::string& name, int expected, const std::string& prefix = "") {
        const std::string dir = root + "scenes" + std::to_string(folder++) + "\\";
        for (const std::string& made : {dir, dir + "sub", dir + "my.scenes"})
            CreateDirectoryA(made.c_str(), nullptr);
        for (const char* other : {"a.hxo", "my.hxo"})
            std::ofstream(dir + other) << model;
        return std::pair(dir, Printed([&] {
                             EXPECT_EQ(Main()->ExportScene((prefix + dir + name).c_str(),
                                                           Main()->GetHostDoc(), Main()->GetScene()),
                                       expected)
                                 << name;
                         }));
    };
    // Names of a model, of folders, of streams and of devices.
    const char* const refused[] = {
        "a.hxo",        "a.HXO",      "a.hxo ",  "a.hxo.",       "a.hxo. .",          "a.hxo\\.",
        "A.HXO\\.",     "a.hxo .\\.", "a.hxo/.", "a.hxo\\x\\..", "sub\\..\\a.hxo\\.", "a.hxo/", //
        "sub",          "my.scenes",  ".",       "sub\\.",       "sub\\..",                     //
        "a.hxo::$DATA", "a.pyl:s",    "nul",     "COM1.pyl"};
    for (const std::string name : refused) {
        const auto [dir, printed] = exportAs(name, 0);
        EXPECT_EQ(std::tuple(Listing(dir, true), ReadFileBytes(dir + "a.hxo"), ReadFileBytes(dir + "my.hxo")),
                  std::tuple(kept, model, model))
            << name;
        EXPECT_EQ(printed, "モデルファイルと同じ名前には保存できません!!(" + dir + name + ")\r\n");
    }
    const struct {
        const char* name;
        std::string scene, model; // where the scene is written, and the model it names
        std::vector<std::string> added;
        std::string prefix = ""; // written before the scratch folder's full path
    } rows[] = {
        {"a.pyl", "a.pyl", "a.hxo", {kMap, "a.pyl"}},
        {"a.hxo.pyl", "a.hxo.pyl", "a.hxo.hxo", {kMap, "a.hxo.hxo", "a.hxo.pyl"}},
        {"sub\\..\\a.pyl", "a.pyl", "a.hxo", {kMap, "a.pyl"}},
        {"場面.pyl", "場面.pyl", "場面.hxo", {kMap, "場面.hxo", "場面.pyl"}},
        {"my scene.pyl", "my scene.pyl", "my scene.hxo", {kMap, "my scene.hxo", "my scene.pyl"}},
        {"場面表", "場面表", "場面表.hxo", {kMap, "場面表", "場面表.hxo"}},
        {"場面ソ.pyl", "場面ソ.pyl", "場面ソ.hxo", {kMap, "場面ソ.hxo", "場面ソ.pyl"}},
        {"a.pyl", "a.pyl", "a.hxo", {kMap, "a.pyl"}, "\\\\?\\"},
        {"my.scenes/a",
         "my.scenes\\a",
         "my.scenes\\a.hxo",
         {"my.scenes\\" + kMap, "my.scenes\\a", "my.scenes\\a.hxo"}},
    };
    for (const auto& row : rows) {
        const std::string dir = exportAs(row.name, 1, row.prefix).first;
        std::vector<std::string> written = kept;
        written.insert(written.end(), row.added.begin(), row.added.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(std::pair(Listing(dir, true), ReadFileBytes(dir + "my.hxo")), std::pair(written, model))
            << row.name;
        EXPECT_NE(
            ReadFileBytes(dir + row.scene).find("File     \"" + row.prefix + dir + row.model + "\"\r\n"),
            std::string::npos)
            << row.name;
    }
}

// Characters whose second byte is a backslash (表, ソ, 能) end no folder name: the job makes the work
// folder and nothing beside it, every file lands inside, each path reaches the renderer whole, and the
// menu saves the scene and the picture there.
TEST_F(RenderJob, AJapaneseWorkFolderHoldsEveryFile) {
    const std::string work = root + "作業表\\ソ能\\";
    SetPaths(Exe(), work);
    Render(1);
    EXPECT_EQ(Listing(root + "作業表"), std::vector<std::string>{"ソ能"});
    EXPECT_EQ(Listing(work + "tmp"), (std::vector<std::string>{kMap, "back.bmp", "tmp.hxo", "tmp.pyl"}));
    EXPECT_EQ(
        SplitBytes(Commands().back()),
        (std::vector<std::string>{Exe(), work + "tmp\\tmp.pyl", "/run", "/width=300", "/height=300",
                                  "/bg=" + work + "tmp\\back.bmp", "/out=" + work + "tmp.bmp", "preview"}));
    for (auto [id, title, path] : {std::make_tuple(ID_FILE_SAVEIMAGE, "Save", work + "絵"),
                                   std::make_tuple(ID_FILE_SAVEPYL, "SavePYL", work + "場面")}) {
        ModalAction choose(title, ChooseFile(path));
        SendMessageA(Main()->GetHwnd(), WM_COMMAND, id, 0);
    }
    EXPECT_EQ(Listing(work),
              (std::vector<std::string>{kMap, "tmp", "tmp.bmp", "絵.bmp", "場面.hxo", "場面.pyl"}));
    EXPECT_NE(ReadFileBytes(work + "場面.pyl").find("\"" + work + "場面.hxo\""), std::string::npos);
}

// The renderer runs in a folder of its own, so the work folder is resolved once, as Windows opens its name,
// before any folder is made: every file and every argument names it in full, and `.` and `..`, trailing
// blanks and dots leave no stray folder behind; `/` and a drive alone name the drive's root. A relative
// background reaches the renderer in full too. A file where the scene folder goes stops the job before
// anything is written.
TEST_F(RenderJob, ARelativeWorkFolderIsResolvedOnceForEveryFileAndArgument) {
    ASSERT_EQ(root.substr(0, 2), "C:"); // the current folder lies elsewhere on the drive the rows name
    // The root's work files go again however the case ends.
    struct RootWork {
        RootWork() { Remove(); }
        ~RootWork() { Remove(); }
        static void Remove() {
            EXPECT_TRUE(RemoveTree("C:\\tmp"));
            DeleteFileA("C:\\tmp.bmp");
        }
    } rootWork;
    CurrentFolder scratch(root);
    const struct {
        std::string typed, work, background, bg; // bg empty: the background the job writes
    } rows[] = {
        {"relwork表", root + "relwork表\\", "", ""},
        {"C:foo表", root + "foo表\\", "C:sky.bmp", root + "sky.bmp"},
        {"作業表\\.\\ソ\\..\\能", root + "作業表\\能\\", "pics\\..\\sky.bmp", root + "sky.bmp"},
        {"wb ", root + "wb\\", "\\pics\\sky.bmp", "C:\\pics\\sky.bmp"},
        {"wc. . ", root + "wc\\", "", ""},
        {"we\\x. ", root + "we\\x\\", "", ""},
        {"wd. \\x", root + "wd. \\x\\", "", ""}, // a folder keeps what a separator follows
        {"/", "C:\\", "", ""},
        {"C:", "C:\\", "", ""},
    };
    for (const auto& row : rows) {
        SetPaths(Exe(), row.typed);
        strcpy(Main()->GetScene()->GetRender()->back_filename, row.background.c_str());
        Render(1);
        const std::string bg = row.bg.empty() ? row.work + "tmp\\back.bmp" : row.bg;
        EXPECT_EQ(
            SplitBytes(Commands().back()),
            (std::vector<std::string>{Exe(), row.work + "tmp\\tmp.pyl", "/run", "/width=300", "/height=300",
                                      "/bg=" + bg, "/out=" + row.work + "tmp.bmp", "preview"}))
            << row.typed;
        EXPECT_EQ(std::pair(Listing(row.work + "tmp"), Exists(row.work + "tmp.bmp")),
                  std::pair(std::vector<std::string>{kMap, "back.bmp", "tmp.hxo", "tmp.pyl"}, true))
            << row.typed;
    }
    EXPECT_EQ(Listing(root), (std::vector<std::string>{"alpha.bmp", "foo表", "log.txt", "pyrell", "relwork表",
                                                       "wb", "wc", "wd. ", "we", "作業表"}));
    EXPECT_EQ(Listing(root + "作業表"), std::vector<std::string>{"能"});
    std::filesystem::create_directories(root + "filetmp");
    std::ofstream(root + "filetmp\\tmp") << "x";
    SetPaths(Exe(), "filetmp");
    const std::string scenes = root + "filetmp\\tmp";
    EXPECT_EQ(Render(0), "pyl_filepath(" + scenes + ")\r\nフォルダがない場合作成(" + scenes + "\\)\r\n" +
                             scenes + "\\の作成ができません!!\r\n");
    EXPECT_EQ(std::pair(Listing(root + "filetmp"), ReadFileBytes(scenes)),
              std::pair(std::vector<std::string>{"tmp"}, std::string("x")));
}

// Real folders are often read-only, hidden, archived or not indexed.
TEST_F(RenderJob, TheSceneFolderIsAFolderWhateverItsAttributes) {
    const std::string scenes = Work() + "tmp";
    std::filesystem::create_directories(scenes);
    for (DWORD attributes : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_ARCHIVE,
                             FILE_ATTRIBUTE_NOT_CONTENT_INDEXED}) {
        ASSERT_TRUE(SetFileAttributesA(scenes.c_str(), attributes));
        EXPECT_EQ(Render(1).find("作成"), std::string::npos) << attributes;
        SetFileAttributesA(scenes.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Settings finite as written can overflow once the conversion multiplies them; such a number is never
// written, the renderer does not run and the picture shown stays.
TEST_F(RenderJob, ANumberThatIsNotFiniteStopsTheExport) {
    Render(1);
    const std::vector<BYTE> shown = Shown();
    const struct {
        std::string document, line;
    } rows[] = {
        {Document("1",
                  R"({ "name": "lightsky", "attributes": [["col", "3e38 3e38 3e38"], ["scale", "10"]] })"),
         "有限でない数値は書き込めません!!(SkyLight              inf inf inf)"},
        {Document("1", R"({ "name": "lightpoint", "attributes": [["name", "p"], ["scale", "3e38"]] })"),
         "有限でない数値は書き込めません!!(Intensity          inf inf inf)"},
        {Document("3e38", R"({ "name": "lightpoint", "attributes": [["name", "p"], ["scale", "0"]] })"),
         "有限でない数値は書き込めません!!(Intensity          nan nan nan)"},
    };
    for (const auto& row : rows) {
        SendOpen(OpenHostDocument(row.document));
        const size_t runs = Commands().size();
        EXPECT_NE(Render(0).find(row.line + "\r\n" + Work() + "tmp\\tmp.pyl 保存失敗!!\r\n"),
                  std::string::npos)
            << row.line;
        EXPECT_EQ(Commands().size(), runs) << row.line;
        for (const char* file : {"tmp\\tmp.pyl", "tmp\\tmp.hxo"})
            for (const char* word : {"nan", "inf"})
                EXPECT_EQ(ReadFileBytes(Work() + file).find(word), std::string::npos) << file << word;
        EXPECT_EQ(Shown(), shown) << row.line;
    }
}

// A direction typed too large to square in single precision is kept and shown as the unit vector it
// points along, and the renderer gets a light that points somewhere.
TEST_F(RenderJob, AHugeTypedDirectionStaysADirection) {
    HWND page = Main()->GetPropertyPane()->GetLightPage().GetDirPage().GetHwnd();
    SendMessageA(page, WM_COMMAND, IDC_LIGHTDIR_NEW, LPARAM(GetDlgItem(page, IDC_LIGHTDIR_NEW)));
    for (const char* z : {"2e19", "1e30"}) {
        for (auto [id, typed] : {std::pair(IDC_LIGHTDIR_X, "0"), {IDC_LIGHTDIR_Y, "0"}, {IDC_LIGHTDIR_Z, z}})
            EnterText(page, id, typed);
        std::string shown;
        for (int id : {IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z})
            shown += TextOf(PageEdit(page, id)) + " ";
        Render(1);
        const std::string scene = ReadFileBytes(Work() + "tmp\\tmp.pyl");
        const size_t line = scene.find("Direction");
        EXPECT_EQ(std::tuple(FVEC3(0, 0, 1), std::string("0.00 0.00 1.00 "),
                             std::string("Direction         -0.000000 -0.000000 -1.000000\r\n")),
                  std::tuple(Main()->GetDoc()->GetCurDirLight()->srcdir, shown,
                             scene.substr(line, scene.find('\n', line) + 1 - line)))
            << z;
    }
}

// Every file the job makes must fit the file functions; the longest is the map of the last material,
// "<work>\tmp\__pyldlgHX__mtl0__alpha.bmp", 32 characters more than the work folder.
TEST_F(RenderJob, AWorkFolderTooLongForTheMapFilesStopsTheJobBeforeAnythingIsWritten) {
    for (size_t length : {MAX_PATH - 33, MAX_PATH - 32}) {
        const std::string work = root + std::string(length - root.size(), 'w');
        SetPaths(Exe(), work);
        const bool fits = length < MAX_PATH - 32;
        EXPECT_EQ(Render(fits ? 1 : 0).find("作業パスが長すぎます!!") == std::string::npos, fits) << length;
        EXPECT_EQ(Exists(work + "\\tmp"), fits) << length;
    }
}

// A stored work folder too long to read is reported, and the stored value is kept at exit.
TEST_F(RenderJob, AStoredWorkFolderTooLongToReadIsReportedAndKept) {
    session.reset();
    const std::string stored(1500, 'p');
    SetSetting("pylcomm_tmppath", REG_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1));
    session = std::make_unique<PluginSession>();
    EXPECT_NE(TextOf(Main()->GetMessageWindow().GetHwnd()).find("pylcomm_tmppath"), std::string::npos);
    EXPECT_STREQ(Main()->GetTmpPath(), "C:\\pyrell\\tmp");
    session.reset();
    DWORD size = 0;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX", "pylcomm_tmppath", RRF_RT_REG_SZ, nullptr,
                 nullptr, &size);
    EXPECT_EQ(size, stored.size() + 1);
}
