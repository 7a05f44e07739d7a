#include "host/hxplugin.h"

HINSTANCE hxModule = nullptr;

// Only records the module; the plug-in object is built on the first export that needs it.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    hxModule = instance;
    return TRUE;
}
