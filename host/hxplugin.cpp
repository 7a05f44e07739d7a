#include "host/hxplugin.h"

#include "host/hxhostfn.h"

namespace {

// What the host hands back to StationCallbackProc; lives for the duration of BeginCallback.
struct StationCallbackBlock {
    HXStationPlugin* plugin;
    void* option;
};

int __cdecl StationCallbackProc(HXDocHandle doc, void* block) {
    const StationCallbackBlock* callback = static_cast<const StationCallbackBlock*>(block);
    return callback->plugin->ExecuteCallback(doc, callback->option) ? 1 : 0;
}

} // namespace

BOOL HXStationPlugin::BeginCallback(void* option) {
    StationCallbackBlock block = {this, option};
    return hxfn::HX_StationCallback(StationCallbackProc, &block);
}
