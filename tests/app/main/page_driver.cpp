#include "page_driver.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <dlgs.h>
#include "app/dlp_rendpyrell.h"
#include "plugin_fixture.h"

namespace {

const char* s_title;
std::function<void(HWND)> s_action;
int s_ticks;

} // namespace

// Each tick, on every dialog this thread shows beside the main window: the awaited one is acted on once;
// after ten seconds of ticks any dialog still open is cancelled and fails the test, so none blocks it.
BOOL CALLBACK ModalAction::OnDialog(HWND dialog, LPARAM) {
    const bool main = Main() && dialog == Main()->GetHwnd();
    if (GetClassLongA(dialog, GCW_ATOM) != 32770 || !IsWindowVisible(dialog) || main) return TRUE;
    if (!s_acted && TextOf(dialog) == s_title) {
        s_acted = true;
        s_action(dialog);
    } else if (s_ticks % 200 == 0) {
        ADD_FAILURE() << "dialog " << TextOf(dialog) << " left open";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

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
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    SendMessageA(edit, WM_CHAR, VK_RETURN, 1);
}

void ClickItem(HWND page, int id) {
    HWND item = GetDlgItem(page, id);
    RECT r;
    GetWindowRect(item, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const LPARAM centre = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        SendMessageA(item, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, centre);
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
    s_ticks = 0;
    m_timer = SetTimer(0, 0, 50, OnTimer);
}

void CALLBACK ModalAction::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++s_ticks;
    EnumThreadWindows(GetCurrentThreadId(), OnDialog, 0);
}

std::function<void(HWND)> ChooseFile(const std::string& path, int type) {
    return [path, type](HWND dlg) {
        if (type) {
            HWND types = GetDlgItem(dlg, cmb1);
            SendMessageA(types, CB_SETCURSEL, type - 1, 0);
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), LPARAM(types));
        }
        SetDlgItemTextA(dlg, 1148, path.c_str()); // the file-name box
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    };
}

std::function<void(HWND)> Cancel() {
    return [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); };
}
