#include "ui/regread.h"

static bool HasType(const UREGKEY& key, const char* name, DWORD expected) {
    DWORD type = REG_NONE;
    return key.GetHandle() &&
           RegQueryValueExA(key.GetHandle(), name, nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
           type == expected;
}

int ReadRegInt(const UREGKEY& key, const char* name, int* out) {
    return HasType(key, name, REG_DWORD) && key.GetInt(name, out);
}

int ReadRegString(const UREGKEY& key, const char* name, char* out, DWORD size) {
    return HasType(key, name, REG_SZ) && key.GetString(name, out, size);
}
