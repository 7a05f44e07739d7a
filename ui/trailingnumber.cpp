// Trailing numbers of file names. The walks step back by whole characters, so a double-byte
// character is never taken apart.
#include "ui/filenamelist.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>

#include "base/filepath.h"

// The first of the name's trailing digits (the first character counts too), or the name's end.
static const char* TrailingDigits(const char* name) {
    const char* end = name + strlen(name);
    const char* digits = end;
    while (digits > name) {
        const char* prev = CharPrevA(name, digits);
        if (digits - prev != 1 || *prev < '0' || *prev > '9') break;
        digits = prev;
    }
    return digits;
}

bool SplitTrailingNumber(char* dst, size_t size, const char* name) {
    if (!dst || !name) return false;
    if (!*name) return true;
    size_t length = TrailingDigits(name) - name;
    if (size == 0) return false;
    if (length >= size) {
        dst[0] = 0;
        return false;
    }
    memmove(dst, name, length);
    dst[length] = 0;
    return true;
}

int GetTrailingNumber(const char* name) {
    if (!name) return -1;
    const char* digits = TrailingDigits(name);
    if (!*digits) return -1;
    // strtol saturates where atoi would overflow.
    long value = strtol(digits, nullptr, 10);
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : (int)value;
}

int GetNumberOfPath(const char* path) {
    char name[1024];
    if (!path || !SplitExtension(nullptr, 0, name, sizeof name, nullptr, 0, path)) return -1;
    return GetTrailingNumber(name);
}

bool MakeFilePattern(char* dst, size_t size, const char* folder, const char* base, const char* extension) {
    if (!dst || size == 0) return false;
    dst[0] = 0;
    if (!base) return false;
    // Put together by hand: a '.' in the folder or the base must not be taken for an extension.
    std::string name = std::string(base) + "*";
    if (extension && *extension) {
        const char* ext = FindExtension(extension);
        name += '.';
        name += ext ? ext : extension;
    }
    if (JoinPath(dst, size, folder, name.c_str())) return true;
    dst[0] = 0; // the join may leave the folder behind
    return false;
}
