// Tree-view wrapper that keeps an item count; it inserts no items, so the tree only ever empties.
#pragma once
#include "ui/udlgctrl.h"

struct UDLGTREE : UDLGCTRL {
    // Takes over dialog item id and empties it; false, leaving the wrapper inert, when it is missing.
    bool Attach(HWND dialog, int id);
    void Clear();
    // Counts the text without inserting an item.
    int AddString(const char* text);
    int AddStrings(const char* const* texts, int n);
    void SetStrings(const char* const* texts, int n);
    void SetSelect(int) {}
    int GetSelect() const { return 0; }
    int GetCount() const { return m_count; }

  private:
    int m_count = 0;
};
