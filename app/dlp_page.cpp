#include "app/dlp_page.h"
#include <cstdio>
#include <string>
#include "app/dlmain.h"
#include "base/linefmt.h"
#include "ui/udlgtext.h"

namespace {

// The edit's limit counts characters and a record counts bytes, so a Shift-JIS text within the limit
// may still not fit its record: typing then stops at the last whole character that fits.
void KeepWithinBytes(HWND edit) {
    const size_t limit = static_cast<size_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    const int length = GetWindowTextLengthA(edit);
    if (length <= 0 || static_cast<size_t>(length) <= limit) return;
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(edit, &text[0], length + 1));
    text.resize(WholeCharPrefix(text.c_str(), limit));
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETSEL, text.size(), text.size());
    MessageBeep(MB_OK);
}

} // namespace

HWND DLP_PAGE::Create(DLMAIN* owner, HWND parent, const URECT&) {
    m_owner = owner;
    if (!owner) return 0;
    return CreateModeless(owner->GetInstance(), m_templateId, parent);
}

LRESULT DLP_PAGE::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 1;
    case WM_INITDIALOG:
        OnInitDialog(hwnd);
        return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) KeepWithinBytes(reinterpret_cast<HWND>(lParam));
        if (!m_filling) OnCommand(LOWORD(wParam));
        return 0;
    }
    return 0;
}

void DLP_PAGE::AttachText(UDLGTEXT& field, HWND dialog, int id, int size) {
    field.Attach(dialog, id);
    SendMessageA(field.GetHwnd(), EM_LIMITTEXT, size - 1, 0);
}

RENDPYL_MODEL* DLP_PAGE::GetModel() const {
    if (!m_owner || !m_owner->GetDoc()) return nullptr;
    return m_owner->GetScene();
}

int DLP_PAGE::BrowseFile(const char* current, const std::function<bool(const char*)>& store) {
    if (!m_owner || !current) return 0;
    char path[DLMAIN::PATHSIZE];
    std::snprintf(path, sizeof path, "%s", current);
    if (!m_owner->LoadFileDialog(m_hwnd, path)) return 0;
    return store(path) ? 1 : 0;
}
