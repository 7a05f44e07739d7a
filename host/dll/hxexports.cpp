#include "host/hxexports.h"

#include "base/callguard.h"
#include "host/hxplugin.h"

// The oldest host version whose interface this module speaks, and the answer that says so.
static const DWORD kHostVersion = 0x2490;
static const DWORD kInterfaceVersion = 0x249;

DWORD __cdecl HXCheckVersion(DWORD version) {
    return version >= kHostVersion ? kInterfaceVersion : 0;
}

// Every export that reaches the plug-in object answers failure (nothing, 0 or null) when it throws.

void __cdecl HXGetPlugInID(DWORD* product, DWORD* id) {
    CallGuarded("HXGetPlugInID", false, [&] {
        GetCmdPlugin()->GetPlugInID(product, id);
        return true;
    });
}
const char* __cdecl HXGetPlugInName() {
    return CallGuarded<const char*>("HXGetPlugInName", nullptr,
                                    [] { return GetCmdPlugin()->GetPlugInName(); });
}
int __cdecl HXGetPlugInType() {
    return CallGuarded("HXGetPlugInType", 0, [] { return GetCmdPlugin()->GetPlugInType(); });
}

const char* __cdecl HXEnumString(int index) {
    return CallGuarded<const char*>("HXEnumString", nullptr, [index]() -> const char* {
        HXStationPlugin* plugin = GetCmdPlugin();
        const int type = plugin->GetPlugInType();
        // Station and command plug-ins have one menu text; the kinds that list more are not built here.
        if ((type == 6 || type == 7) && index == 0) return plugin->EnumString();
        return nullptr;
    });
}

// File types and extensions belong to import and export plug-ins (types 1 and 2), which these classes
// do not make: the type is read as for the menu text, and no kind built here has a list to give.
static const char* NoFileList(const char* where) {
    return CallGuarded<const char*>(where, nullptr, []() -> const char* {
        GetCmdPlugin()->GetPlugInType();
        return nullptr;
    });
}
const char* __cdecl HXEnumFileType(int /*index*/) {
    return NoFileList("HXEnumFileType");
}
const char* __cdecl HXEnumFileExt(int /*index*/) {
    return NoFileList("HXEnumFileExt");
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
    // Dispatch guards the handlers; this guards building the plug-in object.
    return CallGuarded("HXOnEvent", FALSE, [&] { return DispatchEvent(GetCmdPlugin(), doc, event, option); });
}
