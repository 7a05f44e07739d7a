#include "base/uregkey.h"
#include <cstring>
#include <vector>

int UREGKEY::Open(const char* path) {
    if (!path) return 0;
    Close();
    return Opened(RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key));
}

int UREGKEY::Create(const char* path) {
    if (!path) return 0;
    Close();
    return Opened(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr));
}

int UREGKEY::Opened(LONG result) {
    // The calls need not clear the handle when they fail; a key that did not open is no key.
    if (result != ERROR_SUCCESS) key = nullptr;
    return result == ERROR_SUCCESS;
}

void UREGKEY::Close() {
    if (key) RegCloseKey(key);
    key = nullptr;
}

int UREGKEY::GetDword(const char* name, DWORD* out) const {
    if (!key) return 0;
    // Read through a temporary, so that a value of another size never touches out.
    DWORD value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        size != sizeof value)
        return 0;
    *out = value;
    return 1;
}

int UREGKEY::GetInt(const char* name, int* out) const {
    DWORD v;
    if (!GetDword(name, &v)) return 0;
    *out = static_cast<int>(v);
    return 1;
}

int UREGKEY::GetUInt(const char* name, unsigned* out) const {
    DWORD v;
    if (!GetDword(name, &v)) return 0;
    *out = v;
    return 1;
}

int UREGKEY::GetFloat(const char* name, float* out) const {
    DWORD v;
    if (!GetDword(name, &v)) return 0;
    memcpy(out, &v, sizeof *out);
    return 1;
}

int UREGKEY::GetString(const char* name, char* out, DWORD size) const {
    if (!key || !out || size == 0) return 0;
    std::vector<char> data(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &got) !=
        ERROR_SUCCESS)
        return 0;
    // The stored bytes need not end in a zero; the text must still fit with one.
    size_t length = strnlen(data.data(), got);
    if (length >= size) return 0;
    memcpy(out, data.data(), length);
    out[length] = '\0';
    return 1;
}

int UREGKEY::SetDword(const char* name, DWORD value) const {
    return key && RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value) == ERROR_SUCCESS;
}

int UREGKEY::SetInt(const char* name, int value) const {
    return SetDword(name, static_cast<DWORD>(value));
}

int UREGKEY::SetUInt(const char* name, unsigned value) const {
    return SetDword(name, value);
}

int UREGKEY::SetFloat(const char* name, float value) const {
    DWORD bits;
    memcpy(&bits, &value, sizeof bits);
    return SetDword(name, bits);
}

int UREGKEY::SetString(const char* name, const char* text) const {
    if (!key || !text) return 0;
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), strlen(text) + 1) ==
           ERROR_SUCCESS;
}
