// Trackbar wrapper; the trackbar itself tells its owner of a move with WM_HSCROLL or WM_VSCROLL.
#pragma once
#include "ui/udlgctrl.h"

struct UDLGSLIDER : UDLGCTRL {
    // False, leaving the wrapper inert, when the dialog has no item id.
    bool Attach(HWND dialog, int id) { return TakeItem(dialog, id); }
    // A range of 16-bit ends, with a tick every 10.
    void SetRange(int min, int max);
    void SetPos(int pos);
    int GetPos() const;
};
