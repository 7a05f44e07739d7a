// Host services that need no document: the main window, images, system folders, callbacks, XML.
#include "tools/hxhost/lib/bmpimage.h"
#include "tools/hxhost/lib/hostexport.h"

using namespace hxhost;

HXHOST_EXPORT HWND __cdecl HX_GetWindowHandle(void) {
    NoteCall(__func__);
    return Host().window;
}

HXHOST_EXPORT BOOL __cdecl HX_LoadImage(const char* path, BITMAPINFO** header, void** bits, int) {
    NoteCall(__func__);
    return LoadBmpImage(path, header, bits, nullptr) ? TRUE : FALSE;
}

// Kind 5 is the host's folder (empty when it has none); kind 3 the settings file, when there is one.
// The caller passes no size: its buffer holds 1024 characters for kind 5 and MAX_PATH for kind 3.
HXHOST_EXPORT int __cdecl HX_GetSystemPath(char* out, int kind) {
    NoteCall(__func__);
    if (!out) return 0;
    if (kind == 5) {
        CopyText(out, 1024, Host().systemPath);
        return 1;
    }
    const std::string& file = Host().settingsFile;
    // A cut path would name another file: a path that does not fit is no path.
    if (kind != 3 || file.empty() || file.size() >= MAX_PATH) return 0;
    CopyText(out, MAX_PATH, file);
    return 1;
}

HXHOST_EXPORT BOOL __cdecl HX_StationCallback(HXStationCallbackProc proc, void* block) {
    NoteCall(__func__);
    return proc ? proc(DocumentHandle(), block) : FALSE;
}

HXHOST_EXPORT int __cdecl HXXmlElem_Value(HXXmlHandle element, int code, void** block) {
    NoteCall(__func__);
    return XmlValue(element, code, block) ? 1 : 0;
}
