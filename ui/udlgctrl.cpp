#include "ui/udlgctrl.h"

LRESULT UDLGCTRL::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return DetachOnClose(*this, hwnd, msg, wParam, lParam);
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

void UDLGCTRL::Enable(BOOL flag) {
    if (m_hwnd) EnableWindow(m_hwnd, flag);
}

bool UDLGCTRL::TakeItem(HWND dialog, int id) {
    m_attached = 1;
    m_owner = dialog;
    m_id = id;
    m_hwnd = dialog ? GetDlgItem(dialog, id) : 0;
    return m_hwnd != 0;
}
