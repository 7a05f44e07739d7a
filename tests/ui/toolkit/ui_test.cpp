#include "ui_test.h"
#include <commctrl.h>
#include <algorithm>
#include <cstring>
#include <filesystem>

HWND UiTest::shown = 0;
std::vector<std::pair<WPARAM, LPARAM>> UiTest::commands;

namespace {

const char* kPrivateUser = "Software\\hxtest\\ui";

INT_PTR CALLBACK RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) UiTest::commands.emplace_back(wParam, lParam);
    return msg == WM_INITDIALOG;
}

} // namespace

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void UiTest::SetUp() {
    if (!shown) { // made once and left shown for the whole run
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        shown = CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_SHOWN), 0, RecordingProc, 0);
    }
    ASSERT_TRUE(shown);
    dlg = CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_TEST), 0, RecordingProc, 0);
    ASSERT_TRUE(dlg);
    PumpMessages();
    commands.clear();
}

void UiTest::TearDown() {
    DestroyWindow(dlg);
    PumpMessages();
    if (m_user) {
        m_key.Close();
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(m_user);
        RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateUser);
    }
    if (!m_folder.empty()) {
        SetCurrentDirectoryA(m_cwd); // a file dialog may have made the folder current
        EXPECT_LT(0u, std::filesystem::remove_all(m_folder)); // the folder and what is in it
    }
}

int UiTest::Commands(int id) {
    return std::count_if(commands.begin(), commands.end(),
                         [id](const auto& c) { return c.second == 0 && (id < 0 || c.first == WPARAM(id)); });
}

COLORREF UiTest::Pixel(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

UREGKEY& UiTest::Registry() {
    if (!m_user) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateUser); // what a failed run left behind
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kPrivateUser, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &m_user, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, m_user));
        EXPECT_EQ(1, m_key.Create(kKey));
    }
    return m_key;
}

const std::string& UiTest::Folder() {
    if (m_folder.empty()) {
        GetCurrentDirectoryA(sizeof m_cwd, m_cwd);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        // Wine gives process ids again: the tick count keeps a folder a failed run left apart from ours.
        m_folder = std::string(temp) + "hx ui.test" + std::to_string(GetCurrentProcessId()) + "." +
                   std::to_string(GetTickCount());
        EXPECT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
    }
    return m_folder;
}

void Type(HWND edit, const char* keys) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* p = keys; *p; ++p)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

std::string TextOf(HWND hwnd) {
    char buf[1100] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

HICON SolidIcon(COLORREF colour) {
    static const BYTE opaque[32] = {};
    std::vector<DWORD> pixels(256, GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
    return CreateIcon(GetModuleHandleA(0), 16, 16, 1, 32, opaque,
                      reinterpret_cast<const BYTE*>(pixels.data()));
}

static ModalDriver* g_driver = 0;

BOOL CALLBACK ModalDriver::FindModal(HWND hwnd, LPARAM found) {
    char cls[16] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, g_driver->m_class) != 0 || !IsWindowVisible(hwnd) || hwnd == UiTest::shown) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

ModalDriver::ModalDriver(std::function<void(HWND)> action, const char* windowClass)
    : m_action(std::move(action)), m_class(windowClass) {
    g_driver = this;
    m_timer = SetTimer(0, 0, 50, OnTimer);
}

ModalDriver::~ModalDriver() {
    KillTimer(0, m_timer);
    g_driver = 0;
    EXPECT_TRUE(m_acted) << "no " << m_class << " window came up";
    EXPECT_FALSE(m_cancelled) << "a " << m_class << " window was still open after " << kLimitMs << " ms";
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = 0;
    if (!g_driver) return;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    if (!g_driver->m_acted) {
        g_driver->m_acted = true;
        g_driver->m_actedAt = GetTickCount();
        g_driver->m_action(dlg);
    } else if (GetTickCount() - g_driver->m_actedAt > kLimitMs) {
        g_driver->m_cancelled = true; // the loop ends, and the case reports it
        EndMenu();
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    }
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
