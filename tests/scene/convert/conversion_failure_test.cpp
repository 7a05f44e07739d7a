// The conversion stops cleanly, with a line that names what failed, when memory runs out or a map
// cannot be written.
#include "tests/scene/scenehost.h"

#include "scene/celsdoc.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {
// Allocations of this program that may still succeed; negative: all of them.
long g_allocationsLeft = -1;
} // namespace

// The library's other forms of new (arrays, nothrow) and delete come here too. Not inlined: the compiler
// would take the malloc and free inside for a mismatch with new and delete.
__attribute__((noinline)) void* operator new(size_t n) {
    void* p = g_allocationsLeft != 0 ? std::malloc(n ? n : 1) : nullptr;
    if (!p) throw std::bad_alloc();
    if (g_allocationsLeft > 0) --g_allocationsLeft;
    return p;
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, size_t) noexcept {
    std::free(p);
}

namespace {

// The last line of the conversion, kept without allocating.
char g_line[1024];
void KeepLine(void*, const char* text) {
    std::snprintf(g_line, sizeof g_line, "%s", text);
}

// Every allocation the conversion makes fails in turn, from the first to the last: each run ends
// in 0 and a line instead of a null element in use or an exception, until one has room enough.
TEST(ConversionFailure, RunningOutOfMemoryStopsWithALine) {
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "red", "uid": 7}],
        "objects": [{"name": "quad", "vertices": [[0,0,0],[1,0,0],[1,1,0],[0,1,0]],
                     "faces": [{"v": [0,1,2,3], "m": 0}, {"v": [0,1,2], "m": 0}]},
                    {"name": "@PYLPoint:lamp", "vertices": [[0,0,0],[2,0,0]]}]})");
    RENDPYL_MODEL model;
    model.SetDoc(doc);
    model.SyncHostMtls();
    model.AddDirLight();
    model.AddPointLight();
    UMESS mess;
    mess.SetCallback(nullptr, KeepLine);
    PYL_SCENE full;
    ASSERT_EQ(ConvertScene(&full, doc, &model, "C:\\w\\tmp.pyl"), 1); // also sizes the host's call log
    int result = 0;
    long budget = 0;
    std::vector<long> silent; // budgets whose failure gave no line
    for (; budget < 1000 && result == 0; ++budget) {
        hxhost::ClearCallLog();
        g_line[0] = 0;
        PYL_SCENE scene;
        g_allocationsLeft = budget;
        result = ConvertScene(&scene, doc, &model, "C:\\w\\tmp.pyl", mess);
        g_allocationsLeft = -1;
        if (result == 0 && !std::strstr(g_line, "作成失敗!!")) silent.push_back(budget);
    }
    EXPECT_EQ(std::tuple(silent, result), std::tuple(std::vector<long>(), 1));
    EXPECT_GT(budget, 20); // so many allocations did fail in turn

    CELSDOC settings;
    g_allocationsLeft = 0;
    RENDPYL_MODEL* none = settings.NewScene();
    g_allocationsLeft = -1;
    EXPECT_EQ(none, nullptr);
}

// A map that cannot be written stops the conversion with a line naming the file.
TEST(ConversionFailure, UnwritableMapStopsWithItsName) {
    std::string dir = OutputDir("nofolder");
    SaveBytes(dir + "height.bmp", BmpBytes(2, 2, {0, 0, 0, 0}));
    HXDoc doc = OpenDoc(
        R"({"materials": [{"name": "m", "uid": 1, "bump": "height.bmp"}], "mapping": {"height.bmp": )" +
        JsonPath(dir + "height.bmp") + "}}");
    RENDPYL_MODEL model;
    model.AddMtl()->ID = 1;
    model.GetMtl(0)->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;
    UMESS mess;
    mess.SetCallback(nullptr, KeepLine);
    PYL_SCENE scene;
    std::string missing = dir + "no such folder\\";
    EXPECT_EQ(ConvertScene(&scene, doc, &model, (missing + "tmp.pyl").c_str(), mess), 0);
    EXPECT_EQ(std::string(g_line), missing + "__pyldlgHX__mtl0__norm.bmp 保存失敗!!\n");
}

} // namespace
