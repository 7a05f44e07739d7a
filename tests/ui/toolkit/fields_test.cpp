#include "fields_test.h"
#include "toolkit_test.h"

void Type(HWND edit, const char* keys) {
    for (const char* p = keys; *p; ++p)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void TypeOver(HWND edit, const char* keys) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type(edit, keys);
}

std::string TextOf(HWND hwnd) {
    char buf[512] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

void FocusAndLeave(HWND edit, HWND other) {
    SetFocus(edit);
    SetFocus(other);
    PumpMessages();
}

void ClickSpin(HWND spin, bool up) {
    RECT rc;
    GetClientRect(spin, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
    PumpMessages();
}
