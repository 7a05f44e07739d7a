#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "tests/common/testfiles.h"

// The document's stored settings survive the host's undo and redo and are saved back.
TEST(HostRun, StartOpenUndoRedoSaveScreenshotExit) {
    std::string document = WriteScratch("hostrun.json", R"({
        "materials": [ { "name": "floor", "uid": 1001 }, { "name": "red", "uid": 1002 } ],
        "settings": { "name": "pyldlgHX", "attributes": [], "children": [
            { "name": "model", "attributes": [["ver", "10000"]], "children": [
                { "name": "renderer", "attributes": [["width", "320"], ["height", "240"]], "children": [] } ] } ] } })");
    ProcessRun run =
        RunProcess(QuotedWinPath(HXHOST_EXE) + " --plugin " + QuotedWinPath(PLUGIN_DLL) +
                   " --work C:\\hostrun\\work --renderer C:\\hostrun\\pyrell.exe \"" + document +
                   "\" undo redo undo save screenshot \"" + ScratchPath("hostrun.bmp") + "\" exit");
    EXPECT_EQ(run.code, 0u) << run.out << run.err;
    std::string saved = ReadFileBytes(document);
    saved.erase(std::remove_if(saved.begin(), saved.end(), isspace), saved.end());
    for (const char* kept : {R"(["width","320"])", R"(["height","240"])", R"(["ID","1002"])"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " in " << saved;
    EXPECT_EQ(ReadFileBytes(ScratchPath("hostrun.bmp")).substr(0, 2), "BM");
    // Other programs of the test run find the plug-in's settings unset.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX");
}
