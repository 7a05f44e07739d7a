#include <gtest/gtest.h>

#include <cstring>

#include "testfiles.h"
#include "tools/hxhost/lib/bmpimage.h"

namespace {
// Build-tree paths are Unix paths; Wine sees them on drive Z.
std::string WinPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

struct HostRun {
    DWORD code = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

// Reads what the pipe holds now, without waiting for its end: helper processes that Wine starts for a
// program with windows may keep the pipe open after the program has gone.
void ReadAvailable(HANDLE pipe, std::string& text) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD n = 0;
        if (!ReadFile(pipe, buffer, available < sizeof buffer ? available : sizeof buffer, &n, nullptr) ||
            n == 0)
            return;
        text.append(buffer, n);
    }
}

// Runs the host program with the test's own plug-in unless another is named.
HostRun RunHost(const std::string& arguments, bool fakePlugIn = true) {
    std::string command = "\"" + WinPath(HXHOST_EXE) + "\" ";
    if (fakePlugIn) command += "--plugin \"" + WinPath(FAKE_PLUGIN) + "\" ";
    command += arguments;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    HostRun run;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(outWrite);
        CloseHandle(errWrite);
        bool exited = false;
        for (int waited = 0; !exited && waited < 60000; waited += 20) {
            exited = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
            ReadAvailable(outRead, run.out);
            ReadAvailable(errRead, run.err);
        }
        GetExitCodeProcess(process.hProcess, &run.code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        CloseHandle(outWrite);
        CloseHandle(errWrite);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

size_t CountOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

struct ScopedEnv {
    const char* name;
    ScopedEnv(const char* n) : name(n) { SetEnvironmentVariableA(name, "1"); }
    ~ScopedEnv() { SetEnvironmentVariableA(name, nullptr); }
};

const char kSmallDocument[] = R"({
  "objects": [{"name": "a"}, null, {"name": "b"}],
  "materials": [{"name": "m"}],
  "settings": {"name": "pyldlgHX", "attributes": [["old", "1"]], "children": [{"name": "gone"}]},
  "mapping": {"kept.bmp": "C:\\kept.bmp"}
})";
} // namespace

TEST(HostProgram, AMalformedDocumentGivesOneLineAndCode2) {
    const std::pair<const char*, std::string> cases[] = {
        {"truncated.json", "{\"objects\": [{\"name\": \"a\""},
        {"binary.json", std::string("\x00\xFF\xFE{", 4)},
        {"index.json", "{\"objects\": [{\"vertices\": [[0,0,0]], \"faces\": [{\"v\": [3]}]}]}"},
    };
    for (const auto& [name, text] : cases) {
        std::string path = WriteScratch(name, text);
        HostRun run = RunHost("\"" + path + "\" exit");
        EXPECT_EQ(2u, run.code) << name;
        EXPECT_EQ("", run.out) << name; // no plug-in was started
        EXPECT_EQ(0u, run.err.find("hxhost: " + path + ": ")) << run.err;
        EXPECT_EQ(run.err.size() - 1, run.err.find('\n')) << "one line: " << run.err;
    }
    HostRun missing = RunHost("\"" + ScratchPath("missing.json") + "\"");
    EXPECT_EQ(2u, missing.code);
    EXPECT_NE(std::string::npos, missing.err.find("cannot open the file"));
}

TEST(HostProgram, BadCommandLinesAreRefusedBeforeStarting) {
    for (const char* arguments : {"", "--colour red doc.json", "doc.json screenshot"}) {
        HostRun run = RunHost(arguments, false);
        EXPECT_EQ(1u, run.code) << arguments;
        EXPECT_NE(std::string::npos, run.err.find("usage: hxhost.exe")) << arguments;
        EXPECT_EQ("", run.out) << arguments;
    }
}

TEST(HostProgram, StartsThePlugInAndSendsTheEventsInOrder) {
    std::string doc = WriteScratch("start.json", kSmallDocument);
    HostRun run = RunHost("\"" + doc + "\" redo undo redo redo undo exit");
    EXPECT_EQ(0u, run.code) << run.err;
    const char* expected[] = {
        "HXCheckVersion(0x2490) = 0x249",
        "fake: bound 140 host functions",
        "HXInit(\"",
        "HXGetPlugInID = product 0x11, id 0x22",
        "HXGetPlugInName = \"fake plug-in\"",
        "HXGetPlugInType = 7",
        "HXEnumString(0) = \"fake\"",
        "message: fake\xE9\x96\x8B\xE5\xA7\x8B", // the plug-in's Shift-JIS line, shown in UTF-8
        "event 1 (initialise) = 1",
        "event 100 (activate, flag 1) = 1",
        "event 200 (document open, ",
        "event 212 (undo state, state 0, size 32) = 1",
        "redo: nothing to redo",
        // An undo at the first state stands for an edit and its undo.
        "event 212 (undo state, state 1, size 32) = 1",
        "event 210 (undo, state 0) = 0",
        "event 211 (redo, state 1) = 0",
        "redo: nothing to redo",
        "event 210 (undo, state 0) = 0",
        "event 201 (document close) = 1",
        "event 2 (exit) = 1",
    };
    size_t at = 0;
    for (const char* line : expected) {
        size_t found = run.out.find(line, at);
        ASSERT_NE(std::string::npos, found) << "missing after offset " << at << ": " << line << "\n"
                                            << run.out;
        at = found + std::strlen(line);
    }
    EXPECT_NE(std::string::npos, run.out.find("fake: open " + doc + ", element pyldlgHX, 3 objects"));
}

TEST(HostProgram, SaveWritesTheFreshSettingsBackAndKeepsTheRest) {
    std::string doc = WriteScratch("save.json", kSmallDocument);
    HostRun run = RunHost("\"" + doc + "\" save exit");
    EXPECT_EQ(0u, run.code) << run.out << run.err;
    EXPECT_NE(std::string::npos, run.out.find("fake: save into pyldlgHX"));
    EXPECT_NE(std::string::npos, run.out.find("save: settings written to " + doc));
    std::string saved = ReadFileBytes(doc);
    // The old settings are gone, the plug-in's element replaced them, other keys keep their place.
    EXPECT_EQ(std::string::npos, saved.find("gone"));
    EXPECT_EQ(std::string::npos, saved.find("\"old\""));
    size_t materials = saved.find("\"materials\"");
    size_t ver = saved.find("\"ver\"");
    size_t light = saved.find("\"light\"");
    size_t mapping = saved.find("\"kept.bmp\": \"C:\\\\kept.bmp\"");
    ASSERT_NE(std::string::npos, mapping);
    ASSERT_NE(std::string::npos, ver);
    EXPECT_LT(materials, ver);
    EXPECT_LT(ver, light);
    EXPECT_LT(light, mapping);
    EXPECT_NE(std::string::npos, saved.find("\xE5\x85\x89")); // the UTF-8 text as the plug-in gave it
}

TEST(HostProgram, CommandsWithoutThePlugInsSideSayNotAvailable) {
    std::string doc = WriteScratch("unsaved.json", kSmallDocument);
    {
        ScopedEnv noSave("HXFAKE_NOSAVE");
        HostRun run = RunHost("\"" + doc + "\" save exit");
        EXPECT_EQ(3u, run.code);
        EXPECT_NE(std::string::npos, run.out.find("save: not available yet"));
        EXPECT_NE(std::string::npos, run.out.find("event 2 (exit) = 1")); // the plug-in still exits
        EXPECT_EQ(kSmallDocument, ReadFileBytes(doc));
    }
    ScopedEnv noWindow("HXFAKE_NOWINDOW");
    for (const char* command : {"render", "screenshot x.bmp"}) {
        HostRun run = RunHost("\"" + doc + "\" " + command + " exit");
        EXPECT_EQ(3u, run.code) << command;
        EXPECT_NE(std::string::npos, run.out.find("not available yet")) << run.out;
    }
}

TEST(HostProgram, RenderPressesTheButtonAndScreenshotWritesABmp) {
    std::string doc = WriteScratch("window.json", kSmallDocument);
    std::string shot = ScratchPath("shot.bmp");
    DeleteFileA(shot.c_str());
    HostRun run = RunHost("\"" + doc + "\" render screenshot \"" + shot + "\" exit");
    EXPECT_EQ(0u, run.code) << run.out << run.err;
    EXPECT_LT(run.out.find("fake: render button"), run.out.find("render: done"));
    EXPECT_LT(run.out.find("render: done"), run.out.find("message: rendered"));
    EXPECT_EQ(1u, CountOf(run.out, "message: rendered")); // each line once
    BITMAPINFO* header = nullptr;
    void* bits = nullptr;
    ASSERT_TRUE(hxhost::LoadBmpImage(shot.c_str(), &header, &bits, nullptr));
    EXPECT_EQ(200, header->bmiHeader.biWidth); // the plug-in's window, frame included
    LocalFree(header);
    LocalFree(bits);
}

TEST(HostProgram, APlugInThatCannotBeLoadedStopsTheHost) {
    std::string doc = WriteScratch("noplugin.json", kSmallDocument);
    HostRun run = RunHost("--plugin \"" + ScratchPath("none.dll") + "\" \"" + doc + "\" exit", false);
    EXPECT_EQ(1u, run.code);
    EXPECT_NE(std::string::npos, run.err.find("hxhost: cannot load the plug-in"));
}
