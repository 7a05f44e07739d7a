#include "ui/udlglist.h"

namespace {
const UDLGITEMS::Messages kList = {LB_RESETCONTENT, LB_INSERTSTRING, LB_DELETESTRING, LB_SETITEMDATA,
                                   LB_GETITEMDATA,  LB_SETCURSEL,    LB_GETCURSEL};
const UDLGITEMS::Messages kCombo = {CB_RESETCONTENT, CB_INSERTSTRING, CB_DELETESTRING, CB_SETITEMDATA,
                                    CB_GETITEMDATA,  CB_SETCURSEL,    CB_GETCURSEL};
// LB_ERR and CB_ERR are both -1; LB_ERRSPACE and CB_ERRSPACE both -2.
bool Failed(LRESULT r) {
    return r < 0;
}
} // namespace

bool UDLGITEMS::Attach(HWND dialog, int id) {
    bool found = TakeItem(dialog, id);
    Clear();
    return found;
}

void UDLGITEMS::Clear() {
    if (m_hwnd) SendMessageA(m_hwnd, m_msg.reset, 0, 0);
    m_count = 0;
}

int UDLGITEMS::AddString(const char* text) {
    if (!m_hwnd) return -1;
    LRESULT r = SendMessageA(m_hwnd, m_msg.insert, m_count, reinterpret_cast<LPARAM>(text));
    if (Failed(r)) return -1;
    return m_count++;
}

int UDLGITEMS::AddStringData(const char* text, DWORD_PTR data) {
    int i = AddString(text);
    if (i >= 0) SendMessageA(m_hwnd, m_msg.setData, i, data);
    return i;
}

int UDLGITEMS::AddStrings(const char* const* texts, int n) {
    for (int i = 0; i < n; ++i)
        AddString(texts[i]);
    return n;
}

int UDLGITEMS::SetSelect(int i) {
    return m_hwnd ? static_cast<int>(SendMessageA(m_hwnd, m_msg.setCurSel, i, 0)) : -1;
}

int UDLGITEMS::GetSelect() {
    return m_hwnd ? static_cast<int>(SendMessageA(m_hwnd, m_msg.getCurSel, 0, 0)) : -1;
}

DWORD_PTR UDLGITEMS::GetItemData(int i) {
    // Pages keep record pointers here: an index outside the list must never read as data.
    if (i < 0 || i >= m_count || !m_hwnd) return 0;
    LRESULT r = SendMessageA(m_hwnd, m_msg.getData, i, 0);
    return r == -1 ? 0 : static_cast<DWORD_PTR>(r);
}

DWORD_PTR UDLGITEMS::GetSelectData() {
    int sel = GetSelect();
    return sel < 0 ? 0 : GetItemData(sel);
}

void UDLGITEMS::SetString(int i, const char* text) {
    if (i < 0 || i >= m_count || !m_hwnd) return;
    DWORD_PTR data = GetItemData(i);
    SendMessageA(m_hwnd, m_msg.remove, i, 0);
    if (Failed(SendMessageA(m_hwnd, m_msg.insert, i, reinterpret_cast<LPARAM>(text)))) {
        --m_count;
        return;
    }
    SendMessageA(m_hwnd, m_msg.setData, i, data);
    SetSelect(i);
}

bool UDLGITEMS::SelectData(DWORD_PTR data, bool zeroMatches) {
    if (!data && !zeroMatches) return false;
    for (int i = 0; i < m_count; ++i) {
        if (GetItemData(i) == data) {
            SetSelect(i);
            return true;
        }
    }
    return false;
}

UDLGLIST::UDLGLIST() : UDLGITEMS(kList) {}

UDLGCBOX::UDLGCBOX() : UDLGITEMS(kCombo) {}

int UDLGCBOX::Create(HWND dialog, int id, const URECT& rect) {
    m_attached = 0;
    m_owner = dialog;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    if (!CreateEx(WS_EX_NOPARENTNOTIFY, "combobox", "", 0x50210203, rect, dialog, 0, inst, SW_SHOWNORMAL))
        return 0;
    SetWindowLongPtrA(m_hwnd, GWLP_ID, id);
    SetDefaultFont(); // the dialog font, kept as the wrapper's own so that it is deleted with it
    Clear();
    return 1;
}

void UDLGITEMS::SetStrings(const char* const* texts, int n) {
    Clear();
    AddStrings(texts, n);
    SetSelect(0);
}

void UDLGCBOX::AddStringList(const char* const* texts) {
    for (; texts && *texts; ++texts)
        AddString(*texts);
}

void UDLGCBOX::SetStringList(const char* const* texts) {
    Clear();
    AddStringList(texts);
    SetSelect(0);
}

bool UDLGCBOX::IsSelChange(HWND, UINT, WPARAM wParam, LPARAM) {
    return HIWORD(wParam) == CBN_SELCHANGE;
}
