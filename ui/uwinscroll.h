// A window's own scroll bars moved in answer to WM_HSCROLL and WM_VSCROLL, with the caller's offsets
// kept in step.
#pragma once
#include <windows.h>

// Both bars: WM_HSCROLL moves x, WM_VSCROLL moves y; both are clamped to 0 .. the bar's maximum and
// written back to the bars.
void ScrollWindowPos(HWND hwnd, UINT msg, WPARAM wParam, int* x, int* y);
// One bar each; the result is that of its SetScrollInfo.
int ScrollWindowPosH(HWND hwnd, UINT msg, WPARAM wParam, int* x);
int ScrollWindowPosV(HWND hwnd, UINT msg, WPARAM wParam, int* y);
