// Drawing an image into windows and device contexts through GDI.
#include "base/ubmpdat.h"

void UBMPDAT::DrawToWindow(HWND window) const {
    RECT rc;
    if (!GetClientRect(window, &rc)) return;
    StretchToWindow(window, 0, 0, width, height, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
}

void UBMPDAT::DrawScaled(HWND window, int x, int y, float sx, float sy) const {
    StretchToWindow(window, 0, 0, width, height, x, y, int(width * sx), int(height * sy));
}

void UBMPDAT::StretchToWindow(HWND window, int sx, int sy, int sw, int sh, int dx, int dy, int dw,
                              int dh) const {
    if (!bits) return;
    HDC dc = GetDC(window);
    if (!dc) return;
    if (info.header.biHeight < 0) {
        // A top-down image goes through GDI with its rectangles turned upside down.
        StretchDIBits(dc, dx, dy + dh - 1, dw, -dh, sx, height - sy + 1, sw, -sh, bits, GetInfo(),
                      DIB_RGB_COLORS, SRCCOPY);
    } else {
        StretchDIBits(dc, dx, dy, dw, dh, sx, sy, sw, sh, bits, GetInfo(), DIB_RGB_COLORS, SRCCOPY);
    }
    ReleaseDC(window, dc);
}

void UBMPDAT::DrawAt(HDC dc, int x, int y) const {
    if (!bits || !dc) return;
    StretchDIBits(dc, x, y, width, height, 0, 0, width, height, bits, GetInfo(), DIB_RGB_COLORS, SRCCOPY);
}

HBITMAP UBMPDAT::CreateDDB(HDC dc) const {
    if (!bits || !dc) return nullptr;
    return CreateDIBitmap(dc, &info.header, CBM_INIT, bits, GetInfo(), DIB_RGB_COLORS);
}
