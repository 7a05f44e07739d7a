// A small command plug-in for testing the stand-in host program: it binds every host function, answers
// the identity exports, prints each event it receives with what it read, keeps settings when the host
// saves, and shows an owned window with a render button.
#include <windows.h>

#include <cstdio>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "host/hxfuncs.h"

namespace {
typedef int(__cdecl* XmlValueFn)(HXXmlHandle, int, void**);
typedef int(__cdecl* CountFn)(HXDocHandle);
typedef HWND(__cdecl* WindowFn)(void);

XmlValueFn xmlValue;
CountFn objectCount;
WindowFn hostWindow;
HWND mainWindow;
HWND messageWindow;

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::printf("fake: ");
    std::vprintf(format, args);
    std::printf("\n");
    std::fflush(stdout);
    va_end(args);
}

const char* ElementName(HXXmlHandle element) {
    void* block[1] = {nullptr};
    xmlValue(element, 0x301, block);
    return block[0] ? static_cast<const char*>(block[0]) : "(none)";
}

// Lines for the user, in the plug-in's message window.
void Show(const char* line) {
    char text[1024] = "";
    GetWindowTextA(messageWindow, text, sizeof text - 64);
    lstrcatA(text, line);
    lstrcatA(text, "\r\n");
    SetWindowTextA(messageWindow, text);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == 1426) {
        Say("render button");
        Show("rendered");
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CreateMainWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "HXFakePlugIn";
    RegisterClassA(&windowClass);
    mainWindow = CreateWindowExA(0, "HXFakePlugIn", "fake", WS_POPUP | WS_CAPTION, 10, 10, 200, 100,
                                 hostWindow(), nullptr, windowClass.hInstance, nullptr);
    // A field of another page that shares the render button's id, enumerated before it.
    HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 40, 80, 20, mainWindow, nullptr,
                                windowClass.hInstance, nullptr);
    CreateWindowExA(0, "BUTTON", "render", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, mainWindow,
                    reinterpret_cast<HMENU>(1426), windowClass.hInstance, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 12, page, reinterpret_cast<HMENU>(1426),
                    windowClass.hInstance, nullptr);
    messageWindow = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 100,
                                    10, 90, 50, mainWindow, nullptr, windowClass.hInstance, nullptr);
    Show("fake開始");
}

template <class Function> void Find(HMODULE host, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(host, name)));
}

void* Option(void* list, const char* key) {
    for (auto* pair = static_cast<void**>(list); pair && pair[0]; pair += 2)
        if (std::strcmp(static_cast<const char*>(pair[0]), key) == 0) return pair[1];
    return nullptr;
}
} // namespace

extern "C" __declspec(dllexport) DWORD __cdecl HXCheckVersion(DWORD version) {
    return version >= 0x2490 ? 0x249 : 0;
}

extern "C" __declspec(dllexport) BOOL __cdecl HXInit(const char* path) {
    HMODULE host = LoadLibraryA(path);
    if (!host) return FALSE;
    int found = 0;
#define FAKE_FIND(result, name, params) found += GetProcAddress(host, #name) != nullptr;
    HX_HOST_FUNCTIONS(FAKE_FIND, HX_HOST_SKIP)
#undef FAKE_FIND
    Find(host, "HXXmlElem_Value", xmlValue);
    Find(host, "HXDoc_GetObjectCount", objectCount);
    Find(host, "HX_GetWindowHandle", hostWindow);
    FreeLibrary(host);
    Say("bound %d host functions", found);
    return found == 140;
}

extern "C" __declspec(dllexport) void __cdecl HXGetPlugInID(DWORD* product, DWORD* id) {
    *product = 0x11;
    *id = 0x22;
}
extern "C" __declspec(dllexport) const char* __cdecl HXGetPlugInName() {
    return "fake plug-in";
}
extern "C" __declspec(dllexport) int __cdecl HXGetPlugInType() {
    return 7;
}
extern "C" __declspec(dllexport) const char* __cdecl HXEnumString(int index) {
    return index == 0 ? "fake" : nullptr;
}

extern "C" __declspec(dllexport) BOOL __cdecl HXOnEvent(HXDocHandle doc, int event, void* options) {
    switch (event) {
    case 1:
        if (!std::getenv("HXFAKE_NOWINDOW")) CreateMainWindow();
        return TRUE;
    case 100:
        if (mainWindow) ShowWindow(mainWindow, *static_cast<int*>(options) ? SW_SHOWNORMAL : SW_HIDE);
        return *static_cast<int*>(options);
    case 200:
        Say("open %s, element %s, %d objects", static_cast<const char*>(Option(options, "filename")),
            ElementName(static_cast<HXXmlHandle>(Option(options, "xml_elem"))), objectCount(doc));
        return TRUE;
    case 202: {
        auto element = static_cast<HXXmlHandle>(Option(options, "xml_elem"));
        if (std::getenv("HXFAKE_NOSAVE")) return TRUE;
        void* add[2] = {const_cast<char*>("model"), nullptr};
        xmlValue(element, 0x101, add);
        void* ver[2] = {const_cast<char*>("ver"), const_cast<char*>("10000")};
        xmlValue(static_cast<HXXmlHandle>(add[1]), 0x403, ver);
        void* light[2] = {const_cast<char*>("light"), const_cast<char*>("\xE5\x85\x89")}; // UTF-8 for 光
        xmlValue(static_cast<HXXmlHandle>(add[1]), 0x403, light);
        if (auto* saved = static_cast<int*>(Option(options, "save_uid"))) *saved = 1;
        return TRUE;
    }
    case 210:
    case 211:
        return FALSE;
    case 2:
        if (mainWindow) DestroyWindow(mainWindow);
        mainWindow = nullptr;
        return TRUE;
    default:
        return TRUE;
    }
}
