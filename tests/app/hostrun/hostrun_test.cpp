#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Build-tree paths are Unix paths; Wine sees them on drive Z.
DWORD RunHost(const std::string& arguments) {
    std::string command = "\"Z:" HXHOST_EXE "\" --plugin \"Z:" PLUGIN_DLL "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

std::string ReadText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace

// The document's stored settings survive the host's undo and redo and are saved back.
TEST(HostRun, StartOpenUndoRedoSaveScreenshotExit) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string base = folder + std::string("hostrun") + std::to_string(GetCurrentProcessId());
    std::ofstream(base + ".json", std::ios::binary) << R"({
        "materials": [ { "name": "floor", "uid": 1001 }, { "name": "red", "uid": 1002 } ],
        "settings": { "name": "pyldlgHX", "attributes": [], "children": [
            { "name": "model", "attributes": [["ver", "10000"]], "children": [
                { "name": "renderer", "attributes": [["width", "320"], ["height", "240"]], "children": [] } ] } ] } })";
    EXPECT_EQ(0u, RunHost("--work C:\\hostrun\\work --renderer C:\\hostrun\\pyrell.exe \"" + base +
                          ".json\" undo redo undo save screenshot \"" + base + ".bmp\" exit"));
    std::string saved = ReadText(base + ".json");
    saved.erase(std::remove_if(saved.begin(), saved.end(), isspace), saved.end());
    for (const char* kept : {R"(["width","320"])", R"(["height","240"])", R"(["ID","1002"])"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " in " << saved;
    EXPECT_EQ(ReadText(base + ".bmp").substr(0, 2), "BM");
    DeleteFileA((base + ".json").c_str());
    DeleteFileA((base + ".bmp").c_str());
    // Other programs of the test run find the plug-in's settings unset.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX");
}
