#include "ui/winutil.h"
#include <commctrl.h>

URECT GetWindowSize(HWND hwnd) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rc);
    return URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

RECT GetTabDisplayRect(HWND tabHwnd) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(tabHwnd, &rc);
    SendMessageA(tabHwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    return rc;
}

void ShowChildWindows(HWND parent, int showCmd, const int* ids, int count) {
    for (HWND child = GetWindow(parent, GW_CHILD); child && GetParent(child) == parent;
         child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        bool kept = false;
        for (int i = 0; i < count && !kept; ++i)
            kept = ids[i] == id;
        if (!kept) ShowWindow(child, showCmd);
    }
}
