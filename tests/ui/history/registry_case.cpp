#include "registry_case.h"

#include <cstdio>

void RegistryCase::SetUp() {
    char path[64];
    std::snprintf(path, sizeof path, "Software\\hxtest\\history%lu", GetCurrentProcessId());
    privatePath = path;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &user, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, user));
    ASSERT_EQ(1, key.Create(kKey));
}

void RegistryCase::TearDown() {
    key.Close();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(user);
    RegDeleteTreeA(HKEY_CURRENT_USER, privatePath.c_str());
    HKEY probe;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, privatePath.c_str(), 0, KEY_READ, &probe));
}

void RegistryCase::SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetHandle(), name, 0, type, (const BYTE*)data, size));
}

void RegistryCase::SetRawString(const char* name, const std::string& text) {
    SetRaw(name, REG_SZ, text.c_str(), (DWORD)text.size() + 1);
}

std::string RegistryCase::ReadString(const char* name) {
    char text[2048] = "";
    return key.GetString(name, text, sizeof text) ? text : "<missing>";
}

int RegistryCase::ReadInt(const char* name) {
    int v = -12345;
    key.GetInt(name, &v);
    return v;
}

bool RegistryCase::Exists(const char* name) {
    return RegQueryValueExA(key.GetHandle(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
