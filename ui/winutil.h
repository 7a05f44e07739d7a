// Small window utilities beside the dialogs: sizes, keeping a window reachable, a tab control's display
// area, showing children.
#pragma once
#include "ui/uwin.h"

URECT GetWindowSize(HWND hwnd); // the window rectangle as position and size
// r of the same size, moved only as far as its title bar needs to be grabbed on the virtual screen.
URECT KeepTitleBarOnScreen(const URECT& r);
// The tab control's client rectangle less its tabs and border, as left, top, right, bottom.
RECT GetTabDisplayRect(HWND tabHwnd);
// Shows or hides every direct child of parent whose control id is not among the count ids.
void ShowChildWindows(HWND parent, int showCmd, const int* ids, int count);
