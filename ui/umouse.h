// Mouse state that a window handler keeps: cursor, movement, held buttons and the wheel.
#pragma once
#include <windows.h>

struct UMOUSE {
    enum { LEFT = 1, RIGHT = 2, MIDDLE = 4 };

    int x, y;
    int buttons;
    int pressed;
    int released = 0;
    int prevButtons;
    int prevX, prevY;
    int dx, dy;
    int wheel = 0;

    UMOUSE() { Clear(); }

    // Leaves released and wheel alone: only UpdateButtons and the wheel calls write them.
    void Clear() { x = y = prevX = prevY = dx = dy = buttons = pressed = prevButtons = 0; }
    UMOUSE& Reset() {
        Clear();
        return *this;
    }

    static POINT GetClientCursor(HWND hwnd);
    void Move(HWND hwnd);
    void ResetPos(HWND hwnd);

    void SetWheel(WORD delta) { wheel = static_cast<short>(delta); }
    void ClearWheel() { wheel = 0; }

    void LButtonDown() { buttons |= LEFT; }
    void RButtonDown() { buttons |= RIGHT; }
    void MButtonDown() { buttons |= MIDDLE; }
    void LButtonUp() { buttons &= ~LEFT; }
    void RButtonUp() { buttons &= ~RIGHT; }
    void MButtonUp() { buttons &= ~MIDDLE; }
    int UpdateButtons();
};
