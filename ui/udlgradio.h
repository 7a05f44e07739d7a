// A group of radio buttons of one dialog, addressed by their place in the group.
#pragma once
#include "base/ptrlist.h"
#include "ui/uwin.h"

struct UDLGRADIO : UWIN {
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void Attach(HWND dialog);
    // The group of the n ids (up to the first 0 when n is 0), with the first one on; 0 when the dialog
    // lacks one of the buttons.
    int AttachIds(HWND dialog, const UINT* ids, int n);
    void Clear();
    void AddId(UINT id);
    void AddIds(const UINT* ids, int n);
    int GetCount() const { return m_ids.GetCount(); }

    // Turns button i on and every other button whose id lies between the group's lowest and highest off.
    void SetSelect(int i);
    // The place of the first button that is on; 0 when none is.
    int GetSelect() const;
    void Enable(BOOL flag);

  private:
    HWND m_owner = 0;
    int m_attached = 1;
    UINT m_lowest = 0xFFFFFFFF;
    UINT m_highest = 0;
    PTRLIST<UINT> m_ids;
};
