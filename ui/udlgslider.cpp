#include "ui/udlgslider.h"
#include <commctrl.h>

void UDLGSLIDER::SetRange(int min, int max) {
    if (!m_hwnd) return;
    SendMessageA(m_hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(min, max));
    SendMessageA(m_hwnd, TBM_SETTICFREQ, 10, 0);
}

void UDLGSLIDER::SetPos(int pos) {
    if (m_hwnd) SendMessageA(m_hwnd, TBM_SETPOS, TRUE, pos);
}

int UDLGSLIDER::GetPos() const {
    return m_hwnd ? static_cast<int>(SendMessageA(m_hwnd, TBM_GETPOS, 0, 0)) : 0;
}
