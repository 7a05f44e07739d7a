// Check box wrapper over a dialog button.
#pragma once
#include "ui/udlgctrl.h"

struct UDLGCHECK : UDLGCTRL {
    bool Attach(HWND dialog, int id);
    void SetCheck(UINT state);
    UINT GetCheck() const;
};
