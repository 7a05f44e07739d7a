#include <string>

#include <gtest/gtest.h>

#include "host/hxexports.h"
#include "host/hxhostfn.h"
#include "host/hxplugin.h"

namespace {

// The build tree as Wine sees it.
std::string WinPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

std::string FakeHost(const std::string& variant) {
    return WinPath(HX_FAKE_HOST_DIR "/" + variant + ".dll");
}

struct Slot {
    const char* name;
    void** pointer;
};

// The table's pointers in look-up order, each function once.
#define HX_SLOT(result, name, params) {#name, reinterpret_cast<void**>(&hxfn::name)},
const Slot kSlots[] = {HX_HOST_FUNCTIONS(HX_SLOT, HX_HOST_SKIP)};
#undef HX_SLOT

class Init : public ::testing::Test {
  protected:
    void SetUp() override { ClearTable(); }
    // The fakes are unloaded after each test, so nothing may call through what they left bound.
    void TearDown() override { ClearTable(); }
    static void ClearTable() {
        for (const Slot& slot : kSlots)
            *slot.pointer = nullptr;
    }
};

TEST_F(Init, BindingReleasesItsReferenceOnceWhetherItSucceedsOrFails) {
    for (const char* variant : {"complete", "without_HXXmlElem_Value"}) {
        const std::string path = FakeHost(variant);
        HMODULE held = LoadLibraryA(path.c_str());
        ASSERT_NE(nullptr, held);
        const bool complete = variant == std::string("complete");
        EXPECT_EQ(complete ? TRUE : FALSE, HXInit(path.c_str()));
        for (const Slot& slot : kSlots) {
            if (complete) {
                EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(held, slot.name)), *slot.pointer)
                    << slot.name;
            }
        }
        if (!complete) {
            EXPECT_NE(nullptr, hxfn::HXMatrix_FloatValue);
        }
        EXPECT_EQ(held, GetModuleHandleA(path.c_str()));
        FreeLibrary(held);
        EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str())) << variant;
    }
}

TEST_F(Init, HostLackingOneNameFailsWithTheNamesBeforeItBound) {
    const int count = sizeof kSlots / sizeof kSlots[0];
    ASSERT_EQ(140, count);
    for (int missing = 0; missing < count; ++missing) {
        ClearTable();
        const std::string path = FakeHost(std::string("without_") + kSlots[missing].name);
        ASSERT_EQ(FALSE, HXInit(path.c_str())) << kSlots[missing].name;
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(i < missing, *kSlots[i].pointer != nullptr)
                << kSlots[i].name << " when " << kSlots[missing].name << " is missing";
        }
        EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str())) << kSlots[missing].name;
    }
}

TEST_F(Init, MissingFileBindsNothing) {
    EXPECT_EQ(FALSE, HXInit("Z:\\nonexistent\\host.exe"));
    for (const Slot& slot : kSlots)
        EXPECT_EQ(nullptr, *slot.pointer) << slot.name;
}

TEST_F(Init, ProgramLinkedWithTheStandInHostIsItsOwnHost) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (!GetProcAddress(GetModuleHandleA(nullptr), "HX_GetWindowHandle"))
        GTEST_SKIP() << "no stand-in host linked";
    EXPECT_EQ(TRUE, HXInit(self));
    for (const Slot& slot : kSlots)
        EXPECT_NE(nullptr, *slot.pointer) << slot.name;
}

// The built plug-in, loaded as the host loads it.
class PluginDll : public ::testing::Test {
  protected:
    static HMODULE dll;
    static void SetUpTestSuite() { dll = LoadLibraryA(WinPath(HX_PLUGIN_DLL).c_str()); }
    static void TearDownTestSuite() { FreeLibrary(dll); }

    template <typename Function> static Function* Export(const char* name) {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    }
};
HMODULE PluginDll::dll = nullptr;

// Declarations only give the type: the functions live in the DLL, not in this program.
#define EXPORT(name) Export<decltype(::name)>(#name)

TEST_F(PluginDll, VersionCheckAcceptsHostsFrom2490) {
    ASSERT_NE(nullptr, dll);
    auto check = EXPORT(HXCheckVersion);
    EXPECT_EQ(0u, check(0));
    EXPECT_EQ(0u, check(0x248F));
    EXPECT_EQ(0x249u, check(0x2490));
    EXPECT_EQ(0x249u, check(0xFFFFFFFF));
}

TEST_F(PluginDll, AnswersItsIdentity) {
    ASSERT_NE(nullptr, dll);
    DWORD product = 0, id = 0;
    EXPORT(HXGetPlugInID)(&product, &id);
    EXPECT_EQ(0x4F524C4Bu, product);
    EXPECT_EQ(0x50594C44u, id);
    EXPECT_STREQ("pyldlgHX  Pyrell renderer bridge", EXPORT(HXGetPlugInName)());
    EXPECT_EQ(7, EXPORT(HXGetPlugInType)());
    auto enumString = EXPORT(HXEnumString);
    EXPECT_STREQ("pyldlgHX", enumString(0));
    EXPECT_EQ(nullptr, enumString(1));
    EXPECT_EQ(nullptr, enumString(-1));
}

TEST_F(PluginDll, BindsFromAHostAndDispatchesEventsWithoutAWindow) {
    ASSERT_NE(nullptr, dll);
    auto init = EXPORT(HXInit);
    EXPECT_EQ(FALSE, init("Z:\\nonexistent\\host.exe"));
    EXPECT_EQ(TRUE, init(FakeHost("complete").c_str()));

    auto onEvent = EXPORT(HXOnEvent);
    EXPECT_EQ(FALSE, onEvent(nullptr, 99, nullptr));
    int result = 0x55;
    HXEventParam message[] = {{"result", &result}, {nullptr, nullptr}};
    EXPECT_EQ(TRUE, onEvent(nullptr, 103, message));
    EXPECT_EQ(0, result);
    EXPECT_EQ(TRUE, onEvent(nullptr, 110, nullptr));
    EXPECT_EQ(FALSE, onEvent(nullptr, 100, nullptr));
}

} // namespace
