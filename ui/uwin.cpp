#include "ui/uwin.h"

#include <cstdio>

#include "base/callguard.h"
#include "ui/winutil.h"

namespace {

UWIN* BoundObject(HWND hwnd) {
    return reinterpret_cast<UWIN*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Runs the object's handler; false, with a trace line, when it threw, because no C++ exception may
// unwind through the system into the host.
bool Handle(UWIN* obj, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    char where[32];
    std::snprintf(where, sizeof where, "UWIN:msg(0x%04X)", msg);
    return CallGuarded(where, false, [&] {
        *result = obj->WndProc(hwnd, msg, wParam, lParam);
        return true;
    });
}

bool IsSharedProc(WNDPROC proc) {
    return proc == UWIN::WindowProc || proc == reinterpret_cast<WNDPROC>(UWIN::DialogProc);
}

} // namespace

UWIN::~UWIN() {
    // Hand a still living window back to its previous procedure, unless someone subclassed it after us,
    // and make sure no later message can reach this object.
    if (m_hwnd && IsWindow(m_hwnd) && BoundObject(m_hwnd) == this) {
        WNDPROC cur = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hwnd, GWLP_WNDPROC));
        if (m_prevProc && IsSharedProc(cur))
            SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_prevProc));
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    }
    DeleteFont();
}

HWND UWIN::CreateWith(bool subclass, DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style,
                      const URECT& rect, HWND parent, HMENU menuOrId, HINSTANCE hInstance, int showCmd) {
    m_kind = KIND_WINDOW;
    m_hinst = hInstance;
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, rect.x, rect.y, rect.width, rect.height,
                                parent, menuOrId, hInstance, this);
    if (!hwnd) return 0;
    m_hwnd = hwnd;
    if (subclass) Subclass(hwnd);
    m_rect = rect;
    m_showCmd = showCmd;
    ShowWindow(hwnd, showCmd);
    return hwnd;
}

HWND UWIN::Create(LPCSTR className, LPCSTR title, DWORD style, const URECT& rect, HWND parent, HMENU menuOrId,
                  HINSTANCE hInstance, int showCmd) {
    return CreateWith(true, 0, className, title, style, rect, parent, menuOrId, hInstance, showCmd);
}

HWND UWIN::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const URECT& rect,
                    HWND parent, HMENU menuOrId, HINSTANCE hInstance, int showCmd) {
    return CreateWith(true, exStyle, className, title, style, rect, parent, menuOrId, hInstance, showCmd);
}

HWND UWIN::CreateNoSubclass(LPCSTR className, LPCSTR title, DWORD style, const URECT& rect, HWND parent,
                            HMENU menuOrId, HINSTANCE hInstance, int showCmd) {
    return CreateWith(false, 0, className, title, style, rect, parent, menuOrId, hInstance, showCmd);
}

HWND UWIN::CreateExNoSubclass(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const URECT& rect,
                              HWND parent, HMENU menuOrId, HINSTANCE hInstance, int showCmd) {
    return CreateWith(false, exStyle, className, title, style, rect, parent, menuOrId, hInstance, showCmd);
}

HWND UWIN::CreateModeless(HINSTANCE hInstance, int templateId, HWND parent) {
    m_kind = KIND_MODELESS;
    m_hinst = hInstance;
    return CreateDialogParamA(hInstance, MAKEINTRESOURCEA(templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR UWIN::DoModal(HINSTANCE hInstance, int templateId, HWND parent) {
    m_kind = KIND_MODAL;
    m_hinst = hInstance;
    return DialogBoxParamA(hInstance, MAKEINTRESOURCEA(templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool UWIN::RegisterClass(HINSTANCE hInstance, LPCSTR className, bool withBackground) {
    WNDCLASSA existing;
    if (GetClassInfoA(hInstance, className, &existing)) return true;
    WNDCLASSEXA wc = {};
    wc.cbSize = 48;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = DefProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = withBackground ? reinterpret_cast<HBRUSH>(12) : 0;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

void UWIN::Bind(HWND hwnd, WNDPROC proc) {
    WNDPROC cur = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (IsSharedProc(cur)) {
        // Already routed through the shared procedures: take over the binding and the procedure that was
        // there before it, so that passing a message on never calls the shared procedure again.
        UWIN* other = BoundObject(hwnd);
        if (other && other != this)
            m_prevProc = other->m_prevProc;
        else if (!other)
            m_prevProc = 0;
    } else {
        m_prevProc = cur;
    }
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void UWIN::Subclass(HWND hwnd) {
    Bind(hwnd, WindowProc);
}

void UWIN::SubclassDialog(HWND hwnd) {
    Bind(hwnd, reinterpret_cast<WNDPROC>(DialogProc));
}

void UWIN::Unsubclass() {
    if (!m_prevProc) return;
    if (m_hwnd && IsWindow(m_hwnd)) {
        // A procedure installed after ours stays in place, and so does our binding under it.
        WNDPROC cur = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hwnd, GWLP_WNDPROC));
        if (!IsSharedProc(cur)) return;
        // An object that took the window over after this one keeps it.
        UWIN* bound = BoundObject(m_hwnd);
        if (!bound || bound == this) {
            SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_prevProc));
            SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        }
    }
    m_prevProc = 0;
}

void UWIN::Unbind() {
    // The window is going away: nothing may reach this object through it afterwards.
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    m_hwnd = 0;
    m_prevProc = 0;
}

LRESULT CALLBACK UWIN::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        UWIN* obj = static_cast<UWIN*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (obj) {
            obj->m_hwnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(obj));
        }
        return 1;
    }
    UWIN* obj = BoundObject(hwnd);
    if (!obj) return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result;
    if (!Handle(obj, hwnd, msg, wParam, lParam, &result)) {
        // Answered as a message the handler did not take, unless the object is gone meanwhile.
        result = BoundObject(hwnd) == obj ? obj->CallPrevProc(hwnd, msg, wParam, lParam)
                                          : DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY && BoundObject(hwnd) == obj) obj->Unbind();
    return result;
}

INT_PTR CALLBACK UWIN::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        UWIN* init = reinterpret_cast<UWIN*>(lParam);
        if (init) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
            init->m_hwnd = hwnd;
        }
    }
    UWIN* obj = BoundObject(hwnd);
    if (!obj) return FALSE;
    LRESULT handled = 0;
    INT_PTR result = Handle(obj, hwnd, msg, wParam, lParam, &handled) && handled ? TRUE : FALSE;
    if (msg == WM_NCDESTROY && BoundObject(hwnd) == obj) obj->Unbind();
    return result;
}

LRESULT CALLBACK UWIN::DefProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT UWIN::CallPrevProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_prevProc) return CallWindowProcA(m_prevProc, hwnd, msg, wParam, lParam);
    if (m_kind != KIND_WINDOW) return FALSE;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT DetachOnClose(UWIN& win, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC restored = win.GetPrevProc();
    win.Unsubclass();
    if (restored) return CallWindowProcA(restored, hwnd, msg, wParam, lParam);
    return win.CallPrevProc(hwnd, msg, wParam, lParam);
}

HFONT CreateDefaultFont(HWND hwnd) {
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "ＭＳ Ｐゴシック");
    if (font && hwnd) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return font;
}

void DeleteFontHandle(HFONT& font) {
    if (font) DeleteObject(font);
    font = 0;
}

void UWIN::SetDefaultFont() {
    // A second call replaces the font rather than leaking the first one.
    HFONT old = m_font;
    m_font = CreateDefaultFont(m_hwnd);
    if (m_font)
        DeleteFontHandle(old);
    else
        m_font = old;
}

void UWIN::DeleteFont() {
    if (!m_font) return;
    // A living window must not keep drawing with a deleted font.
    if (m_hwnd && IsWindow(m_hwnd) &&
        reinterpret_cast<HFONT>(SendMessageA(m_hwnd, WM_GETFONT, 0, 0)) == m_font)
        SendMessageA(m_hwnd, WM_SETFONT, 0, FALSE);
    DeleteFontHandle(m_font);
}

void UWIN::Move(const URECT& rect, BOOL repaint) {
    if (m_hwnd) MoveWindow(m_hwnd, rect.x, rect.y, rect.width, rect.height, repaint);
}

void UWIN::MoveTo(int x, int y, BOOL repaint) {
    if (!m_hwnd) return;
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    Move(URECT{x, y, rc.right - rc.left, rc.bottom - rc.top}, repaint);
}

void UWIN::SetSize(int width, int height, BOOL repaint) {
    if (!m_hwnd) return;
    RECT rc;
    GetWindowRect(m_hwnd, &rc);
    m_rect = URECT{rc.left, rc.top, width, height};
    // Only the size changes, so a child window keeps its place in its parent.
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
    SetWindowPos(m_hwnd, 0, 0, 0, width, height, flags);
}

void UWIN::MoveDlgItem(int id, const URECT& rect, BOOL repaint) {
    if (!m_hwnd) return;
    if (HWND item = GetDlgItem(m_hwnd, id))
        MoveWindow(item, rect.x, rect.y, rect.width, rect.height, repaint);
}

void UWIN::FitToTab(HWND tabHwnd) {
    RECT rc = GetTabDisplayRect(tabHwnd);
    Move(URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top}, TRUE);
}

void UWIN::UpdateRect() {
    if (!m_hwnd) return;
    RECT rc;
    GetWindowRect(m_hwnd, &rc);
    HWND parent = (GetWindowLongA(m_hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(m_hwnd) : 0;
    if (!parent) {
        // A top-level window keeps its screen edges: right and bottom in the size fields.
        m_rect = URECT{rc.left, rc.top, rc.right, rc.bottom};
        return;
    }
    RECT prc;
    GetWindowRect(parent, &prc);
    m_rect = URECT{rc.left - prc.left, rc.top - prc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void UWIN::GetScreenPos(int* x, int* y) const {
    if (!m_hwnd) return;
    RECT rc;
    GetWindowRect(m_hwnd, &rc);
    *x = rc.left;
    *y = rc.top;
}
