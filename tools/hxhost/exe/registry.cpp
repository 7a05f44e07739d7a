#include "tools/hxhost/exe/registry.h"

#include <windows.h>

bool SetPlugInRegistryText(const char* name, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 DWORD(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
