#include "ui/udlgscroll.h"

LRESULT UDLGSCROLL::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN && m_focusOnClick && m_focusWindow) SetFocus(m_focusWindow);
    return UDLGCTRL::WndProc(hwnd, msg, wParam, lParam);
}

int UDLGSCROLL::Attach(HWND dialog, int id, int barKind) {
    m_barKind = barKind;
    if (!TakeItem(dialog, id)) return 0;
    m_focusWindow = GetParent(m_hwnd);
    Subclass(m_hwnd);
    return 1;
}

int UDLGSCROLL::AttachWindow(HWND hwnd, int barKind) {
    m_attached = 1;
    m_owner = 0;
    m_id = -1;
    m_barKind = barKind;
    m_hwnd = hwnd;
    if (!hwnd) return 0;
    m_focusWindow = GetParent(hwnd);
    Subclass(hwnd);
    return 1;
}

int UDLGSCROLL::CreateAlong(HWND parent, int barKind, int thickness, int side, bool horizontal) {
    m_side = side;
    m_horizontal = horizontal;
    m_thickness = thickness;
    RECT rc = {0, 0, 0, 0};
    GetClientRect(parent, &rc);
    if (horizontal)
        return CreateBar(parent, barKind, 0, side ? 0 : rc.bottom - thickness, rc.right, thickness, SBS_HORZ);
    return CreateBar(parent, barKind, side ? 0 : rc.right - thickness, 0, thickness, rc.bottom, SBS_VERT);
}

int UDLGSCROLL::CreateVert(HWND parent, int barKind, int thickness, int side) {
    return CreateAlong(parent, barKind, thickness, side, false);
}

int UDLGSCROLL::CreateHorz(HWND parent, int barKind, int thickness, int side) {
    return CreateAlong(parent, barKind, thickness, side, true);
}

int UDLGSCROLL::CreateBar(HWND parent, int barKind, int x, int y, int width, int height, DWORD style) {
    m_attached = 0;
    m_id = -1;
    m_owner = parent;
    m_barKind = barKind;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (!Create("SCROLLBAR", 0, style | WS_CHILD | WS_VISIBLE, URECT{x, y, width, height}, parent, 0, inst,
                SW_SHOWNORMAL))
        return 0;
    m_focusWindow = GetParent(m_hwnd);
    return 1;
}

void UDLGSCROLL::SetRect(const URECT& rect) {
    URECT r;
    if (m_horizontal) {
        r = URECT{rect.x, m_side ? rect.y : rect.y + rect.height - m_thickness, rect.width, m_thickness};
    } else {
        r = URECT{m_side ? rect.x : rect.x + rect.width - m_thickness, rect.y, m_thickness, rect.height};
    }
    UWIN::SetRect(r);
    Move(r, TRUE);
}

void UDLGSCROLL::Relayout() {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(m_owner, &rc);
    SetRect(URECT{0, 0, rc.right, rc.bottom});
}

void UDLGSCROLL::SetRange(int min, int max) {
    m_min = min;
    m_max = max;
    SetScrollRange(m_hwnd, m_barKind, min, max, TRUE);
}

void UDLGSCROLL::GetRange(int* min, int* max) const {
    *min = m_min;
    *max = m_max;
}

void UDLGSCROLL::SetPage(int page) {
    m_page = page;
    SCROLLINFO si = {};
    si.cbSize = 28;
    si.fMask = SIF_PAGE;
    si.nPage = page;
    SetScrollInfo(m_hwnd, m_barKind, &si, TRUE);
}

void UDLGSCROLL::SetPos(int pos) {
    m_pos = pos;
    SetScrollPos(m_hwnd, m_barKind, pos, TRUE);
}

int UDLGSCROLL::GetPos() {
    m_pos = GetScrollPos(m_hwnd, m_barKind);
    return m_pos;
}

int UDLGSCROLL::GetChanged() {
    int changed = m_changed;
    m_changed = 0;
    return changed;
}

int UDLGSCROLL::Top() const {
    return m_max - m_page < m_min ? m_min : m_max - m_page;
}

int UDLGSCROLL::MoveTo(int pos) {
    int top = Top();
    if (pos < m_min) pos = m_min;
    if (pos > top) pos = top;
    if (pos == m_pos) return 0;
    SetPos(pos);
    m_changed = 1;
    return 1;
}

int UDLGSCROLL::OnScroll(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_hwnd) return 0; // no bar: nothing to move
    if (msg == WM_MOUSEWHEEL) return OnMouseWheel(msg, wParam, lParam);
    if (m_id != -1 && reinterpret_cast<HWND>(lParam) != m_hwnd) return 0; // another bar's message
    if (m_page >= m_max || (m_barKind == SB_HORZ && msg != WM_HSCROLL) ||
        (m_barKind == SB_VERT && msg != WM_VSCROLL))
        return 0;
    int pos = m_pos;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        pos -= 1;
        break;
    case SB_LINEDOWN:
        pos += 1;
        break;
    case SB_PAGEUP:
        pos -= m_page;
        break;
    case SB_PAGEDOWN:
        pos += m_page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        pos = HIWORD(wParam);
        break;
    case SB_TOP:
        pos = m_min;
        break;
    case SB_BOTTOM:
        pos = Top();
        break;
    default:
        break;
    }
    return MoveTo(pos);
}

int UDLGSCROLL::OnMouseWheel(UINT msg, WPARAM wParam, LPARAM) {
    if (!m_hwnd || msg != WM_MOUSEWHEEL || m_page >= m_max) return 0;
    switch (HIWORD(wParam)) {
    case 120:
        return MoveTo(m_pos - m_wheelStep);
    case 0xFF88:
        return MoveTo(m_pos + m_wheelStep);
    default:
        return 0;
    }
}
