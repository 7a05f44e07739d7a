#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/common/testfiles.h"

namespace {
// Runs the host program with the test's own plug-in (a later --plugin overrides it).
ProcessRun RunHost(const std::string& arguments) {
    return RunProcess(QuotedWinPath(HXHOST_EXE) + " --plugin " + QuotedWinPath(FAKE_PLUGIN) + " " +
                      arguments);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const char kSmallDocument[] = R"({
  "objects": [{"name": "a"}, null, {"name": "b"}],
  "materials": [{"name": "m"}],
  "settings": {"name": "pyldlgHX", "attributes": [["old", "1"]], "children": [{"name": "gone"}]},
  "mapping": {"kept.bmp": "C:\\kept.bmp"}
})";
} // namespace

// Bad command lines (code 1) and bad documents (code 2, one line naming the file) stop the host
// before the plug-in starts.
TEST(HostProgram, RefusesWhatItCannotStartWith) {
    // A document, then the command that would end the host had it started.
    auto doc = [](const char* name, const std::string& text) {
        return "\"" + WriteScratch(name, text) + "\" exit";
    };
    const std::string good = doc("good.json", kSmallDocument);
    const struct {
        std::string arguments;
        DWORD code;
        std::string error;
    } rows[] = {
        {"", 1, "usage: hxhost.exe"},
        {good + " screenshot", 1, "usage: hxhost.exe"},
        {"--plugin \"" + ScratchPath("none.dll") + "\" " + good, 1, "hxhost: cannot load the plug-in"},
        {doc("truncated.json", "{\"objects\": [{\"name\": \"a\""), 2, "truncated.json: not JSON"},
        {doc("binary.json", std::string("\x00\xFF\xFE{", 4)), 2, "binary.json: not JSON"},
        {doc("index.json", "{\"objects\": [{\"vertices\": [[0,0,0]], \"faces\": [{\"v\": [3]}]}]}"), 2,
         "index.json: objects[0].faces[0].v[0]: vertex index 3 out of range"},
        {doc("deep.json", std::string(30000, '[') + std::string(30000, ']')), 2,
         "deep.json: document: arrays and objects nested deeper than 128"},
        {"\"" + ScratchPath("missing.json") + "\" exit", 2, "missing.json: cannot open the file"},
    };
    for (const auto& row : rows) {
        ProcessRun run = RunHost(row.arguments); // no plug-in started, so nothing on the output
        EXPECT_EQ(std::tuple(row.code, true, ""), std::tuple(run.code, Has(run.err, row.error), run.out))
            << row.arguments << ": " << run.err;
        if (row.code == 2) {
            EXPECT_EQ(run.err.size() - 1, run.err.find('\n')) << "one line: " << run.err;
        }
    }
}

TEST(HostProgram, StartsThePlugInAndSendsTheEventsInOrder) {
    std::string doc = WriteScratch("start.json", kSmallDocument);
    ProcessRun run = RunHost("\"" + doc + "\" redo undo redo redo undo exit");
    EXPECT_EQ(0u, run.code) << run.err;
    const std::string expected[] = {
        "HXCheckVersion(0x2490) = 0x249",
        "fake: bound 140 host functions",
        "HXGetPlugInID = product 0x11, id 0x22",
        "message: fake\xE9\x96\x8B\xE5\xA7\x8B", // the plug-in's Shift-JIS line, shown in UTF-8
        "event 1 (initialise) = 1",
        "event 100 (activate, flag 1) = 1",
        "fake: open " + doc + ", element pyldlgHX, 3 objects",
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
    for (const std::string& line : expected) {
        size_t found = run.out.find(line, at);
        ASSERT_NE(std::string::npos, found) << "missing after offset " << at << ": " << line << "\n"
                                            << run.out;
        at = found + line.size();
    }
}

TEST(HostProgram, SaveWritesTheFreshSettingsBackAndKeepsTheRest) {
    std::string doc = WriteScratch("save.json", kSmallDocument);
    ProcessRun run = RunHost("\"" + doc + "\" save exit");
    EXPECT_EQ(0u, run.code) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "save: settings written to " + doc));
    std::string saved = ReadFileBytes(doc);
    // The old settings are gone, the plug-in's element replaced them, with its UTF-8 text as the plug-in
    // gave it, and other keys keep their place.
    EXPECT_EQ(std::tuple(false, true), std::tuple(Has(saved, "gone"), Has(saved, "\xE5\x85\x89")));
    size_t ver = saved.find("\"ver\"");
    size_t light = saved.find("\"light\"");
    ASSERT_NE(std::string::npos, light);
    EXPECT_LT(saved.find("\"materials\""), ver);
    EXPECT_LT(ver, light);
    EXPECT_LT(light, saved.find("\"kept.bmp\": \"C:\\\\kept.bmp\""));
}

// Render presses the plug-in's button and shows its lines once; a command the plug-in cannot serve
// fails (code 3) and changes nothing, and the plug-in still exits.
TEST(HostProgram, CommandsReachThePlugInOrSayNotAvailable) {
    std::string doc = WriteScratch("commands.json", kSmallDocument);
    ProcessRun run = RunHost("\"" + doc + "\" render exit");
    EXPECT_EQ(0u, run.code) << run.out << run.err;
    const std::vector<std::string> order = {"fake: render button", "render: done", "message: rendered"};
    std::vector<std::string> seen;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        for (const std::string& key : order)
            if (line.rfind(key, 0) == 0) seen.push_back(key);
    EXPECT_EQ(seen, order) << run.out;
    const std::pair<const char*, const char*> rows[] = {
        {"HXFAKE_NOSAVE", "save"}, {"HXFAKE_NOWINDOW", "render"}, {"HXFAKE_NOWINDOW", "screenshot x.bmp"}};
    for (const auto& [variable, command] : rows) {
        SetEnvironmentVariableA(variable, "1");
        run = RunHost("\"" + doc + "\" " + command + " exit");
        SetEnvironmentVariableA(variable, nullptr);
        EXPECT_EQ(3u, run.code) << command;
        EXPECT_TRUE(Has(run.out, "not available yet")) << run.out;
        EXPECT_TRUE(Has(run.out, "event 2 (exit) = 1")) << run.out;
    }
    EXPECT_EQ(kSmallDocument, ReadFileBytes(doc));
}
