#include "ui/udlgtext.h"

int UDLGTEXT::Attach(HWND dialog, int id) {
    m_changed = m_selectPending = m_textSet = 0;
    if (!TakeItem(dialog, id)) return 0;
    Subclass(m_hwnd);
    return 1;
}

int UDLGTEXT::Create(HWND parent, int id, const URECT& rect, int isStatic, DWORD style) {
    m_attached = 0;
    m_owner = parent;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    style |= WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    HWND hwnd = isStatic ? CreateEx(WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY, "static", "test", style, rect,
                                    parent, menuId, inst, SW_SHOWNORMAL)
                         : CreateEx(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, "edit", "", style, rect, parent,
                                    menuId, inst, SW_SHOWNORMAL);
    if (!hwnd) return 0;
    SetDefaultFont();
    return 1;
}

void UDLGTEXT::Printf(const char* format, ...) {
    char text[1024];
    if (format) {
        va_list args;
        va_start(args, format);
        FormatLine(text, sizeof text, false, format, args);
        va_end(args);
        m_textSet = 1;
    } else {
        text[0] = 0;
    }
    if (m_attached)
        SetDlgItemTextA(m_owner, m_id, text);
    else if (m_hwnd)
        SetWindowTextA(m_hwnd, text);
}

int UDLGTEXT::GetText(char* buffer, int size) const {
    return GetDlgItemTextA(m_owner, m_id, buffer, size);
}

int UDLGTEXT::GetChanged() {
    if (!m_textSet || !m_changed) return 0;
    m_changed = 0;
    return 1;
}

void UDLGTEXT::Commit() {
    m_changed = 1;
    SendMessageA(m_owner, WM_COMMAND, m_id, 0);
}

LRESULT UDLGTEXT::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFOCUS:
        // The click that brings the focus leaves the whole text selected; later clicks place the caret.
        if (!m_selectPending) {
            m_selectPending = 1;
            SendMessageA(hwnd, EM_SETSEL, 0, -1);
        }
        break;
    case WM_LBUTTONUP:
        if (m_selectPending) {
            m_selectPending = 0;
            SendMessageA(hwnd, EM_SETSEL, 0, -1);
        }
        break;
    case WM_LBUTTONDOWN:
        SetActiveWindow(hwnd);
        SetFocus(hwnd);
        break;
    case WM_KILLFOCUS: {
        m_selectPending = 0;
        Commit();
        HWND next = reinterpret_cast<HWND>(wParam);
        SetFocus(next);
        SetActiveWindow(next);
        break;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN) {
            Commit();
            return 0;
        }
        break;
    case WM_CLOSE:
        m_selectPending = 0;
        return UDLGCTRL::WndProc(hwnd, msg, wParam, lParam);
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}
