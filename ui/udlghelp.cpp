#include "ui/udlghelp.h"
#include "ui/uwin.h"

bool IsJapaneseLocale() {
    return PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())) == LANG_JAPANESE;
}

void SetEnglishLocale() {
    SetThreadLocale(1033);
}

HFONT SetSystemFont(HWND hwnd) {
    HFONT font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    return font;
}

HFONT SetDialogFont(HWND hwnd) {
    return CreateDefaultFont(hwnd);
}

void SetDlgItemTexts(HWND dialog, const UDLGITEMTEXT* table) {
    SetDlgItemTextsFont(dialog, 0, table);
}

void SetDlgItemTextsFont(HWND dialog, HFONT font, const UDLGITEMTEXT* table) {
    for (; table && table->text; ++table) {
        SetDlgItemTextA(dialog, table->id, table->text);
        if (font) SendDlgItemMessageA(dialog, table->id, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    }
}

void EnableChildWindows(HWND hwnd, BOOL flag) {
    EnumChildWindows(hwnd, EnableChildProc, flag);
}

BOOL CALLBACK EnableChildProc(HWND child, LPARAM flag) {
    EnableWindow(child, static_cast<BOOL>(flag));
    EnableChildWindows(child, static_cast<BOOL>(flag));
    return 1;
}

void TrackMouseLeave(HWND hwnd) {
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = 16;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = hwnd;
    tme.dwHoverTime = HOVER_DEFAULT;
    TrackMouseEvent(&tme);
}

void CheckMenu(HMENU menu, UINT id, BOOL flag) {
    CheckMenuItem(menu, id, flag ? MF_CHECKED : MF_UNCHECKED);
}

POINT GetDlgItemScreenPos(HWND hwnd, int id) {
    // A missing item falls back to the window itself rather than measuring no window at all.
    HWND target = id ? GetDlgItem(hwnd, id) : hwnd;
    if (!target) target = hwnd;
    RECT rc = {0, 0, 0, 0};
    GetClientRect(target, &rc);
    POINT pt = {rc.right, 0};
    ClientToScreen(target, &pt);
    return pt;
}

void ShowPopupMenu(HWND hwnd, int id, int menuId, int subMenu) {
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    HMENU menu = LoadMenuA(inst, MAKEINTRESOURCEA(menuId));
    if (!menu) return;
    POINT pt = GetDlgItemScreenPos(hwnd, id);
    if (HMENU sub = GetSubMenu(menu, subMenu)) TrackPopupMenu(sub, 0, pt.x, pt.y, 0, hwnd, 0);
    DestroyMenu(menu);
}

void GetChildRect(HWND parent, HWND child, int* x, int* y, int* width, int* height) {
    RECT prc, crc;
    GetWindowRect(parent, &prc);
    GetWindowRect(child, &crc);
    *x = crc.left - prc.left;
    *y = crc.top - prc.top;
    *width = crc.right - crc.left;
    *height = crc.bottom - crc.top;
}
