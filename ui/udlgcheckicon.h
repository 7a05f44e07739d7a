// Icon toggle: a framed swatch that shows an icon while it is on (in two-icon mode another one while it
// is off); a click toggles it and tells the owner with WM_COMMAND and the item's id.
#pragma once
#include "base/rgbcolor.h"
#include "ui/udlgctrl.h"

struct UDLGCHECKICON : UDLGCTRL {
    // Take over static item id; 0, leaving the toggle inert, when the dialog has no such item.
    int Attach(HWND dialog, int id, HICON icon, const RGBCOLOR& colour);
    int Attach2(HWND dialog, int id, HICON onIcon, HICON offIcon);
    // Make a window of their own in dialog; false when it cannot be made.
    bool Create(HWND dialog, int id, const URECT& rect, HICON icon, const RGBCOLOR& colour);
    bool Create2(HWND dialog, int id, const URECT& rect, HICON onIcon, HICON offIcon);
    int AttachItem();
    int CreateItem(const URECT& rect);

    int GetCheck() const { return m_check; }
    void SetCheck(int flag) { m_check = flag; } // shows at the next paint
    void SetMode(int twoIcons) { m_twoIcons = twoIcons; }
    void SetIcon(HICON icon) { m_onIcon = icon; }
    void SetIcon2(HICON icon) { m_offIcon = icon; }

    void Draw();
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Setup(int attached, HWND dialog, int id, HICON onIcon, int twoIcons);

    HICON m_onIcon = 0;
    HICON m_offIcon = 0;
    RGBCOLOR m_colour = RGBCOLOR(224, 224, 224, 255);
    int m_check = 0;
    int m_twoIcons = 0;
};

// The swatch of colour with the icon of the state over it, inset by one pixel; in one-icon mode the off
// state shows the bare swatch.
void DrawCheckIcon(HWND window, HICON onIcon, HICON offIcon, const RGBCOLOR& colour, int twoIcons, int state);
