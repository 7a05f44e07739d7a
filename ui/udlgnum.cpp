#include "ui/udlgnum.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string WindowText(HWND hwnd) {
    std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
    text.resize(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size())));
    return text;
}

} // namespace

template <class T> UDLGNUMFIELD<T>::UDLGNUMFIELD() {
    SetFormat(Traits::kFormat);
}

template <class T> void UDLGNUMFIELD<T>::SetDefaults() {
    m_clamp = 0;
    m_min = 0;
    m_max = 65535;
    m_step = 1;
    m_spare = 0;
}

template <class T> int UDLGNUMFIELD<T>::Attach(HWND dialog, int id) {
    m_attached = 1;
    SetDefaults();
    return AttachItem(dialog, id);
}

template <class T> int UDLGNUMFIELD<T>::AttachRange(HWND dialog, int id, T min, T max) {
    m_attached = 1;
    m_min = min;
    m_max = max;
    m_step = 1;
    m_spare = 0;
    m_clamp = 1;
    return AttachItem(dialog, id);
}

template <class T> int UDLGNUMFIELD<T>::AttachItem(HWND dialog, int id) {
    SetFormat(Traits::kFormat);
    m_value = 0;
    m_changed = 0;
    if (!TakeItem(dialog, id)) return 0;
    Subclass(m_hwnd);
    return 1;
}

template <class T> void UDLGNUMFIELD<T>::SetValue(T v) {
    // An integer field without a window keeps its value; a float field stores it in any case.
    if (!m_hwnd && Traits::kDigitsOnly) return;
    m_value = Clamp(v);
    if (m_hwnd) SetWindowTextA(m_hwnd, Traits::Format(m_format, m_value).c_str());
}

template <class T> T UDLGNUMFIELD<T>::ReadValue() {
    if (!m_hwnd && Traits::kDigitsOnly) return 0;
    // Text the user has not typed into keeps the stored value whole, with the digits the format hides:
    // gathering a page must not round what the user never touched. Typed text always applies, even when
    // it reads as what was shown. A number too large for the type keeps the value too.
    T value = m_value;
    if (!m_hwnd || HasTypedText()) Traits::Parse(m_hwnd ? WindowText(m_hwnd).c_str() : "", &value);
    SetValue(Clamp(value));
    return m_value;
}

template <class T> bool UDLGNUMFIELD<T>::HasTypedText() const {
    // The edit's own flag: typing sets it, and showing a value through its text clears it.
    return m_hwnd && SendMessageA(m_hwnd, EM_GETMODIFY, 0, 0);
}

template <class T> T UDLGNUMFIELD<T>::Clamp(T v) const {
    if (!m_clamp) return v;
    if (v < m_min) v = m_min;
    if (v > m_max) v = m_max;
    return v;
}

template <class T> void UDLGNUMFIELD<T>::SetRange(T min, T max) {
    m_min = min;
    m_max = max;
    m_clamp = 1;
}

template <class T> void UDLGNUMFIELD<T>::SetFormat(const char* format) {
    snprintf(m_format, sizeof m_format, "%s", format ? format : Traits::kFormat);
}

template <class T> void UDLGNUMFIELD<T>::SetEditable(BOOL flag) {
    // Only the edit's own message makes it refuse typing; it keeps the style bit in step.
    if (m_hwnd) SendMessageA(m_hwnd, EM_SETREADONLY, !flag, 0);
}

template <class T> int UDLGNUMFIELD<T>::GetChanged() {
    int changed = m_changed;
    m_changed = 0;
    return changed;
}

template <class T> void UDLGNUMFIELD<T>::Notify() {
    m_changed = 1;
    SendMessageA(m_owner, WM_COMMAND, m_id, 0);
}

template <class T> void UDLGNUMFIELD<T>::Commit() {
    ReadValue();
    Notify();
}

template <class T> LRESULT UDLGNUMFIELD<T>::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CHAR:
        if (wParam == VK_RETURN || (Traits::kDigitsOnly && wParam == VK_TAB)) {
            Commit();
            return 0;
        }
        if (Traits::kDigitsOnly && wParam >= 32 && wParam != '-' && !(wParam >= '0' && wParam <= '9'))
            return 0;
        break;
    case WM_KILLFOCUS: {
        Commit();
        HWND next = reinterpret_cast<HWND>(wParam);
        SetFocus(next);
        SetActiveWindow(next);
        break;
    }
    case WM_LBUTTONDOWN:
        if (Traits::kDigitsOnly)
            SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) | ES_MULTILINE);
        ReadValue();
        SetFocus(hwnd);
        SetActiveWindow(hwnd);
        break;
    case WM_CLOSE:
        if (m_attached || !Traits::kDigitsOnly) return UDLGCTRL::WndProc(hwnd, msg, wParam, lParam);
        break;
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

int UDLGINTS::Create(HWND parent, int id, const URECT& rect) {
    m_attached = 0;
    SetDefaults();
    m_owner = parent;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (!CreateEx(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, "edit", "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE, rect, parent, 0, inst,
                  SW_SHOWNORMAL))
        return 0;
    SetWindowLongPtrA(m_hwnd, GWLP_ID, id);
    SetDefaultFont();
    SetFormat(Traits::kFormat);
    m_value = 0;
    m_changed = 0;
    return 1;
}

template struct UDLGNUMFIELD<int>;
template struct UDLGNUMFIELD<float>;
