#include "app/cmdplugin.h"

void CMDPLUGIN::GetPlugInID(DWORD* product, DWORD* id) {
    *product = 0x4F524C4B;
    *id = 0x50594C44;
}

const char* CMDPLUGIN::GetPlugInName() {
    return "pyldlgHX  Pyrell renderer bridge";
}
const char* CMDPLUGIN::EnumString() {
    return "pyldlgHX";
}
BOOL CMDPLUGIN::Initialize() {
    return TRUE;
}
void CMDPLUGIN::Exit() {}
BOOL CMDPLUGIN::Activate(HXDocHandle /*doc*/, BOOL flag) {
    return flag;
}

HXStationPlugin* GetCmdPlugin() {
    // Built on first use and destroyed when the module unloads.
    static CMDPLUGIN plugin;
    return &plugin;
}
