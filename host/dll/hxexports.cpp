#include "host/hxexports.h"

#include "host/hxplugin.h"

// The oldest host version whose interface this module speaks, and the answer that says so.
static const DWORD kHostVersion = 0x2490;
static const DWORD kInterfaceVersion = 0x249;

DWORD __cdecl HXCheckVersion(DWORD version) {
    return version >= kHostVersion ? kInterfaceVersion : 0;
}

void __cdecl HXGetPlugInID(DWORD* product, DWORD* id) {
    GetCmdPlugin()->GetPlugInID(product, id);
}
const char* __cdecl HXGetPlugInName() {
    return GetCmdPlugin()->GetPlugInName();
}
int __cdecl HXGetPlugInType() {
    return GetCmdPlugin()->GetPlugInType();
}

const char* __cdecl HXEnumString(int index) {
    HXStationPlugin* plugin = GetCmdPlugin();
    const int type = plugin->GetPlugInType();
    // Station and command plug-ins have one menu text; the kinds that list more are not built here.
    if ((type == 6 || type == 7) && index == 0) return plugin->EnumString();
    return nullptr;
}

// File types and extensions belong to import and export plug-ins, which these classes do not make.
const char* __cdecl HXEnumFileType(int /*index*/) {
    return nullptr;
}
const char* __cdecl HXEnumFileExt(int /*index*/) {
    return nullptr;
}

// The host calls these only for the plug-in kinds that import, export, create or modify; a command
// plug-in has no handler that could take their arguments, so they refuse without touching anything.
BOOL __cdecl HXImportFile(DWORD, DWORD, DWORD) {
    return FALSE;
}
BOOL __cdecl HXExportFile(DWORD, DWORD, DWORD) {
    return FALSE;
}
BOOL __cdecl HXCreate(DWORD, DWORD) {
    return FALSE;
}
BOOL __cdecl HXModifySelect(DWORD, DWORD) {
    return FALSE;
}
BOOL __cdecl HXModifyObject(DWORD, DWORD) {
    return FALSE;
}

BOOL __cdecl HXOnEvent(HXDocHandle doc, int event, void* option) {
    return DispatchEvent(GetCmdPlugin(), doc, event, option);
}
