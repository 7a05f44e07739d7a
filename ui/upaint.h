// WM_PAINT for windows whose drawing covers their whole client area.
#pragma once
#include <windows.h>

// Validates the update region around draw; the result of the handled message.
template <class Draw> LRESULT PaintWhole(HWND hwnd, Draw draw) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    draw();
    EndPaint(hwnd, &ps);
    return 0;
}
