#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Build-tree paths are Unix paths; Wine sees them on drive Z.
std::string WinPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

DWORD RunHost(const std::string& arguments) {
    std::string command =
        "\"" + WinPath(HXHOST_EXE) + "\" --plugin \"" + WinPath(PLUGIN_DLL) + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
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
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name + std::to_string(GetCurrentProcessId());
}

std::string RegistryText(const char* name) {
    char text[1024] = "";
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX", name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

} // namespace

// The document's stored settings survive the host's undo and redo and are saved back.
TEST(HostRun, StartOpenUndoRedoSaveScreenshotExit) {
    std::string document = TempFile("hostrun") + ".json";
    std::string shot = TempFile("hostshot") + ".bmp";
    std::ofstream(document, std::ios::binary) << R"({
        "materials": [ { "name": "floor", "uid": 1001 }, { "name": "red", "uid": 1002 } ],
        "objects": [],
        "settings": { "name": "pyldlgHX", "attributes": [], "children": [
            { "name": "model", "attributes": [["ver", "10000"]], "children": [
                { "name": "renderer", "attributes": [["width", "320"], ["height", "240"]], "children": [] } ] } ] } })";
    DWORD code = RunHost("--work C:\\hostrun\\work --renderer C:\\hostrun\\pyrell.exe \"" + document +
                         "\" undo redo undo save screenshot \"" + shot + "\" exit");
    EXPECT_EQ(code, 0u);
    std::string saved = ReadText(document);
    saved.erase(std::remove_if(saved.begin(), saved.end(), isspace), saved.end());
    EXPECT_NE(saved.find(R"(["width","320"])"), std::string::npos) << saved;
    EXPECT_NE(saved.find(R"(["height","240"])"), std::string::npos);
    EXPECT_NE(saved.find(R"(["ID","1002"])"), std::string::npos);
    std::string picture = ReadText(shot);
    ASSERT_GT(picture.size(), 54u);
    EXPECT_EQ(picture.substr(0, 2), "BM");
    EXPECT_EQ(RegistryText("pylcomm_tmppath"), "C:\\hostrun\\work");
    EXPECT_EQ(RegistryText("pylcomm_pyrell"), "C:\\hostrun\\pyrell.exe");
    DeleteFileA(document.c_str());
    DeleteFileA(shot.c_str());
    // Other programs of the test run find the plug-in's settings unset.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX");
}
