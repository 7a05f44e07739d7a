#include "ui/udlgradio.h"

LRESULT UDLGRADIO::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return DetachOnClose(*this, hwnd, msg, wParam, lParam);
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

void UDLGRADIO::Attach(HWND dialog) {
    m_attached = 1;
    m_owner = dialog;
    m_hwnd = 0;
    Clear();
}

int UDLGRADIO::AttachIds(HWND dialog, const UINT* ids, int n) {
    Attach(dialog);
    AddIds(ids, n);
    SetSelect(0);
    for (int i = 0; i < GetCount(); ++i)
        if (!dialog || !GetDlgItem(dialog, *m_ids[i])) return 0;
    return 1;
}

void UDLGRADIO::Clear() {
    m_lowest = 0xFFFFFFFF;
    m_highest = 0;
    m_ids.DeleteAll();
}

void UDLGRADIO::AddId(UINT id) {
    if (!m_ids.AddValue(id)) return;
    if (id < m_lowest) m_lowest = id;
    if (id > m_highest) m_highest = id;
}

void UDLGRADIO::AddIds(const UINT* ids, int n) {
    if (!ids) return;
    if (n == 0)
        for (; *ids; ++ids)
            AddId(*ids);
    for (int i = 0; i < n; ++i)
        AddId(ids[i]);
}

void UDLGRADIO::SetSelect(int i) {
    if (m_ids.Get(i)) CheckRadioButton(m_owner, m_lowest, m_highest, *m_ids[i]);
}

int UDLGRADIO::GetSelect() const {
    for (int i = 0; i < GetCount(); ++i)
        if (IsDlgButtonChecked(m_owner, *m_ids[i]) == BST_CHECKED) return i;
    return 0;
}

void UDLGRADIO::Enable(BOOL flag) {
    for (int i = 0; i < GetCount(); ++i)
        if (HWND button = GetDlgItem(m_owner, *m_ids[i])) EnableWindow(button, flag);
}
