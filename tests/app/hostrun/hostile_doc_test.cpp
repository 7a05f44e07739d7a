// A hostile document rendered through the stand-in host: quotes and line breaks in names and file
// names and "nan" in the settings reach no line of the scene files, no renderer option and no number.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/common/testfiles.h"

namespace {

const char* const kDocument =
    R"({ "materials": [ { "name": "red\"\r\n\tnew Material \"x", "uid": 1001, "color": [0.9, 0.1, 0.1] } ],
      "objects": [ { "name": "quad\"\r\nObject \"evil\" {", "vertices": [[-1,-1,0],[1,-1,0],[1,1,0],[-1,1,0]],
                     "faces": [ { "v": [0,1,2,3], "m": 0 } ] } ],
      "settings": { "name": "pyldlgHX", "attributes": [], "children": [
        { "name": "model", "attributes": [["ver", "10000"]], "children": [
          { "name": "renderer", "attributes": [["width", "64"], ["height", "48"], ["anisotropy", "nan"],
                                               ["origin", "inf -inf nan"]], "children": [] },
          { "name": "lightsky", "attributes": [["col", "nan nan nan"], ["scale", "inf"]], "children": [] },
          { "name": "lightpoint", "attributes": [["name", "p\"1"], ["pos", "inf -inf nan"], ["col", "NaN 1 1"]],
            "children": [] } ] } ] } })";

TEST(HostileDocument, NothingFromItBreaksTheSceneFilesOrTheCommandLine) {
    std::string document = WriteScratch("document.json", kDocument), work = ScratchPath("work");
    SetEnvironmentVariableA("PYRELL_LOG", ScratchPath("renderer.log").c_str());
    ProcessRun run =
        RunProcess(QuotedWinPath(HXHOST_EXE) + " --plugin " + QuotedWinPath(PLUGIN_DLL) + " --work " + work +
                   " --renderer " + QuotedWinPath(PYRELL_EXE) + " " + document + " render save exit");
    SetEnvironmentVariableA("PYRELL_LOG", nullptr);
    ASSERT_EQ(run.code, 0u) << run.out << run.err;
    std::string pyl = ReadFileBytes(work + "\\tmp\\tmp.pyl"), hxo = ReadFileBytes(work + "\\tmp\\tmp.hxo");
    EXPECT_NE(pyl.find("\r\n\tnew Material \"red____new Material _x\"\r\n"), std::string::npos) << pyl;
    EXPECT_NE(hxo.find("\r\n\t\"red____new Material _x\" col("), std::string::npos) << hxo;
    EXPECT_NE(hxo.find("\r\nObject \"quad___Object _evil_ {\" {\r\n"), std::string::npos);
    std::string saved = ReadFileBytes(document);
    for (const char* word : {"nan", "inf"}) {
        EXPECT_EQ(pyl.find(word), std::string::npos) << word;
        EXPECT_EQ(saved.find(word), std::string::npos) << word << saved;
    }
    EXPECT_NE(ReadFileBytes(ScratchPath("renderer.log"))
                  .find(" /run /width=64 /height=48 /bg=\"" + work + "\\tmp\\back.bmp\" /out=\""),
              std::string::npos);
    EXPECT_GT(ReadFileBytes(work + "\\tmp.bmp").size(), 64u * 48 * 3); // the renderer read both files
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX");
}

} // namespace
