#include "ui/udlgcheckicon.h"
#include "ui/udlgcol.h"
#include "ui/upaint.h"

void UDLGCHECKICON::Setup(int attached, HWND dialog, int id, HICON onIcon, int twoIcons) {
    m_attached = attached;
    m_owner = dialog;
    m_id = id;
    m_onIcon = onIcon;
    m_twoIcons = twoIcons;
}

int UDLGCHECKICON::Attach(HWND dialog, int id, HICON icon, const RGBCOLOR& colour) {
    Setup(1, dialog, id, icon, 0);
    m_colour = colour;
    return AttachItem();
}

int UDLGCHECKICON::Attach2(HWND dialog, int id, HICON onIcon, HICON offIcon) {
    Setup(1, dialog, id, onIcon, 1);
    m_offIcon = offIcon;
    return AttachItem();
}

bool UDLGCHECKICON::Create(HWND dialog, int id, const URECT& rect, HICON icon, const RGBCOLOR& colour) {
    Setup(0, dialog, id, icon, 0);
    m_colour = colour;
    return CreateItem(rect);
}

bool UDLGCHECKICON::Create2(HWND dialog, int id, const URECT& rect, HICON onIcon, HICON offIcon) {
    Setup(0, dialog, id, onIcon, 1);
    m_offIcon = offIcon;
    return CreateItem(rect);
}

int UDLGCHECKICON::AttachItem() {
    m_hwnd = m_owner ? GetDlgItem(m_owner, m_id) : 0;
    if (!m_hwnd) return 0;
    Subclass(m_hwnd);
    Draw();
    return 1;
}

int UDLGCHECKICON::CreateItem(const URECT& rect) {
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_owner, GWLP_HINSTANCE));
    if (!UWIN::Create("static", "", 0x50010107, rect, m_owner, 0, inst, SW_SHOWNORMAL)) return 0;
    Draw();
    return 1;
}

void UDLGCHECKICON::Draw() {
    DrawCheckIcon(m_hwnd, m_onIcon, m_offIcon, m_colour, m_twoIcons, m_check);
}

LRESULT UDLGCHECKICON::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        return PaintWhole(hwnd, [this] { Draw(); });
    case WM_CLOSE:
        if (m_attached) return DetachOnClose(*this, hwnd, msg, wParam, lParam);
        // Nothing is left to pass the message to once the window is gone.
        DestroyWindow(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        m_check = !m_check;
        Draw();
        if (m_owner) SendMessageA(m_owner, WM_COMMAND, m_id, 0);
        break;
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

void DrawCheckIcon(HWND window, HICON onIcon, HICON offIcon, const RGBCOLOR& colour, int twoIcons,
                   int state) {
    // Without a window GetDC would hand out the screen.
    RECT rc;
    if (!window || !GetClientRect(window, &rc)) return;
    HDC dc = GetDC(window);
    if (!dc) return;
    PaintSwatch(dc, rc, ColorToCOLORREF(colour), IsWindowEnabled(window));
    HICON icon = state ? onIcon : twoIcons ? offIcon : 0;
    if (icon) DrawIconEx(dc, 1, 1, icon, rc.right - 2, rc.bottom - 2, 0, 0, DI_NORMAL);
    ReleaseDC(window, dc);
}
