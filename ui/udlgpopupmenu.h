// Popup menu from the module's resources, opened beside a dialog item or at a stored point; the chosen
// command reaches the owner as WM_COMMAND.
#pragma once
#include <windows.h>

struct UDLGPOPUPMENU {
    UDLGPOPUPMENU() = default;
    UDLGPOPUPMENU(const UDLGPOPUPMENU&) = delete;
    UDLGPOPUPMENU& operator=(const UDLGPOPUPMENU&) = delete;
    virtual ~UDLGPOPUPMENU();

    // Loads sub-menu subIndex of menu resource menuResourceId from the owner's module; false when the
    // menu or the sub-menu is missing.
    bool Load(HWND owner, int id, int menuResourceId, int subIndex);
    // Opens the sub-menu at the top-right corner of item id, or at the stored point when id is -1;
    // 0 without a sub-menu.
    int Track();
    int Open(HWND owner, int id, int menuResourceId, int subIndex);
    void SetPos(POINT pt);
    HMENU GetMenu() const { return m_subMenu; }

    // Each does nothing before a menu is loaded.
    void EnableItem(UINT command, BOOL flag);
    void CheckItem(UINT command, BOOL flag);
    void SetItemText(UINT command, const char* text);

  protected:
    HWND m_owner = 0;
    int m_id = -1;
    HMENU m_menu = 0;
    HMENU m_subMenu = 0;
    POINT m_pt = {0, 0};
    UINT m_flags = 0; // TrackPopupMenu's; a derived menu may set its own

  private:
    void DestroyOwnMenu();
};
