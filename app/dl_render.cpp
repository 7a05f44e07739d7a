#include "app/dl_render.h"

#include <algorithm>
#include <windowsx.h>

#include "app/dlmain.h"
#include "ui/uwinscroll.h"

namespace {

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = max;
    si.nPage = UINT(page);
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, TRUE);
}

} // namespace

int DL_RENDER::Create(DLMAIN* owner, HWND parent, const URECT& rect) {
    m_owner = owner;
    m_mess = &owner->GetMessageWindow();
    m_reserved = 0;
    return UWIN::Create(owner->GetDialogClassName(), "", WS_CHILD | WS_HSCROLL | WS_VSCROLL, rect, parent, 0,
                        owner->GetInstance(), SW_SHOWNORMAL) != 0;
}

bool DL_RENDER::CanDraw() const {
    return m_hwnd && m_owner && m_owner->IsImageLoaded();
}

void DL_RENDER::GetClientSize(int* cw, int* ch) const {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(m_hwnd, &rc);
    *cw = rc.right - rc.left;
    *ch = rc.bottom - rc.top;
}

void DL_RENDER::Draw() {
    if (!CanDraw()) return;
    // Offsets left from an earlier scale or window size are brought back onto the picture first.
    if (!m_owner->GetViewFit()) ClampScroll();
    SetScrollBar();
    int cw, ch;
    GetClientSize(&cw, &ch);
    int iw = m_image.GetWidth();
    int ih = m_image.GetHeight();
    if (iw <= 0 || ih <= 0) return;
    if (m_owner->GetViewFit()) {
        float rx = float(cw) / float(iw);
        float ry = float(ch) / float(ih);
        int dx = 0, dy = 0, dw = cw, dh = ch;
        if (rx < ry) {
            dh = int(ih * rx);
            dy = ch / 2 - dh / 2;
        } else if (rx > ry) {
            dw = int(iw * ry);
            dx = cw / 2 - dw / 2;
        }
        UpdateWindow(m_hwnd);
        m_image.StretchToWindow(m_hwnd, 0, 0, iw, ih, dx, dy, dw, dh);
        return;
    }
    float z = m_owner->GetViewScale();
    int x = m_offsetX, y = m_offsetY;
    int w = int(iw * z), h = int(ih * z);
    if (w < cw) x = cw / 2 - w / 2;
    if (h < ch) y = ch / 2 - h / 2;
    UpdateWindow(m_hwnd);
    m_image.DrawScaled(m_hwnd, x, y, z, z);
}

void DL_RENDER::SetScrollBar() {
    if (!CanDraw()) return;
    if (m_owner->GetViewFit()) {
        SetBar(m_hwnd, SB_HORZ, 0, 1, 0);
        SetBar(m_hwnd, SB_VERT, 0, 1, 0);
    } else {
        UpdateScrollBar();
    }
}

void DL_RENDER::UpdateScrollBar() {
    if (!CanDraw()) return;
    int cw, ch;
    GetClientSize(&cw, &ch);
    float z = m_owner->GetViewScale();
    int maxX = int(m_image.GetWidth() * z - 1);
    int maxY = int(m_image.GetHeight() * z - 1);
    int pageX = std::min(cw, maxX + 1);
    int pageY = std::min(ch, maxY + 1);
    SetBar(m_hwnd, SB_HORZ, maxX, pageX, std::max(-m_offsetX, 0));
    SetBar(m_hwnd, SB_VERT, maxY, pageY, std::max(-m_offsetY, 0));
}

void DL_RENDER::ClampScroll() {
    if (!CanDraw()) return;
    int cw, ch;
    GetClientSize(&cw, &ch);
    float z = m_owner->GetViewScale();
    int w = int(m_image.GetWidth() * z);
    int h = int(m_image.GetHeight() * z);
    if (w > cw)
        m_offsetX = std::max(cw - w, std::min(m_offsetX, 0));
    else
        m_offsetX = (-w) / 2 + cw / 2;
    if (h > ch)
        m_offsetY = std::max(ch - h - 1, std::min(m_offsetY, 0));
    else
        m_offsetY = (-h) / 2 + ch / 2;
}

void DL_RENDER::OnScroll(UINT msg, WPARAM wParam) {
    int x = -m_offsetX;
    int y = -m_offsetY;
    ScrollWindowPos(m_hwnd, msg, wParam, &x, &y);
    m_offsetX = -x;
    m_offsetY = -y;
    // The bar reaches its maximum, not maximum - page + 1: keep the picture filling the view.
    ClampScroll();
}

void DL_RENDER::OnMouseMove(WPARAM wParam) {
    // A button released outside the view sent no message here: the move's own flags tell.
    if (!(wParam & MK_MBUTTON)) m_mouse.MButtonUp();
    if (!(wParam & MK_LBUTTON)) m_mouse.LButtonUp();
    if (!(wParam & MK_RBUTTON)) m_mouse.RButtonUp();
    m_mouse.Move(m_hwnd);
    if (m_mouse.buttons != UMOUSE::MIDDLE) return;
    m_offsetX += m_mouse.dx;
    m_offsetY += m_mouse.dy;
    ClampScroll();
    UpdateScrollBar();
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

LRESULT DL_RENDER::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_mouse.ClearWheel();
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        Draw();
        EndPaint(hwnd, &ps);
        break;
    }
    case WM_CLOSE:
        return 1;
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(msg, wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam);
        break;
    case WM_LBUTTONDOWN:
        m_mouse.LButtonDown();
        break;
    case WM_LBUTTONUP:
        m_mouse.LButtonUp();
        break;
    case WM_RBUTTONDOWN:
        m_mouse.RButtonDown();
        break;
    case WM_RBUTTONUP:
        m_mouse.RButtonUp();
        break;
    case WM_MBUTTONDOWN:
        m_mouse.MButtonDown();
        m_mouse.ResetPos(hwnd);
        // Moves and the release outside the view still come here while the button is held.
        SetCapture(hwnd);
        break;
    case WM_MBUTTONUP:
        m_mouse.MButtonUp();
        if (GetCapture() == hwnd) ReleaseCapture();
        break;
    case WM_MOUSEWHEEL:
        m_mouse.Move(hwnd);
        m_mouse.SetWheel(HIWORD(wParam));
        break;
    default:
        break;
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}
