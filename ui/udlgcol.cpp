#include "ui/udlgcol.h"
#include <commdlg.h>
#include <cstring>

namespace {

const RGBCOLOR kWhite(255, 255, 255, 255);

struct CUSTCOLORS {
    COLORREF c[16];
    CUSTCOLORS() {
        for (COLORREF& v : c)
            v = 0xFFFFFFFF;
    }
};

CUSTCOLORS g_custColors;

} // namespace

COLORREF* GetCustColorTable() {
    return g_custColors.c;
}

void SetCustColors(const COLORREF colours[16]) {
    std::memcpy(g_custColors.c, colours, sizeof g_custColors.c);
}

void GetCustColors(COLORREF colours[16]) {
    std::memcpy(colours, g_custColors.c, sizeof g_custColors.c);
}

COLORREF ColorToCOLORREF(const RGBCOLOR& colour) {
    return colour.r | colour.g << 8 | colour.b << 16;
}

RGBCOLOR ColorFromCOLORREF(COLORREF c) {
    return RGBCOLOR(c & 255, c >> 8 & 255, c >> 16 & 255, 255);
}

int ChooseColorDlg(HWND owner, RGBCOLOR& colour) {
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = ColorToCOLORREF(colour);
    cc.lpCustColors = GetCustColorTable();
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&cc)) return 0;
    colour = ColorFromCOLORREF(cc.rgbResult);
    return 1;
}

int UDLGCOL::Attach(HWND dialog, int id, const RGBCOLOR& colour) {
    m_colour = colour;
    if (!TakeItem(dialog, id)) return 0;
    m_pick = 1;
    Subclass(m_hwnd);
    Draw();
    return 1;
}

int UDLGCOL::AttachWhite(HWND dialog, int id) {
    return Attach(dialog, id, kWhite);
}

int UDLGCOL::AttachWindow(HWND hwnd, const RGBCOLOR& colour) {
    m_attached = 1;
    m_owner = 0;
    m_colour = colour;
    m_hwnd = hwnd;
    if (!hwnd) return 0;
    Subclass(hwnd);
    Draw();
    return 1;
}

int UDLGCOL::AttachWindowWhite() {
    return AttachWindow(m_owner, kWhite);
}

void UDLGCOL::SetColor(const RGBCOLOR& colour) {
    m_colour = colour;
    Draw();
    if (m_hwnd) InvalidateRect(m_hwnd, 0, TRUE);
}

void PaintSwatch(HDC dc, const RECT& rc, COLORREF colour, bool enabled) {
    HPEN pen = enabled ? CreatePen(PS_SOLID, 1, 0) : CreatePen(PS_SOLID, 3, 0x808080);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);
    HBRUSH hatch = 0;
    if (!enabled) {
        // The colour stays visible under a black cross-hatch.
        SetBkMode(dc, TRANSPARENT);
        hatch = CreateHatchBrush(HS_DIAGCROSS, 0);
        SelectObject(dc, hatch);
        Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    if (hatch) DeleteObject(hatch);
}

void UDLGCOL::Draw() {
    // Without a window GetDC would hand out the screen.
    if (!m_hwnd) return;
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    HDC dc = GetDC(m_hwnd);
    if (!dc) return;
    PaintSwatch(dc, rc, ColorToCOLORREF(m_colour), IsWindowEnabled(m_hwnd));
    ReleaseDC(m_hwnd, dc);
}

int UDLGCOL::PickColor() {
    return ChooseColorDlg(m_hwnd, m_colour);
}

LRESULT UDLGCOL::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_changed = 0;
    switch (msg) {
    case WM_LBUTTONUP:
        if (!m_pick) break;
        PickColor();
        Draw();
        // The dialog hears of the click even after a cancel; it then stores the unchanged colour.
        m_changed = 1;
        SendMessageA(m_owner, WM_COMMAND, m_id, 0);
        return 0;
    case WM_SETFOCUS:
    case WM_ENABLE:
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        Draw();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        return DetachOnClose(*this, hwnd, msg, wParam, lParam);
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}
