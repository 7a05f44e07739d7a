// Push button that the toolkit creates in a dialog, with the toolkit font; its clicks reach the owner
// as the button's own BN_CLICKED.
#pragma once
#include "ui/udlgctrl.h"

struct UDLGBUTTON : UDLGCTRL {
    // False when the window cannot be made.
    bool Create(HWND owner, int id, const URECT& rect, const char* text);
    int Init();

    void SetText(const char* text);
    // Copies at most size - 1 bytes and a terminating zero, never half a Shift-JIS character; returns
    // the bytes copied.
    int GetText(char* buffer, int size) const;
    // A value kept for the caller.
    void SetData(int value) { m_data = value; }
    int GetData() const { return m_data; }

  private:
    int m_data = 0;
};
