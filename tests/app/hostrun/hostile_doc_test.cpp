// A hostile document rendered through the stand-in host: quotes and line breaks in names and file
// names and "nan" in the settings reach no line of the scene files, no renderer option and no number.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string OnDriveZ(std::string path) {
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return "Z:" + path;
}

// The document; files adds attributes to the renderer and the sky element, each reading its own.
std::string Document(const std::string& files) {
    return R"({ "materials": [ { "name": "red\"\r\n\tnew Material \"x", "uid": 1001, "color": [0.9, 0.1, 0.1] } ],
      "objects": [ { "name": "quad\"\r\nObject \"evil\" {", "vertices": [[-1,-1,0],[1,-1,0],[1,1,0],[-1,1,0]],
                     "faces": [ { "v": [0,1,2,3], "m": 0 } ] } ],
      "settings": { "name": "pyldlgHX", "attributes": [], "children": [
        { "name": "model", "attributes": [["ver", "10000"]], "children": [
          { "name": "renderer", "attributes": [["width", "64"], ["height", "48"], ["anisotropy", "nan"],
                                               ["origin", "inf -inf nan"])" +
           files + R"(], "children": [] },
          { "name": "lightsky", "attributes": [["col", "nan nan nan"], ["scale", "inf"])" +
           files +
           R"(], "children": [] },
          { "name": "lightpoint", "attributes": [["name", "p\"1"], ["pos", "inf -inf nan"], ["col", "NaN 1 1"]],
            "children": [] } ] } ] } })";
}

// Writes the document, renders it in the work folder and saves it; what the host printed (the
// plug-in's message lines among it, in UTF-8), and its exit code in code.
std::string RenderAndSave(const std::string& document, const std::string& json, const std::string& work,
                          int& code) {
    std::ofstream(document, std::ios::binary) << json;
    std::string command = OnDriveZ(HXHOST_EXE) + " --plugin " + OnDriveZ(PLUGIN_DLL) + " --work " + work +
                          " --renderer " + OnDriveZ(PYRELL_EXE) + " " + document + " render save exit";
    FILE* host = _popen(command.c_str(), "rb");
    std::string printed;
    char chunk[4096];
    for (size_t n; host && (n = std::fread(chunk, 1, sizeof chunk, host)) > 0;)
        printed.append(chunk, n);
    code = host ? _pclose(host) : -1;
    return printed;
}

TEST(HostileDocument, NothingFromItBreaksTheSceneFilesOrTheCommandLine) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "hxhostile\\";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string log = root + "renderer.log", document = root + "document.json";
    for (const std::string& file :
         {log, root + "clean\\tmp\\tmp.pyl", root + "clean\\tmp\\tmp.hxo", root + "clean\\tmp.bmp"})
        DeleteFileA(file.c_str());
    SetEnvironmentVariableA("PYRELL_LOG", log.c_str());

    int code = -1;
    std::string printed = RenderAndSave(document, Document(""), root + "clean", code);
    ASSERT_EQ(code, 0) << printed;
    std::string pyl = Slurp(root + "clean\\tmp\\tmp.pyl"), hxo = Slurp(root + "clean\\tmp\\tmp.hxo");
    EXPECT_NE(pyl.find("\r\n\tnew Material \"red____new Material _x\"\r\n"), std::string::npos) << pyl;
    EXPECT_NE(hxo.find("\r\n\t\"red____new Material _x\" col("), std::string::npos) << hxo;
    EXPECT_NE(hxo.find("\r\nObject \"quad___Object _evil_ {\" {\r\n"), std::string::npos);
    std::string saved = Slurp(document);
    for (const char* word : {"nan", "inf"}) {
        EXPECT_EQ(pyl.find(word), std::string::npos) << word;
        EXPECT_EQ(saved.find(word), std::string::npos) << word << saved;
    }
    EXPECT_NE(Slurp(log).find(" /run /width=64 /height=48 /bg=\"" + root + "clean\\tmp\\back.bmp\" /out=\""),
              std::string::npos);
    EXPECT_GT(Slurp(root + "clean\\tmp.bmp").size(), 64u * 48 * 3); // the renderer read both files

    // File names that would end their quotes: the render stops before a file or the renderer.
    std::string before = Slurp(log);
    std::string spoilt =
        Document(R"(, ["back_filename", "b.bmp\" /width=\"7"], ["filename", "sky\"\r\nSkyLight 9 9 9"])");
    printed = RenderAndSave(document, spoilt, root + "spoilt", code);
    EXPECT_NE(printed.find(u8"message: 使えない文字を含むファイル名です!!(b.bmp_ /width=_7)\r\n"),
              std::string::npos)
        << printed;
    EXPECT_EQ(Slurp(log), before);
    EXPECT_EQ(GetFileAttributesA((root + "spoilt\\tmp\\tmp.pyl").c_str()), INVALID_FILE_ATTRIBUTES);

    SetEnvironmentVariableA("PYRELL_LOG", nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX");
}

} // namespace
