// Typed values in the host's ini file, each plug-in in a section named after its identifiers.
#include "host/hxsetting.h"

#include <cstdio>
#include <new>

#include "host/hxhostfn.h"
#include "host/hxplugin.h"

namespace {

// What the profile reader fills; longer values come back cut to one less than this.
constexpr int kValueSize = 2048;

} // namespace

HXSetting::HXSetting(const char* file, const char* section) : file_(file), section_(section) {}

void HXSetting::Load(const char* key, bool& value, bool def) const {
    value = GetPrivateProfileIntA(section_.c_str(), key, def ? 1 : 0, file_.c_str()) != 0;
}

void HXSetting::Load(const char* key, int& value, int def) const {
    value = static_cast<int>(GetPrivateProfileIntA(section_.c_str(), key, def, file_.c_str()));
}

void HXSetting::Load(const char* key, unsigned& value, unsigned def) const {
    value = GetPrivateProfileIntA(section_.c_str(), key, static_cast<INT>(def), file_.c_str());
}

void HXSetting::Load(const char* key, float& value, float def) const {
    char defText[64];
    snprintf(defText, sizeof defText, "%e", def);
    char text[kValueSize];
    GetPrivateProfileStringA(section_.c_str(), key, defText, text, kValueSize, file_.c_str());
    float read;
    if (sscanf(text, "%e", &read) == 1) value = read;
}

void HXSetting::Load(const char* key, std::string& value, const char* def) const {
    char text[kValueSize];
    GetPrivateProfileStringA(section_.c_str(), key, def, text, kValueSize, file_.c_str());
    value = text;
}

BOOL HXSetting::Save(const char* key, bool value) const {
    return Save(key, value ? 1 : 0);
}

BOOL HXSetting::Save(const char* key, int value) const {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return Save(key, static_cast<const char*>(text));
}

BOOL HXSetting::Save(const char* key, unsigned value) const {
    char text[16];
    snprintf(text, sizeof text, "%u", value);
    return Save(key, static_cast<const char*>(text));
}

BOOL HXSetting::Save(const char* key, float value) const {
    char text[64];
    snprintf(text, sizeof text, "%e", value);
    return Save(key, static_cast<const char*>(text));
}

BOOL HXSetting::Save(const char* key, const char* value) const {
    return WritePrivateProfileStringA(section_.c_str(), key, value, file_.c_str());
}

HXSetting* HXBasePlugin::OpenSetting() {
    // The host writes its settings file's path without a size: a path of up to MAX_PATH characters.
    char file[MAX_PATH] = {};
    if (!hxfn::HX_GetSystemPath || !hxfn::HX_GetSystemPath(file, 3)) return nullptr;
    DWORD product = 0;
    DWORD id = 0;
    GetPlugInID(&product, &id);
    char section[64];
    snprintf(section, sizeof section, "Plugin.%08X:%08X", static_cast<unsigned>(product),
             static_cast<unsigned>(id));
    try {
        return new HXSetting(file, section);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void HXBasePlugin::CloseSetting(HXSetting* setting) {
    delete setting;
}
