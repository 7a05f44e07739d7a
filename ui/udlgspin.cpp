#include "ui/udlgspin.h"
#include <cmath>
#include <type_traits>
#include <commctrl.h>

namespace {

template <class Field> constexpr bool IsIntField() {
    return std::is_same<Field, UDLGINTS>::value;
}

bool IsFinite(int) {
    return true;
}
bool IsFinite(float v) {
    return std::isfinite(v);
}

} // namespace

template <class Field> int UDLGSPIN<Field>::Attach(HWND dialog, int id) {
    m_attached = 1;
    if (!m_field.Attach(dialog, id)) return 0;
    return CreateSpin(dialog);
}

template <class Field> int UDLGSPIN<Field>::AttachRange(HWND dialog, int id, Value min, Value max) {
    m_attached = 1;
    if (!m_field.AttachRange(dialog, id, min, max)) return 0;
    return CreateSpin(dialog);
}

template <class Field> int UDLGSPIN<Field>::CreateSpin(HWND dialog) {
    m_owner = dialog;
    HWND edit = m_field.GetHwnd();
    if (!edit) return 0;

    // The edit's place in the dialog's client area; the container is its client size plus the edge.
    RECT er, dr, cr, frame = {0, 0, 0, 0};
    GetWindowRect(edit, &er);
    GetWindowRect(dialog, &dr);
    GetClientRect(edit, &cr);
    AdjustWindowRectEx(&frame, GetWindowLongA(dialog, GWL_STYLE), GetMenu(dialog) != 0,
                       GetWindowLongA(dialog, GWL_EXSTYLE));
    int width = cr.right - cr.left + 4, height = cr.bottom - cr.top + 4;
    URECT rect{er.left - dr.left + frame.left, er.top - dr.top + frame.top, width, height};

    INITCOMMONCONTROLSEX icc = {8, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    if (!Create("static", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_NOTIFY, rect, dialog, 0, inst,
                SW_SHOWNORMAL))
        return 0;

    // The dialog finds the container under the item's id; the field keeps notifying with it.
    m_id = static_cast<int>(GetWindowLongPtrA(edit, GWLP_ID));
    SetWindowLongPtrA(m_hwnd, GWLP_ID, m_id);
    SetWindowLongPtrA(edit, GWLP_ID, 0);
    SetParent(edit, m_hwnd);
    MoveWindow(edit, 0, 0, width, height, TRUE);

    m_spin = CreateUpDownControl(WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_ALIGNRIGHT, 0, 0, 0, 0, m_hwnd,
                                 kSpinId, inst, edit, 0, 1, 0);
    return m_spin ? 1 : 0;
}

template <class Field> void UDLGSPIN<Field>::Enable(BOOL flag) {
    m_field.Enable(flag);
    if (m_hwnd) EnableWindow(m_hwnd, flag);
    if (m_spin) EnableWindow(m_spin, flag);
    if (!IsIntField<Field>() && m_hwnd) InvalidateRect(m_hwnd, 0, FALSE);
}

template <class Field> void UDLGSPIN<Field>::EnableEdit(BOOL flag) {
    Enable(flag);
    m_field.SetEditable(flag);
}

template <class Field> void UDLGSPIN<Field>::OnDelta(int delta) {
    // The step applies to the stored value, with the digits its format does not show, or to text typed and
    // not yet committed: a click on an arrow leaves the focus in the edit, so nothing else commits it, and
    // the new value would overwrite it.
    Value base = m_field.ReadValue();
    Value v = Clamp(UDLGNUMTRAITS<Value>::Step(base, m_field.GetStep(), delta));
    if (IsFinite(v)) m_field.SetValue(v);
    InvalidateRect(m_field.GetHwnd(), 0, TRUE);
    InvalidateRect(m_hwnd, 0, TRUE);
    m_field.Notify();
}

template <class Field> LRESULT UDLGSPIN<Field>::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NOTIFY: {
        // An inverted range: the up arrow proposes -1, the down arrow +1.
        auto* nm = reinterpret_cast<NMUPDOWN*>(lParam);
        if (wParam == kSpinId && nm->hdr.code == UDN_DELTAPOS) {
            OnDelta(nm->iDelta);
            return 0;
        }
        break;
    }
    case WM_ENABLE:
        if (m_field.GetHwnd()) EnableWindow(m_field.GetHwnd(), static_cast<BOOL>(wParam));
        if (m_spin) EnableWindow(m_spin, static_cast<BOOL>(wParam));
        break;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        break;
    case WM_SETFOCUS:
        if (IsIntField<Field>() && m_field.GetHwnd()) SetFocus(m_field.GetHwnd());
        break;
    case WM_CLOSE:
        if (m_spin) DestroyWindow(m_spin);
        m_spin = 0;
        return UDLGCTRL::WndProc(hwnd, msg, wParam, lParam);
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

int UDLGINT::Create(HWND dialog, int id, const URECT& rect) {
    m_attached = 0;
    if (!m_field.Create(dialog, id, rect)) return 0;
    return CreateSpin(dialog);
}

template struct UDLGSPIN<UDLGINTS>;
template struct UDLGSPIN<UDLGFLOATS>;
