// Common part of the dialog control wrappers: the owning dialog, the item id and how the control was bound.
#pragma once
#include "ui/uwin.h"

struct UDLGCTRL : UWIN {
    // Detaches on WM_CLOSE and passes every message on.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void Enable(BOOL flag);
    HWND GetOwner() const { return m_owner; }
    int GetId() const { return m_id; }
    int IsAttached() const { return m_attached; }

  protected:
    // Takes over dialog item id; false, leaving the wrapper without a window, when the item is missing.
    bool TakeItem(HWND dialog, int id);

    HWND m_owner = 0;
    int m_id = -1;
    int m_attached = 1;
};
