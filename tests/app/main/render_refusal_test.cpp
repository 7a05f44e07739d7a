// The render job stops before the renderer, with a failure line naming what it refused, at anything
// that would break the renderer's input: a quoted path that would swallow the next argument, a scene
// that Windows would open as a model file, a number that is no number once converted, a background
// that cannot be written. A work folder is taken whatever its attributes.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "plugin_fixture.h"

namespace {

std::string g_lines; // the message window's lines

std::string ReadText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The arguments as a C runtime that reads its command line byte by byte splits them: each byte
// stands for one character, so the second byte of a double-byte character is seen as what it is.
std::vector<std::string> SplitBytes(const std::string& line) {
    std::wstring wide(line.begin(), line.end());
    for (size_t i = 0; i < line.size(); ++i)
        wide[i] = static_cast<unsigned char>(line[i]);
    int n = 0;
    LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &n);
    std::vector<std::string> args;
    for (int i = 0; argv && i < n; ++i)
        args.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
    LocalFree(argv);
    return args;
}

// A document of one quad at the given corner and its settings' model children.
std::string Document(const std::string& corner, const std::string& settings) {
    return R"({ "materials": [ { "name": "red", "uid": 1001, "color": [0.9, 0.1, 0.1] } ],
      "objects": [ { "name": "quad", "vertices": [[-)" +
           corner + ",-" + corner + ",0],[" + corner + ",-" + corner + ",0],[" + corner + "," + corner +
           R"(,0]], "faces": [ { "v": [0,1,2], "m": 0 } ] } ],
      "settings": { "name": "plugin", "children": [ { "name": "model", "attributes": [["ver", "10000"]],
        "children": [ )" +
           settings + " ] } ] } }";
}

// A scratch folder of this run with the stand-in renderer in it, and an open document.
class RenderRefusal : public testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "hxrefusal" + std::to_string(GetCurrentProcessId()) + "\\";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root + "pyrell");
        ASSERT_TRUE(CopyFileA(("Z:" + std::string(PYRELL_EXE)).c_str(), Exe().c_str(), FALSE));
        SetEnvironmentVariableA("PYRELL_LOG", (root + "log.txt").c_str());
        DeleteSettingsKey();
        session = std::make_unique<PluginSession>();
        UMESS& mess = Main()->GetMessageWindow();
        mess.SetCallback(nullptr, [](void*, const char* text) { g_lines += text; });
        Open(Document("1", ""));
    }
    void TearDown() override {
        SetEnvironmentVariableA("PYRELL_LOG", nullptr);
        session.reset();
        std::filesystem::remove_all(root);
        DeleteSettingsKey();
    }
    void Open(const std::string& json) {
        SendOpen(OpenHostDocument(json));
        std::strcpy(Main()->GetPyrellPath(), Exe().c_str());
        std::strcpy(Main()->GetTmpPath(), (root + "work").c_str());
    }
    std::string Exe() const { return root + "pyrell\\pyrell.exe"; }
    std::string Log() const { return ReadText(root + "log.txt"); }
    // What a render printed, and whether it started the renderer.
    std::string Render(int expected) {
        g_lines.clear();
        EXPECT_EQ(Main()->Render(), expected) << g_lines;
        return g_lines;
    }

    std::string root;
    std::unique_ptr<PluginSession> session;
};

// A path whose last byte is 0x5C would escape its closing quote; other backslashes and double-byte
// characters reach the renderer as they are, each path one argument.
TEST_F(RenderRefusal, EveryQuotedPathReachesTheRendererAsOneArgument) {
    const struct {
        std::string renderer, background; // empty: the stand-in renderer, the generated background
        std::string refused;              // the path the failure line shows; empty: rendered
    } rows[] = {
        {"", "Z:\\nothere\\", "Z:\\nothere\\"},
        {"", "Z:\\nothere\\表", "Z:\\nothere\\表"},
        {"", "Z:\\a b\\\\c.bmp", ""},
        {"", "Z:\\表\\c.bmp", ""},
        {"pyrell\\", "", "pyrell\\"},
        {"p\"\n.exe", "", "p__.exe"},
        {"", "b.bmp\" /width=\"7", "b.bmp_ /width=_7"},
    };
    for (const auto& row : rows) {
        Open(Document("1", ""));
        std::string exe = row.renderer.empty() ? Exe() : root + row.renderer;
        std::string work = root + "work";
        std::strcpy(Main()->GetPyrellPath(), exe.c_str());
        std::strcpy(Main()->GetScene()->GetRender()->back_filename, row.background.c_str());
        std::string before = Log();
        std::string printed = Render(row.refused.empty() ? 1 : 0);
        if (!row.refused.empty()) {
            std::string shown = (row.renderer.empty() ? "" : root) + row.refused;
            EXPECT_NE(printed.find("使えない文字を含むファイル名です!!(" + shown + ")\n"), std::string::npos)
                << printed;
            EXPECT_EQ(Log(), before) << row.refused; // the renderer never ran
            continue;
        }
        std::string line = Log().substr(before.size());
        line = line.substr(line.find("cmd=") + 4);
        line.resize(line.find('\n'));
        std::string background = row.background.empty() ? work + "\\tmp\\back.bmp" : row.background;
        EXPECT_EQ(SplitBytes(line),
                  (std::vector<std::string>{exe, work + "\\tmp\\tmp.pyl", "/run", "/width=300", "/height=300",
                                            "/bg=" + background, "/out=" + work + "\\tmp.bmp", "preview"}));
    }
}

// Windows drops trailing blanks and dots from a file name, in any case: each of these would be opened
// as a model file, so nothing is written, not even the maps the conversion makes beside it.
TEST_F(RenderRefusal, ASceneThatWindowsWouldOpenAsAModelIsRefused) {
    const struct {
        const char* name;
        const char* model; // written beside the scene; null: refused
    } rows[] = {{"a.hxo", nullptr},    {"a.HXO", nullptr}, {"a.hxo ", nullptr},       {"a.hxo.", nullptr},
                {"a.hxo. .", nullptr}, {"a.pyl", "a.hxo"}, {"a.hxo.pyl", "a.hxo.hxo"}};
    int folder = 0;
    for (const auto& row : rows) {
        std::string dir = root + "scenes" + std::to_string(folder++) + "\\";
        std::filesystem::create_directories(dir);
        g_lines.clear();
        int saved = Main()->ExportScene((dir + row.name).c_str(), Main()->GetHostDoc(), Main()->GetScene());
        std::vector<std::string> written;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            written.push_back(entry.path().filename().string());
        std::sort(written.begin(), written.end());
        if (row.model) {
            EXPECT_EQ(saved, 1) << row.name << g_lines;
            EXPECT_EQ(written, (std::vector<std::string>{row.model, row.name})) << row.name;
        } else {
            EXPECT_EQ(saved, 0) << row.name;
            EXPECT_EQ(written, std::vector<std::string>{}) << row.name;
            EXPECT_EQ(g_lines, "モデルファイルと同じ名前には保存できません!!(" + dir + row.name + ")\n");
        }
    }
}

// Real folders are often read-only, hidden, archived or not indexed; a file where the folder belongs
// is still no folder.
TEST_F(RenderRefusal, TheSceneFolderIsAFolderWhateverItsAttributes) {
    for (DWORD attributes : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_ARCHIVE,
                             FILE_ATTRIBUTE_NOT_CONTENT_INDEXED}) {
        std::string scenes = root + "work\\tmp";
        std::filesystem::create_directories(scenes);
        ASSERT_TRUE(SetFileAttributesA(scenes.c_str(), attributes));
        std::string printed = Render(1);
        EXPECT_EQ(printed.find("作成"), std::string::npos) << attributes << printed;
        SetFileAttributesA(scenes.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(root + "work");
    std::filesystem::create_directories(root + "work");
    std::ofstream(root + "work\\tmp") << "a file";
    std::string printed = Render(0);
    EXPECT_NE(printed.find(root + "work\\tmp\\の作成ができません!!\n"), std::string::npos) << printed;
}

// Settings finite as written can overflow once the conversion multiplies them; such a number is never
// written, the renderer does not run and the picture shown stays.
TEST_F(RenderRefusal, ANumberThatIsNotFiniteStopsTheExport) {
    Render(1);
    const UBMPDAT& image = Main()->GetRenderView().GetImage();
    const std::vector<unsigned char> shown(image.GetBits(), image.GetBits() + image.GetLineBytes() * 300);
    const struct {
        std::string document, line;
    } rows[] = {
        {Document("1",
                  R"({ "name": "lightsky", "attributes": [["col", "3e38 3e38 3e38"], ["scale", "10"]] })"),
         "有限でない数値は書き込めません!!(SkyLight              inf inf inf)\n"},
        {Document("1", R"({ "name": "lightpoint", "attributes": [["name", "p"], ["scale", "3e38"]] })"),
         "有限でない数値は書き込めません!!(Intensity          inf inf inf)\n"},
        {Document("3e38", R"({ "name": "lightpoint", "attributes": [["name", "p"], ["scale", "0"]] })"),
         "有限でない数値は書き込めません!!(Intensity          nan nan nan)\n"},
    };
    for (const auto& row : rows) {
        Open(row.document);
        std::string before = Log();
        std::string printed = Render(0);
        EXPECT_NE(printed.find(row.line), std::string::npos) << printed;
        EXPECT_NE(printed.find("tmp.pyl 保存失敗!!\n"), std::string::npos) << printed;
        EXPECT_EQ(Log(), before) << row.line;
        for (const char* file : {"work\\tmp\\tmp.pyl", "work\\tmp\\tmp.hxo"})
            for (const char* word : {"nan", "inf"})
                EXPECT_EQ(ReadText(root + file).find(word), std::string::npos) << file << word;
        EXPECT_EQ(std::vector<unsigned char>(image.GetBits(), image.GetBits() + shown.size()), shown);
    }
}

// Every file the job makes must fit the file functions; the longest is the map of the last material,
// "<work>\tmp\__pyldlgHX__mtl0__alpha.bmp", 32 characters more than the work folder.
TEST_F(RenderRefusal, AWorkFolderTooLongForTheMapFilesStopsTheJobBeforeAnythingIsWritten) {
    for (size_t length : {MAX_PATH - 33, MAX_PATH - 32, 300}) {
        std::string work = root + std::string(length - root.size(), 'w');
        std::strcpy(Main()->GetTmpPath(), work.c_str());
        bool fits = length < MAX_PATH - 32;
        std::string printed = Render(fits ? 1 : 0);
        EXPECT_EQ(printed.find("作業パスが長すぎます!!") == std::string::npos, fits) << length;
        EXPECT_EQ(std::filesystem::exists(work + "\\tmp"), fits) << length;
    }
}

// A stored work folder too long to read is reported, and the stored value is kept at exit.
TEST_F(RenderRefusal, AStoredWorkFolderTooLongToReadIsReportedAndKept) {
    session.reset();
    const std::string stored(1500, 'p');
    SetSetting("pylcomm_tmppath", REG_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1));
    g_lines.clear();
    session = std::make_unique<PluginSession>();
    HWND mess = Main()->GetMessageWindow().GetHwnd();
    std::string shown(GetWindowTextLengthA(mess) + 1, '\0');
    shown.resize(GetWindowTextA(mess, &shown[0], static_cast<int>(shown.size())));
    EXPECT_NE(shown.find("pylcomm_tmppath"), std::string::npos) << shown;
    EXPECT_STREQ(Main()->GetTmpPath(), "C:\\pyrell\\tmp");
    session.reset();
    DWORD size = 0;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX", "pylcomm_tmppath", RRF_RT_REG_SZ, nullptr,
                 nullptr, &size);
    EXPECT_EQ(size, stored.size() + 1);
}

// The background is written before the renderer runs; a folder where it belongs stops the job.
TEST_F(RenderRefusal, ABackgroundThatCannotBeWrittenStopsTheJob) {
    std::filesystem::create_directories(root + "work\\tmp\\back.bmp");
    std::string before = Log();
    EXPECT_NE(Render(0).find("tmp\\back.bmp 保存失敗!!\n"), std::string::npos);
    EXPECT_EQ(Log(), before);
}

} // namespace
