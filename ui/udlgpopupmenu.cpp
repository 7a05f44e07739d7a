#include "ui/udlgpopupmenu.h"
#include "ui/udlghelp.h"

UDLGPOPUPMENU::~UDLGPOPUPMENU() {
    DestroyOwnMenu();
}

void UDLGPOPUPMENU::DestroyOwnMenu() {
    if (m_menu) DestroyMenu(m_menu);
    m_menu = 0;
    m_subMenu = 0;
}

bool UDLGPOPUPMENU::Load(HWND owner, int id, int menuResourceId, int subIndex) {
    // A second load replaces the first menu rather than leaking it.
    DestroyOwnMenu();
    m_owner = owner;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    m_menu = LoadMenuA(inst, MAKEINTRESOURCEA(menuResourceId));
    if (!m_menu) return false;
    m_subMenu = GetSubMenu(m_menu, subIndex);
    return m_subMenu != 0;
}

int UDLGPOPUPMENU::Track() {
    if (!m_subMenu) return 0;
    POINT pt = m_id == -1 ? m_pt : GetDlgItemScreenPos(m_owner, m_id);
    TrackPopupMenu(m_subMenu, m_flags, pt.x, pt.y, 0, m_owner, 0);
    return 1;
}

int UDLGPOPUPMENU::Open(HWND owner, int id, int menuResourceId, int subIndex) {
    return Load(owner, id, menuResourceId, subIndex) ? Track() : 0;
}

void UDLGPOPUPMENU::SetPos(POINT pt) {
    m_id = -1;
    m_pt = pt;
}

void UDLGPOPUPMENU::EnableItem(UINT command, BOOL flag) {
    if (m_subMenu) EnableMenuItem(m_subMenu, command, flag ? MF_ENABLED : MF_GRAYED);
}

void UDLGPOPUPMENU::CheckItem(UINT command, BOOL flag) {
    if (m_subMenu) CheckMenuItem(m_subMenu, command, flag ? MF_CHECKED : MF_UNCHECKED);
}

void UDLGPOPUPMENU::SetItemText(UINT command, const char* text) {
    if (m_subMenu) ModifyMenuA(m_subMenu, command, MF_BYCOMMAND | MF_STRING, command, text);
}
