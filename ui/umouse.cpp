#include "ui/umouse.h"

POINT UMOUSE::GetClientCursor(HWND hwnd) {
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    return pt;
}

void UMOUSE::Move(HWND hwnd) {
    prevX = x;
    prevY = y;
    POINT pt = GetClientCursor(hwnd);
    x = pt.x;
    y = pt.y;
    dx = x - prevX;
    dy = y - prevY;
}

void UMOUSE::ResetPos(HWND hwnd) {
    POINT pt = GetClientCursor(hwnd);
    x = prevX = pt.x;
    y = prevY = pt.y;
    dx = dy = 0;
}

int UMOUSE::UpdateButtons() {
    int changed = prevButtons ^ buttons;
    pressed = changed & buttons;
    released = changed & prevButtons;
    prevButtons = buttons;
    return buttons;
}
