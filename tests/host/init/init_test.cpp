#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "host/hxexports.h"
#include "host/hxhostfn.h"
#include "host/hxplugin.h"

namespace {

// A path of the build tree as Wine sees it.
std::string WinPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

// The table's pointers in look-up order, each function once.
#define HX_SLOT(result, name, params) {#name, reinterpret_cast<void**>(&hxfn::name)},
const std::pair<const char*, void**> kSlots[] = {HX_HOST_FUNCTIONS(HX_SLOT, HX_HOST_SKIP)};
#undef HX_SLOT

TEST(Init, BindsEveryNameOrStopsAtTheFirstMissingOneAndReleasesTheHost) {
    const struct {
        const char* variant;
        int bound; // how many pointers, in look-up order, end up bound
    } rows[] = {
        {"complete", 140},
        {"without_HX_GetWindowHandle", 0},
        {"without_HX_GetSystemPath", 7}, // missing already at its first look-up, the eighth
        {"without_HXXmlElem_Value", 139},
    };
    for (const auto& row : rows) {
        for (const auto& slot : kSlots)
            *slot.second = nullptr;
        const std::string path = WinPath(HX_FAKE_HOST_DIR "/" + std::string(row.variant) + ".dll");
        HMODULE held = LoadLibraryA(path.c_str());
        ASSERT_NE(nullptr, held);
        EXPECT_EQ(row.bound == 140 ? TRUE : FALSE, HXInit(path.c_str())) << row.variant;
        for (int i = 0; i < 140; ++i) {
            FARPROC expected = i < row.bound ? GetProcAddress(held, kSlots[i].first) : nullptr;
            EXPECT_EQ(reinterpret_cast<void*>(expected), *kSlots[i].second)
                << kSlots[i].first << " " << row.variant;
        }
        // HXInit dropped exactly the reference it took.
        EXPECT_EQ(held, GetModuleHandleA(path.c_str()));
        FreeLibrary(held);
        EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str())) << row.variant;
    }
    EXPECT_EQ(FALSE, HXInit("Z:\\nonexistent\\host.exe"));
    // The fakes are gone: nothing may call through what they left bound.
    for (const auto& slot : kSlots)
        *slot.second = nullptr;
}

// An export of the built plug-in, loaded as the host loads it; the declaration gives the type.
HMODULE PluginDll() {
    static HMODULE dll = LoadLibraryA(WinPath(HX_PLUGIN_DLL).c_str());
    return dll;
}
#define EXPORT(name)                                                                                         \
    reinterpret_cast<decltype(&::name)>(reinterpret_cast<void*>(GetProcAddress(PluginDll(), #name)))

// Before any window exists, as the host starts a plug-in.
TEST(PluginDll, AnswersTheHostsStartUpQuestions) {
    ASSERT_NE(nullptr, PluginDll());
    auto check = EXPORT(HXCheckVersion);
    EXPECT_EQ(std::tuple(0u, 0x249u, 0x249u), std::tuple(check(0x248F), check(0x2490), check(0xFFFFFFFF)));
    EXPECT_EQ(TRUE, EXPORT(HXInit)(WinPath(HX_FAKE_HOST_DIR "/complete.dll").c_str()));
    DWORD product = 0, id = 0;
    EXPORT(HXGetPlugInID)(&product, &id);
    EXPECT_EQ(std::tuple(0x4F524C4Bu, 0x50594C44u, std::string("pyldlgHX  Pyrell renderer bridge"), 7,
                         std::string("pyldlgHX"), nullptr, nullptr),
              std::tuple(product, id, std::string(EXPORT(HXGetPlugInName)()), EXPORT(HXGetPlugInType)(),
                         std::string(EXPORT(HXEnumString)(0)), EXPORT(HXEnumFileType)(0),
                         EXPORT(HXEnumFileExt)(0)));
    // Exports of the plug-in kinds that import, export, create or modify.
    for (BOOL refused : {EXPORT(HXImportFile)(1, 2, 3), EXPORT(HXExportFile)(1, 2, 3), EXPORT(HXCreate)(1, 2),
                         EXPORT(HXModifySelect)(1, 2), EXPORT(HXModifyObject)(1, 2)})
        EXPECT_EQ(FALSE, refused);
    EXPECT_EQ(std::pair(FALSE, TRUE),
              std::pair(EXPORT(HXOnEvent)(nullptr, 99, nullptr), EXPORT(HXOnEvent)(nullptr, 110, nullptr)));
}

} // namespace
