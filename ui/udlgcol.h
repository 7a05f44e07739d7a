// Colour swatch: a static dialog item filled with a colour; a click opens the system colour dialog and
// tells the dialog with WM_COMMAND and the item's id.
#pragma once
#include "base/rgbcolor.h"
#include "ui/udlgctrl.h"

struct UDLGCOL : UDLGCTRL {
    // Takes over the static item id; 0, leaving the swatch inert, when the dialog has no such item.
    int Attach(HWND dialog, int id, const RGBCOLOR& colour);
    int AttachWhite(HWND dialog, int id);
    // Takes over a bare window; the pick flag stays as it was.
    int AttachWindow(HWND hwnd, const RGBCOLOR& colour);
    int AttachWindowWhite();

    // Enable (inherited): the swatch ignores WM_ENABLE, so the new state shows at its next paint.
    void SetPickEnable(int flag) { m_pick = flag; }
    RGBCOLOR GetColor() const { return m_colour; }
    void SetColor(const RGBCOLOR& colour);
    // 1 only while the dialog handles the swatch's notification.
    int IsChanged() const { return m_changed; }

    void Draw();
    int PickColor();

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    RGBCOLOR m_colour = RGBCOLOR(0, 0, 0, 0);
    int m_pick = 0;
    int m_changed = 0;
};

// The system colour dialog, opened on colour with the module's custom colours; 1 and the chosen colour
// (alpha 255), or 0 with colour unchanged when the user cancels or the dialog fails.
int ChooseColorDlg(HWND owner, RGBCOLOR& colour);
COLORREF ColorToCOLORREF(const RGBCOLOR& colour);
RGBCOLOR ColorFromCOLORREF(COLORREF c);
// Fills rc with colour inside a black 1-pixel frame; disabled, inside a grey 3-pixel frame under a black
// cross-hatch.
void PaintSwatch(HDC dc, const RECT& rc, COLORREF colour, bool enabled);

// The 16 custom colours every swatch's dialog offers and updates, kept until the module is unloaded.
COLORREF* GetCustColorTable();
void SetCustColors(const COLORREF colours[16]);
void GetCustColors(COLORREF colours[16]);
