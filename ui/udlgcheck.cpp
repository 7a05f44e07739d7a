#include "ui/udlgcheck.h"

bool UDLGCHECK::Attach(HWND dialog, int id) {
    return TakeItem(dialog, id);
}

void UDLGCHECK::SetCheck(UINT state) {
    if (m_hwnd) CheckDlgButton(m_owner, m_id, state);
}

UINT UDLGCHECK::GetCheck() const {
    return m_hwnd ? IsDlgButtonChecked(m_owner, m_id) : 0;
}
