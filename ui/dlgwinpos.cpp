#include "ui/dlgwinpos.h"

#include <cstdio>

#include "ui/regread.h"

namespace {

// Window coordinates and sizes stay within 16 bits; larger stored numbers are not ours.
const int kCoordLimit = 32767;

// The value name "<name>_winpos_<what>"; false when the name does not fit.
bool ValueName(char (&out)[1024], const char* name, const char* what) {
    int n = snprintf(out, sizeof out, "%s_winpos_%s", name, what);
    return n > 0 && n < (int)sizeof out;
}

// The stored value when it lies in lowest .. kCoordLimit, else missing.
int ReadBounded(const UREGKEY& key, const char* name, const char* what, int lowest, int missing) {
    char value[1024];
    int v = missing;
    if (!ValueName(value, name, what) || !ReadRegInt(key, value, &v) || v < lowest || v > kCoordLimit)
        return missing;
    return v;
}

bool Write(const UREGKEY& key, const char* name, const char* what, int v) {
    char value[1024];
    return ValueName(value, name, what) && key.SetInt(value, v);
}

} // namespace

void DLGWINPOS::Record(HWND owner, HWND dialog) {
    RECT o, d;
    if (!GetWindowRect(owner, &o) || !GetWindowRect(dialog, &d)) return;
    stored = 1;
    x = d.left - o.left;
    y = d.top - o.top;
    if (sizeFlag) {
        width = d.right - d.left;
        height = d.bottom - d.top;
    }
}

void DLGWINPOS::Restore(HWND owner, HWND dialog) {
    RECT o, d, desk;
    if (!stored || !GetWindowRect(owner, &o) || !GetWindowRect(dialog, &d) ||
        !GetWindowRect(GetDesktopWindow(), &desk))
        return;
    int left = o.left + x, top = o.top + y;
    int w = d.right - d.left, h = d.bottom - d.top;
    if (sizeFlag && width != -1) w = width;
    if (sizeFlag && height != -1) h = height;
    if (left < desk.left) left = desk.left;
    if (top < desk.top) top = desk.top;
    if (left + w > desk.right) left = desk.right - w;
    if (top + h > desk.bottom) top = desk.bottom - h;
    MoveWindow(dialog, left, top, w, h, TRUE);
}

void DLGWINPOS::Apply(HWND owner, HWND dialog) {
    if (stored)
        Restore(owner, dialog);
    else
        Record(owner, dialog);
}

bool DLGWINPOS::Load(const UREGKEY* key, const char* name) {
    char flagName[1024];
    if (!key || !name || !ValueName(flagName, name, "flg")) return false;
    int flag = 0;
    stored = ReadRegInt(*key, flagName, &flag) && flag != 0;
    x = ReadBounded(*key, name, "x", -kCoordLimit, 0);
    y = ReadBounded(*key, name, "y", -kCoordLimit, 0);
    if (sizeFlag) {
        width = ReadBounded(*key, name, "w", 1, -1);
        height = ReadBounded(*key, name, "h", 1, -1);
    }
    return true;
}

bool DLGWINPOS::Save(const UREGKEY* key, const char* name) const {
    if (!key || !name) return false;
    // A name too long for the value names fails on the first write.
    bool ok = Write(*key, name, "x", x) && Write(*key, name, "y", y) && Write(*key, name, "flg", stored);
    if (sizeFlag && width != -1) ok = ok && Write(*key, name, "w", width);
    if (sizeFlag && height != -1) ok = ok && Write(*key, name, "h", height);
    return ok;
}
