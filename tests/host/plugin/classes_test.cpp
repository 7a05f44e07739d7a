#include <gtest/gtest.h>

#include "host/hxhostfn.h"
#include "host/hxplugin.h"

namespace {

HXDocHandle const kDoc = reinterpret_cast<HXDocHandle>(0x1000);

// Implements only the slots that have no default.
class BareStation : public HXStationPlugin {
  public:
    void GetPlugInID(DWORD* product, DWORD* id) override { *product = *id = 0; }
    const char* GetPlugInName() override { return ""; }
    const char* EnumString() override { return ""; }
    BOOL Initialize() override { return TRUE; }
    void Exit() override {}
    BOOL Activate(HXDocHandle, BOOL) override { return TRUE; }
    void* seenOption = nullptr;
    HXDocHandle seenDoc = nullptr;
    bool callbackAnswer = true;

    BOOL IsActivated(HXDocHandle) override { return FALSE; }
    bool ExecuteCallback(HXDocHandle doc, void* option) override {
        seenDoc = doc;
        seenOption = option;
        return callbackAnswer;
    }
};

// A host that calls the callback at once, as the host does during HX_StationCallback.
int gProcAnswer = -1;
BOOL __cdecl CallBackAtOnce(HXStationCallbackProc proc, void* block) {
    gProcAnswer = proc(kDoc, block);
    return 5;
}

TEST(PluginClasses, BeginCallbackReachesExecuteCallbackAndReturnsTheHostsAnswer) {
    hxfn::HX_StationCallback = CallBackAtOnce;
    BareStation plugin;
    int option = 0;
    EXPECT_EQ(5, plugin.BeginCallback(&option));
    EXPECT_EQ(&option, plugin.seenOption);
    EXPECT_EQ(kDoc, plugin.seenDoc);
    EXPECT_EQ(1, gProcAnswer);
    plugin.callbackAnswer = false;
    plugin.BeginCallback(&option);
    EXPECT_EQ(0, gProcAnswer);
    hxfn::HX_StationCallback = nullptr;
}

} // namespace
