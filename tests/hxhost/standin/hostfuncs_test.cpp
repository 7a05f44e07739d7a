#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/hxwrap.h"
#include "tests/common/testfiles.h"
#include "tools/hxhost/hxhostlib.h"

namespace {
// The host functions as a plug-in binds them: looked up by name in this executable's exports.
#define HOST_TYPE(result, name, params) typedef result(__cdecl* name##_fn) params;
HX_HOST_FUNCTIONS(HOST_TYPE, HX_HOST_SKIP)
#undef HOST_TYPE
#define HOST(name)                                                                                           \
    reinterpret_cast<name##_fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), #name)))

const char kDocument[] = R"({
  "materials": [{"name": "red", "uid": 1001, "texture": "wood.bmp"}, null, {"name": "\u5149\u6CA2"}],
  "objects": [
    {"name": "quad", "vertices": [[0,0,0], [1,0,0], [1,1,0], [0,1,0]], "faces": [{"v": [0,1,2,3]}, {"v": [0,1,2]}]},
    null,
    {"name": "half", "mirror": 1, "vertices": [[0,0,0], [1,0,0], [0,1,0]], "faces": [{"v": [0,1,2]}],
     "frozen": {"mirror": 0, "vertices": [[0,0,0], [1,0,0], [0,1,0], [-1,0,0]], "faces": [{"v": [0,1,2]}, {"v": [0,2,3]}]}}
  ],
  "mapping": {"wood.bmp": "C:\\tex\\wood.bmp", "near.bmp": "near.bmp"}
})";

class HostFunctions : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(hxhost::OpenDocumentFile(WriteScratch("funcs.json", kDocument), &error)) << error;
        doc = hxhost::DocumentHandle();
    }
    void TearDown() override { hxhost::CloseDocument(); }
    HXObjHandle Object(int i) { return HOST(HXDoc_GetObject)(doc, i); }
    HXMatHandle Material(int i) { return HOST(HXDoc_GetMaterial)(doc, i); }
    HXDocHandle doc = nullptr;
};
} // namespace

// Empty slots, indexes outside the lists and handles of no document answer nothing, and nothing is
// written outside what the object has.
TEST_F(HostFunctions, ListsAndShapesAnswerOnlyWhatTheyHold) {
    EXPECT_EQ(3, HOST(HXDoc_GetObjectCount)(doc));
    for (int i : {1, 3, -1})
        EXPECT_EQ(nullptr, Object(i)) << i;
    EXPECT_EQ(nullptr, Material(1));
    EXPECT_EQ(0, HOST(HXDoc_GetObjectCount)(reinterpret_cast<HXDocHandle>(&doc)));
    int points[5] = {-9, -9, -9, -9, -9};
    HOST(HXObj_GetFacePointArray)(Object(0), 1, points);
    EXPECT_EQ(std::tuple(2, -9), std::tuple(points[2], points[3]));
    HXPOINT p{-1, 7, -1};
    HOST(HXObj_GetVertex)(Object(0), 4, &p);
    EXPECT_EQ(7.0f, p.y);
    EXPECT_EQ(1003, HOST(HXMat_GetIntValue)(Material(2), 259)); // a default uid follows the slot
    // Handles of a closed document answer nothing.
    HXObjHandle quad = Object(0);
    hxhost::CloseDocument();
    EXPECT_EQ(0, HOST(HXObj_GetVertexCount)(quad));
    char name[8] = "old";
    HOST(HXObj_GetName)(quad, name, sizeof name);
    EXPECT_STREQ("", name);
}

TEST_F(HostFunctions, AFrozenCloneReadsItsFrozenShapeAndTheOriginalStays) {
    HXObjHandle half = Object(2);
    HXObjHandle copy = HOST(HXObj_Clone)(half);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(1, HOST(HXObj_GetMirrorType)(copy)); // a clone is the object until frozen
    HOST(HXObj_Freeze)(copy, 0x7FFFFFFF);
    EXPECT_EQ(0, HOST(HXObj_GetMirrorType)(copy));
    EXPECT_EQ(4, HOST(HXObj_GetVertexCount)(copy));
    EXPECT_EQ(1, HOST(HXObj_GetMirrorType)(half));
    HOST(HXObj_Delete)(copy);
    HOST(HXObj_Delete)(copy); // a stale handle does nothing
    EXPECT_EQ(0, HOST(HXObj_GetVertexCount)(copy));
}

TEST_F(HostFunctions, NamesArriveInTheAnsiCodePageAndAreCutWhole) {
    ASSERT_EQ(932u, GetACP());
    char name[256];
    HOST(HXMat_GetName)(Material(2), name, sizeof name);
    EXPECT_STREQ("\x8C\xF5\x91\xF2", name);    // 光沢 in Shift-JIS
    HOST(HXMat_GetName)(Material(2), name, 4); // room for one character and a half
    EXPECT_STREQ("\x8C\xF5", name);
}

// One table answers every kind; a relative path lies beside the document; a path too long for the
// plug-in's buffer is not found rather than cut.
TEST_F(HostFunctions, MappingAnswersEveryKindFromOneTable) {
    char path[1024];
    for (int kind : {1, 2, 3}) {
        EXPECT_TRUE(HOST(HXDoc_FindMappingFile)(doc, path, "wood.bmp", kind));
        EXPECT_STREQ("C:\\tex\\wood.bmp", path);
    }
    EXPECT_TRUE(HOST(HXDoc_FindMappingFile)(doc, path, "near.bmp", 1));
    EXPECT_EQ(ScratchPath("near.bmp"), path);
    EXPECT_FALSE(HOST(HXDoc_FindMappingFile)(doc, path, "wood.bmp", 4));
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText("{\"mapping\": {\"a.bmp\": \"C:/" + std::string(1030, 'x') + "\"}}",
                                         &error));
    EXPECT_FALSE(HOST(HXDoc_FindMappingFile)(hxhost::DocumentHandle(), path, "a.bmp", 1));
    EXPECT_EQ(ScratchPath("near.bmp"), path); // nothing written
}

TEST_F(HostFunctions, TheLogRecordsEveryCallInOrder) {
    ASSERT_TRUE(hxhost::SetLogFile(ScratchPath("calls.log")));
    HOST(HXObj_GetVisible)(Object(0));
    HOST(HXMatrix_FloatValue)(0, nullptr);
    hxhost::SetLogFile("");
    EXPECT_EQ("HXDoc_GetObject\nHXObj_GetVisible\nHXMatrix_FloatValue\n",
              ReadFileBytes(ScratchPath("calls.log")));
}

// The plug-in's own tests drive the element tree through its wrapper; here, what only a faulty caller
// meets: handles of removed elements and handles that are no element.
TEST_F(HostFunctions, ElementHandlesThatAreNoLongerOrNeverWereElementsAnswerNothing) {
    void* add[2] = {const_cast<char*>("model"), nullptr};
    HOST(HXXmlElem_Value)(hxhost::SettingsElement(), 0x101, add);
    void* grandchild[2] = {const_cast<char*>("light"), nullptr};
    HOST(HXXmlElem_Value)(static_cast<HXXmlHandle>(add[1]), 0x101, grandchild);
    int result = 0;
    void* remove[2] = {add[1], &result};
    HOST(HXXmlElem_Value)(hxhost::SettingsElement(), 0x102, remove);
    EXPECT_EQ(1, result);
    int garbage = 0;
    for (void* stale : {add[1], grandchild[1], static_cast<void*>(&garbage)}) {
        void* name[1] = {nullptr};
        HOST(HXXmlElem_Value)(static_cast<HXXmlHandle>(stale), 0x301, name);
        EXPECT_EQ(nullptr, name[0]);
    }
    HOST(HXXmlElem_Value)(hxhost::SettingsElement(), 0x102, remove);
    EXPECT_EQ(0, result);
}
