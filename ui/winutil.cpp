#include "ui/winutil.h"
#include <algorithm>
#include <commctrl.h>

namespace {

// Enough of a window's top edge to grab it: this many pixels across, and this many below it. The
// arithmetic is in 64 bits, so that no place or size, however far off the screen, overflows it.
const long long kGrabWidth = 160;
const long long kGrabHeight = 32;

// v held within lo .. hi; lo wins should the screen be smaller than the grab.
long long Within(long long v, long long lo, long long hi) {
    return std::max(lo, std::min(hi, v));
}

} // namespace

URECT GetWindowSize(HWND hwnd) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rc);
    return URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

URECT KeepTitleBarOnScreen(const URECT& r) {
    const long long vx = GetSystemMetrics(SM_XVIRTUALSCREEN), vy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const long long vw = GetSystemMetrics(SM_CXVIRTUALSCREEN), vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // Rule: the top edge on the screen, with kGrabWidth of it (or all) across and kGrabHeight below.
    const long long w = std::max(0, r.width), across = std::min(kGrabWidth, w);
    const long long below = std::min(kGrabHeight, static_cast<long long>(std::max(0, r.height)));
    return URECT{static_cast<int>(Within(r.x, vx + across - w, vx + vw - across)),
                 static_cast<int>(Within(r.y, vy, vy + vh - below)), r.width, r.height};
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
