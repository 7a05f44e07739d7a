// Scroll bar wrapper: keeps range, page and position, and turns scroll and wheel messages into a clamped
// position with a changed flag.
#pragma once
#include "ui/udlgctrl.h"

struct UDLGSCROLL : UDLGCTRL {
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int Attach(HWND dialog, int id, int barKind);
    int AttachWindow(HWND hwnd, int barKind);
    int CreateVert(HWND parent, int barKind, int thickness, int side);
    int CreateHorz(HWND parent, int barKind, int thickness, int side);
    int CreateBar(HWND parent, int barKind, int x, int y, int width, int height, DWORD style);
    int CreateItem(HWND parent, int barKind, int x, int y, int width, int height, DWORD style) {
        return CreateBar(parent, barKind, x, y, width, height, style);
    }

    void SetRect(const URECT& rect);
    void Relayout();

    void SetRange(int min, int max);
    void GetRange(int* min, int* max) const;
    void SetPage(int page);
    int GetPage() const { return m_page; }
    void SetPos(int pos);
    int GetPos();
    int GetPosCached() const { return m_pos; }

    int IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = 0; }
    int GetChanged();

    void SetWheelStep(int n) { m_wheelStep = n; }
    int GetWheelStep() const { return m_wheelStep; }
    void SetFocusOnClick(int flag) { m_focusOnClick = flag; }
    int GetFocusOnClick() const { return m_focusOnClick; }
    void SetFocusWindow(HWND hwnd) { m_focusWindow = hwnd; }
    HWND GetFocusWindow() const { return m_focusWindow; }

    int OnScroll(UINT msg, WPARAM wParam, LPARAM lParam);
    int OnMouseWheel(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    // A bar along one edge of the parent's client area.
    int CreateAlong(HWND parent, int barKind, int thickness, int side, bool horizontal);
    int Top() const;
    int MoveTo(int pos);

    int m_pos = 0, m_min = 0, m_max = 100, m_page = 1;
    int m_barKind = SB_CTL;
    int m_side = 0;
    int m_horizontal = 0;
    int m_thickness = 0;
    int m_changed = 0;
    int m_wheelStep = 1;
    int m_focusOnClick = 1;
    HWND m_focusWindow = 0;
};
