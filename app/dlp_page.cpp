#include "app/dlp_page.h"
#include "app/dlmain.h"

HWND DLP_PAGE::Create(DLMAIN* owner, HWND parent, const URECT&) {
    m_owner = owner;
    if (!owner) return 0;
    return CreateModeless(owner->GetInstance(), m_templateId, parent);
}

LRESULT DLP_PAGE::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 1;
    case WM_INITDIALOG:
        OnInitDialog(hwnd);
        return 1;
    case WM_COMMAND:
        if (!m_filling) OnCommand(LOWORD(wParam));
        return 0;
    }
    return 0;
}

RENDPYL_MODEL* DLP_PAGE::GetModel() const {
    if (!m_owner || !m_owner->GetDoc()) return nullptr;
    return m_owner->GetScene();
}
