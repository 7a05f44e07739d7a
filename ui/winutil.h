// Small window utilities beside the dialogs: sizes, a tab control's display area, showing children.
#pragma once
#include "ui/uwin.h"

URECT GetWindowSize(HWND hwnd); // the window rectangle as position and size
// The tab control's client rectangle less its tabs and border, as left, top, right, bottom.
RECT GetTabDisplayRect(HWND tabHwnd);
// Shows or hides every direct child of parent whose control id is not among the count ids.
void ShowChildWindows(HWND parent, int showCmd, const int* ids, int count);
