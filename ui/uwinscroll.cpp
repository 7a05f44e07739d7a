#include "ui/uwinscroll.h"

#include <algorithm>

namespace {

SCROLLINFO ReadBar(HWND hwnd, int bar) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(hwnd, bar, &si)) si.nMax = 0;
    return si;
}

// Moves pos by the scroll code and clamps it to 0 .. the bar's maximum (not maximum - page + 1:
// the view clamps its offsets to the picture itself).
void MoveByCode(WPARAM wParam, const SCROLLINFO& si, int* pos) {
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        *pos -= 1;
        break;
    case SB_LINEDOWN:
        *pos += 1;
        break;
    case SB_PAGEUP:
        *pos -= int(si.nPage);
        break;
    case SB_PAGEDOWN:
        *pos += int(si.nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        *pos = HIWORD(wParam);
        break;
    case SB_TOP:
        *pos = 0;
        break;
    case SB_BOTTOM:
        *pos = si.nMax;
        break;
    default:
        break;
    }
}

int ClampAndWrite(HWND hwnd, int bar, const SCROLLINFO& si, int* pos) {
    *pos = std::max(0, std::min(*pos, si.nMax));
    SCROLLINFO out = {};
    out.cbSize = sizeof out;
    out.fMask = SIF_POS;
    out.nPos = *pos;
    return SetScrollInfo(hwnd, bar, &out, TRUE);
}

int ScrollOne(HWND hwnd, UINT msg, WPARAM wParam, int* pos, int bar, UINT barMsg) {
    SCROLLINFO si = ReadBar(hwnd, bar);
    if (msg == barMsg) MoveByCode(wParam, si, pos);
    return ClampAndWrite(hwnd, bar, si, pos);
}

} // namespace

void ScrollWindowPos(HWND hwnd, UINT msg, WPARAM wParam, int* x, int* y) {
    ScrollOne(hwnd, msg, wParam, x, SB_HORZ, WM_HSCROLL);
    ScrollOne(hwnd, msg, wParam, y, SB_VERT, WM_VSCROLL);
}

int ScrollWindowPosH(HWND hwnd, UINT msg, WPARAM wParam, int* x) {
    return ScrollOne(hwnd, msg, wParam, x, SB_HORZ, WM_HSCROLL);
}

int ScrollWindowPosV(HWND hwnd, UINT msg, WPARAM wParam, int* y) {
    return ScrollOne(hwnd, msg, wParam, y, SB_VERT, WM_VSCROLL);
}
