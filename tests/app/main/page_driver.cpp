#include "page_driver.h"
#include <commctrl.h>
#include "app/dlp_rendpyrell.h"
#include "plugin_fixture.h"

namespace {

const char* s_title;
std::function<void(HWND)> s_action;

} // namespace

std::string TextOf(HWND hwnd) {
    std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
    text.resize(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size())));
    return text;
}

HWND PageEdit(HWND page, int id) {
    HWND item = GetDlgItem(page, id);
    HWND inner = FindWindowExA(item, 0, "Edit", nullptr);
    return inner ? inner : item;
}

void EnterText(HWND page, int id, const char* text) {
    HWND edit = PageEdit(page, id);
    SetWindowTextA(edit, text);
    SendMessageA(edit, WM_CHAR, VK_RETURN, 1);
}

void ClickItem(HWND page, int id) {
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
    PumpMessages();
}

void ClickTab(HWND tab, int i, HWND owner, int id) {
    SendMessageA(tab, TCM_SETCURSEL, i, 0);
    NMHDR nm = {tab, static_cast<UINT_PTR>(id), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(owner, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
}

void ShowPaneTab(int i) {
    SendActivate(TRUE);
    ClickTab(Main()->GetPropertyPane()->GetTabTable().GetHwnd(), i, Main()->GetHwnd());
    PumpMessages();
}

ModalAction::ModalAction(const char* title, std::function<void(HWND)> action) {
    s_title = title;
    s_action = std::move(action);
    s_acted = false;
    m_timer = SetTimer(0, 0, 50, OnTimer);
}

void CALLBACK ModalAction::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = FindWindowA("#32770", s_title);
    if (s_acted || !dlg || !IsWindowVisible(dlg)) return;
    s_acted = true;
    s_action(dlg);
}

std::function<void(HWND)> ChooseFile(const std::string& path) {
    return [path](HWND dlg) {
        SetDlgItemTextA(dlg, 1148, path.c_str()); // the file-name box
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    };
}

std::function<void(HWND)> Cancel() {
    return [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); };
}
