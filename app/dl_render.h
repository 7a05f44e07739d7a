// The render view: the last rendered picture, fitted into the window or shown at the view scale with
// scroll bars and panning by the middle button.
#pragma once

#include "base/ubmpdat.h"
#include "ui/umouse.h"
#include "ui/uwin.h"

class DLMAIN;
class EDITDLGMESS;

class DL_RENDER : public UWIN {
  public:
    DL_RENDER() = default;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // A child of parent with the owner's dialog class, subclassed to this object; non-zero when made.
    int Create(DLMAIN* owner, HWND parent, const URECT& rect);
    void Draw();
    void SetScrollBar();
    void UpdateScrollBar();
    void ClampScroll();
    void OnScroll(UINT msg, WPARAM wParam);

    UBMPDAT& GetImage() { return m_image; }
    int GetOffsetX() const { return m_offsetX; }
    int GetOffsetY() const { return m_offsetY; }

  private:
    // The picture is there to be drawn: the window exists and the owner has loaded an image.
    bool CanDraw() const;
    void OnMouseMove(WPARAM wParam);
    void GetClientSize(int* cw, int* ch) const;

    UMOUSE m_mouse;
    DLMAIN* m_owner = nullptr;
    // The owner's message window and a word, both set by Create; the view uses neither.
    EDITDLGMESS* m_mess = nullptr;
    int m_reserved = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    UBMPDAT m_image;
};
