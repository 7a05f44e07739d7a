#include "app/dlmain.h"

#include "app/dlp_rendpyrell.h"

#include "res/resource.h"
#include "ui/winutil.h"

namespace {

// Constants of the layout: the pane's width, the gap beside and above the message window, and the
// message window's height.
const int kPaneWidth = 256;
const int kGap = 8;
const int kMessHeight = 96;

void MoveChild(HWND hwnd, const URECT& r) {
    if (hwnd) MoveWindow(hwnd, r.x, r.y, r.width, r.height, TRUE);
}

} // namespace

void DLMAIN::Layout(URECT* view, URECT* pane, URECT* mess) {
    RECT wr = {0, 0, 0, 0};
    GetWindowRect(m_hwnd, &wr);
    m_winRect = URECT{wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top};
    int W = m_winRect.width - (GetSystemMetrics(SM_CXFRAME) + 2 * GetSystemMetrics(SM_CXBORDER)) - 2;
    int H = m_winRect.height - (GetSystemMetrics(SM_CYFRAME) + 2 * GetSystemMetrics(SM_CYBORDER) +
                                GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    const int right = kPaneWidth + kGap;
    *pane = URECT{0, 0, kPaneWidth, H - kGap};
    const int messTop = H - kMessHeight - kGap;
    if (showprop_flg) {
        *mess = URECT{right, messTop, W - right, kMessHeight};
        *view = URECT{right, 0, W - right, showmess_flg ? messTop - 2 * kGap : H - kGap};
    } else {
        *mess = URECT{0, messTop, W, kMessHeight};
        *view = showmess_flg ? URECT{0, 0, W, messTop - 2 * kGap} : URECT{0, 0, W, H};
    }
}

void DLMAIN::DoLayout() {
    URECT view, pane, mess;
    Layout(&view, &pane, &mess);
    if (m_pane && m_pane->IsCreated()) m_pane->Move(pane, TRUE);
    MoveChild(m_view.GetHwnd(), view);
    MoveChild(m_mess.GetHwnd(), mess);
    if (m_view.GetHwnd()) {
        RECT c = {0, 0, 0, 0};
        GetClientRect(m_view.GetHwnd(), &c);
        m_viewClient = URECT{c.left, c.top, c.right - c.left, c.bottom - c.top};
    }
}

void DLMAIN::Relayout() {
    DoLayout();
    if (m_pane && m_pane->IsCreated()) m_pane->Resize();
}

void DLMAIN::ApplyShowFlags() {
    CheckMenuItem(m_menu, ID_WINDOW_MESSAGE, showmess_flg ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(m_menu, ID_WINDOW_PROPERTY, showprop_flg ? MF_CHECKED : MF_UNCHECKED);
    bool visible = IsWindowVisible(m_hwnd);
    if (visible) ShowWindow(m_hwnd, SW_HIDE);
    SetMenu(m_hwnd, m_menu);
    if (m_pane && m_pane->IsCreated()) m_pane->Show(showprop_flg ? SW_SHOWNORMAL : SW_HIDE);
    m_mess.SetShowCmd(showmess_flg ? SW_SHOWNORMAL : SW_HIDE);
    if (m_mess.GetHwnd()) ShowWindow(m_mess.GetHwnd(), m_mess.GetShowCmd());
    // One pixel taller: the resize makes every child follow the new flags.
    RECT r;
    GetWindowRect(m_hwnd, &r);
    MoveWindow(m_hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top + 1, TRUE);
    if (visible) ShowWindow(m_hwnd, SW_SHOWNORMAL);
}

void DLMAIN::RestoreWindowRect() {
    MoveWindow(m_hwnd, m_winRect.x, m_winRect.y, m_winRect.width, m_winRect.height, FALSE);
    // Windows holds the size between the window's tracking limits and the place within its coordinate
    // range, so whether the title bar can be grabbed is judged by the rectangle the window really got.
    const URECT given = GetWindowSize(m_hwnd);
    const URECT kept = KeepTitleBarOnScreen(given);
    if (kept.x != given.x || kept.y != given.y)
        SetWindowPos(m_hwnd, nullptr, kept.x, kept.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}
