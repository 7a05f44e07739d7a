#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/hxwrap.h"
#include "testfiles.h"
#include "tools/hxhost/hxhostlib.h"

namespace {
// The host functions as a plug-in binds them: looked up by name in this executable's exports.
HMODULE Self() {
    static HMODULE self = [] {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return LoadLibraryA(path);
    }();
    return self;
}
#define HOST_TYPE(result, name, params) typedef result(__cdecl* name##_fn) params;
HX_HOST_FUNCTIONS(HOST_TYPE, HX_HOST_SKIP)
#undef HOST_TYPE
#define HOST(name) reinterpret_cast<name##_fn>(reinterpret_cast<void*>(GetProcAddress(Self(), #name)))

const char kDocument[] = R"({
  "scene": {"view": [1,0,0,0, 0,1,0,0, 0,0,1,0, 1,2,3,1], "proj": [2,0,0,0, 0,2,0,0, 0,0,1,1, 0,0,-1,0]},
  "materials": [
    {"name": "red", "uid": 1001, "color": [1, 0, 0], "alpha": 0.25, "specular": 0.5, "texture": "wood.bmp"},
    null,
    {"name": "\u5149\u6CA2", "bump": "bump.bmp"}
  ],
  "objects": [
    {"name": "quad", "smooth_angle": 45,
     "vertices": [[0,0,0], [1,0,0], [1,1,0], [0,1,0]],
     "faces": [{"v": [0,1,2,3], "uv": [[0,0], [1,0], [1,1], [0,1]], "m": 0}, {"v": [0,1,2], "m": 2}]},
    null,
    {"name": "half", "mirror": 1, "vertices": [[0,0,0], [1,0,0], [0,1,0]], "faces": [{"v": [0,1,2]}],
     "frozen": {"name": "whole", "mirror": 0, "vertices": [[0,0,0], [1,0,0], [0,1,0], [-1,0,0]],
                "faces": [{"v": [0,1,2]}, {"v": [0,2,3], "m": 0}]}},
    {"name": "hidden", "visible": 0, "lathe": 2, "patch": 1, "shading": 0}
  ],
  "mapping": {"wood.bmp": "C:\\tex\\wood.bmp", "bump.bmp": "D:\\maps\\bump.bmp"}
})";

class HostFunctions : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(hxhost::OpenDocumentText(kDocument, &error)) << error;
        doc = hxhost::DocumentHandle();
        hxhost::ClearCallLog();
    }
    void TearDown() override { hxhost::CloseDocument(); }
    HXObjHandle Object(int i) { return HOST(HXDoc_GetObject)(doc, i); }
    HXMatHandle Material(int i) { return HOST(HXDoc_GetMaterial)(doc, i); }
    HXDocHandle doc = nullptr;
};
} // namespace

TEST_F(HostFunctions, EveryNameIsExportedAndUnservedOnesAnswerZero) {
#define HOST_FOUND(result, name, params) EXPECT_NE(nullptr, HOST(name)) << #name;
    HX_HOST_FUNCTIONS(HOST_FOUND, HX_HOST_SKIP)
#undef HOST_FOUND
    EXPECT_EQ(0, HOST(HX_SendMessage)(604, nullptr));
    EXPECT_EQ(0.0f, HOST(HXObj_GetMirrorDistance)(Object(2)));
    EXPECT_EQ(nullptr, HOST(HX_CreateObject)());
    EXPECT_EQ(1, hxhost::CountCalls("HX_SendMessage"));
    EXPECT_EQ(1, hxhost::CountCalls("HXObj_GetMirrorDistance"));
}

TEST_F(HostFunctions, DocumentListsKeepTheirEmptySlots) {
    EXPECT_EQ(4, HOST(HXDoc_GetObjectCount)(doc));
    EXPECT_EQ(3, HOST(HXDoc_GetMaterialCount)(doc));
    EXPECT_EQ(nullptr, Object(1));
    EXPECT_EQ(nullptr, Object(4));
    EXPECT_EQ(nullptr, Object(-1));
    EXPECT_EQ(nullptr, Material(1));
    // Another document handle is no document.
    HXDocHandle stranger = reinterpret_cast<HXDocHandle>(&doc);
    EXPECT_EQ(0, HOST(HXDoc_GetObjectCount)(stranger));
    EXPECT_EQ(nullptr, HOST(HXDoc_GetScene)(stranger, 0));
    EXPECT_EQ(nullptr, HOST(HXDoc_GetScene)(doc, 1));
}

TEST_F(HostFunctions, ObjectsAnswerTheirShapesAndWriteNothingOutsideThem) {
    HXObjHandle quad = Object(0);
    int points[5] = {-9, -9, -9, -9, -9};
    HOST(HXObj_GetFacePointArray)(quad, 1, points);
    EXPECT_EQ(2, points[2]);
    EXPECT_EQ(-9, points[3]); // nothing past the face's corners
    EXPECT_EQ(-1, HOST(HXObj_GetFaceMaterial)(quad, 2));
    HXPOINT p{-1, 7, -1};
    HOST(HXObj_GetVertex)(quad, 4, &p); // no such vertex: untouched
    EXPECT_EQ(7.0f, p.y);
    EXPECT_EQ(0, HOST(HXObj_GetFacePointCount)(quad, 2));
}

TEST_F(HostFunctions, AFrozenCloneReadsItsFrozenShapeAndTheOriginalStays) {
    HXObjHandle half = Object(2);
    EXPECT_EQ(1, HOST(HXObj_GetMirrorType)(half));
    HXObjHandle copy = HOST(HXObj_Clone)(half);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(1, HOST(HXObj_GetMirrorType)(copy)); // a clone is the object until frozen
    HOST(HXObj_Freeze)(copy, 0x7FFFFFFF);
    EXPECT_EQ(0, HOST(HXObj_GetMirrorType)(copy));
    EXPECT_EQ(4, HOST(HXObj_GetVertexCount)(copy));
    EXPECT_EQ(2, HOST(HXObj_GetFaceCount)(copy));
    EXPECT_EQ(3, HOST(HXObj_GetVertexCount)(half));
    EXPECT_EQ(1, HOST(HXObj_GetMirrorType)(half));
    EXPECT_EQ(4, HOST(HXDoc_GetObjectCount)(doc)); // clones are not in the document's list

    hxhost::ObjectCalls calls = hxhost::CountObjectCalls();
    EXPECT_EQ(1, calls.clones);
    EXPECT_EQ(1, calls.freezes);
    EXPECT_EQ(1, calls.liveClones);
    HOST(HXObj_Delete)(copy);
    HOST(HXObj_Delete)(copy); // a stale handle does nothing
    EXPECT_EQ(0, HOST(HXObj_GetVertexCount)(copy));
    calls = hxhost::CountObjectCalls();
    EXPECT_EQ(1, calls.deletes);
    EXPECT_EQ(0, calls.liveClones);
    EXPECT_EQ(nullptr, HOST(HXObj_Clone)(copy));
    EXPECT_EQ(nullptr, HOST(HXObj_Clone)(nullptr));
}

TEST_F(HostFunctions, MaterialsAnswerTheirFieldsAndDefaults) {
    HXMatHandle red = Material(0);
    EXPECT_EQ(0.8f, HOST(HXMat_GetDiffuse)(red)); // a default
    EXPECT_EQ(1001, HOST(HXMat_GetIntValue)(red, 259));
    EXPECT_EQ(1003, HOST(HXMat_GetIntValue)(Material(2), 259)); // the default follows the slot
    char text[1024] = "old";
    HOST(HXMat_GetTextureName)(red, text, sizeof text);
    EXPECT_STREQ("wood.bmp", text);
    HOST(HXMat_GetAlphaName)(red, text, sizeof text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0.0f, HOST(HXMat_GetAlpha)(nullptr));
}

TEST_F(HostFunctions, NamesArriveInTheAnsiCodePageAndAreCutWhole) {
    ASSERT_EQ(932u, GetACP());
    char name[256];
    HOST(HXMat_GetName)(Material(2), name, sizeof name);
    EXPECT_STREQ("\x8C\xF5\x91\xF2", name);    // 光沢 in Shift-JIS
    HOST(HXMat_GetName)(Material(2), name, 4); // room for one character and a half
    EXPECT_STREQ("\x8C\xF5", name);
    HOST(HXMat_GetName)(Material(0), name, 1);
    EXPECT_STREQ("", name);
}

TEST_F(HostFunctions, MappingAnswersEveryKindFromOneTable) {
    char path[1024];
    for (int kind : {1, 2, 3}) {
        path[0] = '\0';
        EXPECT_TRUE(HOST(HXDoc_FindMappingFile)(doc, path, "wood.bmp", kind));
        EXPECT_STREQ("C:\\tex\\wood.bmp", path);
    }
    std::strcpy(path, "");
    EXPECT_FALSE(HOST(HXDoc_FindMappingFile)(doc, path, "Wood.bmp", 1));
    EXPECT_FALSE(HOST(HXDoc_FindMappingFile)(doc, path, "wood.bmp", 4));
    EXPECT_STREQ("", path);

    // A path that would not fit the plug-in's buffer is not found rather than cut.
    std::string longPath = "C:/" + std::string(1030, 'x') + ".bmp";
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText("{\"mapping\": {\"a.bmp\": \"" + std::string(1020, 'y') +
                                             "\", \"b.bmp\": \"" + longPath + "\"}}",
                                         &error));
    doc = hxhost::DocumentHandle();
    EXPECT_TRUE(HOST(HXDoc_FindMappingFile)(doc, path, "a.bmp", 1));
    EXPECT_EQ(1020u, std::strlen(path));
    path[0] = '\0';
    EXPECT_FALSE(HOST(HXDoc_FindMappingFile)(doc, path, "b.bmp", 1));
    EXPECT_STREQ("", path);
}

TEST_F(HostFunctions, MappedFilesBesideTheDocumentAreFoundWhereverItLies) {
    std::string path =
        WriteScratch("beside.json", "{\"mapping\": {\"t.bmp\": \"t.bmp\", \"u.bmp\": \"C:\\\\u.bmp\"}}");
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentFile(path, &error)) << error;
    char found[1024] = "";
    HOST(HXDoc_FindMappingFile)(hxhost::DocumentHandle(), found, "t.bmp", 1);
    EXPECT_STREQ(ScratchPath("t.bmp").c_str(), found);
    HOST(HXDoc_FindMappingFile)(hxhost::DocumentHandle(), found, "u.bmp", 1);
    EXPECT_STREQ("C:\\u.bmp", found);
}

TEST_F(HostFunctions, SystemServices) {
    static HXDocHandle seen;
    auto proc = [](HXDocHandle d, void* block) -> int {
        seen = d;
        return *static_cast<int*>(block);
    };
    int answer = 5;
    EXPECT_EQ(5, HOST(HX_StationCallback)(proc, &answer));
    EXPECT_EQ(doc, seen);

    BITMAPINFO* header = nullptr;
    void* bits = nullptr;
    EXPECT_FALSE(HOST(HX_LoadImage)(ScratchPath("none.bmp").c_str(), &header, &bits, 0));
    EXPECT_EQ(nullptr, header);
}

TEST_F(HostFunctions, TheLogRecordsEveryCallInOrder) {
    std::string logPath = ScratchPath("calls.log");
    ASSERT_TRUE(hxhost::SetLogFile(logPath));
    HOST(HXDoc_GetObjectCount)(doc);
    HOST(HXObj_GetVisible)(Object(0));
    HOST(HXMatrix_FloatValue)(0, nullptr);
    hxhost::SetLogFile("");
    ASSERT_EQ(4u, hxhost::CallLog().size());
    EXPECT_STREQ("HXDoc_GetObject", hxhost::CallLog()[1]);
    EXPECT_EQ("HXDoc_GetObjectCount\nHXDoc_GetObject\nHXObj_GetVisible\nHXMatrix_FloatValue\n",
              ReadFileBytes(logPath));
}

TEST_F(HostFunctions, HandlesOfAClosedDocumentAnswerNothing) {
    HXObjHandle quad = Object(0);
    HXMatHandle red = Material(0);
    hxhost::CloseDocument();
    EXPECT_EQ(0, HOST(HXDoc_GetObjectCount)(doc));
    EXPECT_EQ(0, HOST(HXObj_GetVertexCount)(quad));
    EXPECT_EQ(0, HOST(HXMat_GetIntValue)(red, 259));
    char name[8] = "old";
    HOST(HXObj_GetName)(quad, name, sizeof name);
    EXPECT_STREQ("", name);
}
