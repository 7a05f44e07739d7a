#include "ui/udlgtree.h"
#include <commctrl.h>

bool UDLGTREE::Attach(HWND dialog, int id) {
    bool found = TakeItem(dialog, id);
    Clear();
    return found;
}

void UDLGTREE::Clear() {
    if (m_hwnd) SendMessageA(m_hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    m_count = 0;
}

int UDLGTREE::AddString(const char*) {
    return m_count++;
}

int UDLGTREE::AddStrings(const char* const* texts, int n) {
    for (int i = 0; i < n; ++i)
        AddString(texts[i]);
    return n;
}

void UDLGTREE::SetStrings(const char* const* texts, int n) {
    Clear();
    AddStrings(texts, n);
    SetSelect(0);
}
