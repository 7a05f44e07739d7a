#include "plugin_fixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "host/hxexports.h"
#include "tests/common/testfiles.h"
#include "tools/hxhost/eventoptions.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

const char* kSettingsKey = "Software\\orlek31\\pyldlqHX";

// Binds the host functions to this program, gives the plug-in a host window and points the current
// user's registry at a private key, so that no other program's settings are touched.
struct HostEnvironment : testing::Environment {
    void SetUp() override {
        hxModule = GetModuleHandleA(nullptr);
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        ASSERT_TRUE(HXInit(self));
        host = CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, 0, 0, hxModule, 0);
        hxhost::SetMainWindow(host);
        key = "Software\\hxtest\\main" + std::to_string(GetCurrentProcessId());
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &user,
                        nullptr);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user), ERROR_SUCCESS);
        ResetSettings();
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(user);
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        DestroyWindow(host);
    }
    HWND host = 0;
    HKEY user = 0;
    std::string key;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new HostEnvironment);

} // namespace

CMDPLUGIN* Plugin() {
    return static_cast<CMDPLUGIN*>(GetCmdPlugin());
}

HXDocHandle OpenHostDocument(const std::string& json) {
    const std::string path = ScratchPath("document.json");
    std::ofstream(path, std::ios::binary) << json;
    std::string error;
    EXPECT_TRUE(hxhost::OpenDocumentFile(path, &error)) << error;
    return hxhost::DocumentHandle();
}

std::string DocumentJson(const std::string& extraMaterials, bool withFirst) {
    return std::string(R"({ "materials": [)") + (withFirst ? R"({ "name": "floor", "uid": 1001 },)" : "") +
           R"({ "name": "red", "uid": 1002, "color": [0.9, 0.1, 0.1] })" +
           (extraMaterials.empty() ? "" : "," + extraMaterials) +
           R"(], "settings": { "name": "plugin", "attributes": [], "children": [] } })";
}

BOOL SendEvent(int event, void* options) {
    return DispatchEvent(Plugin(), hxhost::DocumentHandle(), event, options);
}

void SendOpen(HXDocHandle doc) {
    hxhost::EventOptions options;
    options.Pointer("xml_elem", hxhost::SettingsElement()).Pointer("filename", "doc.json");
    DispatchEvent(Plugin(), doc, 200, options.List());
}

int SendSave(HXDocHandle doc) {
    int saved = 0;
    hxhost::EventOptions options;
    options.Pointer("xml_elem", hxhost::BeginSave())
        .Pointer("filename", "doc.json")
        .WriteBack("save_uid", &saved);
    DispatchEvent(Plugin(), doc, 202, options.List());
    std::string error;
    EXPECT_TRUE(hxhost::CommitSave(&error)) << error;
    return saved;
}

void SendUndoState(HXDocHandle doc, int state, int size) {
    hxhost::EventOptions options;
    options.Int("state", state).Int("size", size);
    DispatchEvent(Plugin(), doc, 212, options.List());
}

void SendUndo(HXDocHandle doc, int state, bool redo) {
    hxhost::EventOptions options;
    options.Int("state", state);
    DispatchEvent(Plugin(), doc, redo ? 211 : 210, options.List());
}

void SetShiftState(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = state;
    SetKeyboardState(keys);
}

void ResetSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    const std::string work = ScratchPath("work");
    SetSetting("pylcomm_tmppath", REG_SZ, work.c_str(), DWORD(work.size() + 1));
}

void SetSetting(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = 0;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

DWORD StoredInt(const char* name, DWORD* type) {
    DWORD value = 0xDEADBEEF, size = sizeof value, t = 0;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &t, &value, &size);
    if (type) *type = t;
    return value;
}

std::string StoredText(const char* name) {
    char text[1024] = "";
    DWORD size = sizeof text;
    LSTATUS read = RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return read == ERROR_SUCCESS ? text : "<missing>";
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
