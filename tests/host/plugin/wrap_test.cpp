#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/hxhostfn.h"
#include "host/hxwrap.h"

namespace {

// Host functions that write nothing, as a host may on a bad index.
void __cdecl WriteNoVertex(HXObjHandle, int, HXPOINT*) {}
void __cdecl WriteNoColor(HXMatHandle, HXCOLOR*) {}
void __cdecl WriteNoMatrix(HXSceneHandle, float*) {}
BOOL __cdecl FindNothing(HXDocHandle, char*, const char*, int) {
    return FALSE;
}

// A host that fills the whole buffer and leaves no terminator.
void __cdecl FillName(HXObjHandle, char* buffer, int size) {
    std::memset(buffer, 'n', size);
}

int gSeenKind;
int __cdecl SystemPath(char* buffer, int kind) {
    gSeenKind = kind;
    std::strcpy(buffer, "C:\\host\\data");
    return 1;
}

class Wrappers : public ::testing::Test {
  protected:
    void TearDown() override {
        hxfn::HXObj_GetVertex = nullptr;
        hxfn::HXObj_GetName = nullptr;
        hxfn::HXMat_GetColor = nullptr;
        hxfn::HXScene_GetProjMatrix = nullptr;
        hxfn::HXDoc_FindMappingFile = nullptr;
        hxfn::HX_GetSystemPath = nullptr;
    }
};

TEST_F(Wrappers, OutputsAreZeroWhenTheHostWritesNothing) {
    hxfn::HXObj_GetVertex = WriteNoVertex;
    hxfn::HXMat_GetColor = WriteNoColor;
    hxfn::HXScene_GetProjMatrix = WriteNoMatrix;

    EXPECT_EQ(HXObj(reinterpret_cast<HXObjHandle>(1)).GetVertex(3), (HXPOINT{0, 0, 0}));
    EXPECT_EQ(0.0f, HXMat(reinterpret_cast<HXMatHandle>(1)).GetColor().g);

    HXScene scene(reinterpret_cast<HXSceneHandle>(1));
    float m[16];
    std::memset(m, 0x7F, sizeof m);
    scene.GetProjMatrix(m);
    for (float f : m)
        EXPECT_EQ(0.0f, f);
}

TEST_F(Wrappers, NameFilledToTheEndIsStillATextWithinTheBuffer) {
    hxfn::HXObj_GetName = FillName;
    char buffer[8 + 1];
    buffer[8] = 'x';
    HXObj(reinterpret_cast<HXObjHandle>(1)).GetName(buffer, 8);
    EXPECT_EQ(std::string(7, 'n'), buffer);
    EXPECT_EQ('x', buffer[8]);
}

TEST_F(Wrappers, MappingFileNotFoundLeavesAnEmptyPath) {
    hxfn::HXDoc_FindMappingFile = FindNothing;
    char path[1024] = "stale";
    HXDoc(reinterpret_cast<HXDocHandle>(1)).FindMappingFile(path, "metal.bmp", HXMAP_TEXTURE);
    EXPECT_STREQ("", path);
}

TEST_F(Wrappers, HostSystemPathIsEmptyWhenUnboundAndKindFiveWhenBound) {
    char buffer[1024] = "stale";
    EXPECT_EQ(1, GetHostSystemPath(buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
    hxfn::HX_GetSystemPath = SystemPath;
    EXPECT_EQ(1, GetHostSystemPath(buffer, sizeof buffer));
    EXPECT_EQ(5, gSeenKind);
    EXPECT_STREQ("C:\\host\\data", buffer);
}

} // namespace
