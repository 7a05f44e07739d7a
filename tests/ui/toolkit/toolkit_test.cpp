#include "toolkit_test.h"
#include <cstring>

HINSTANCE TestInstance() {
    return GetModuleHandleA(0);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

static INT_PTR CALLBACK TestDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (msg == WM_COMMAND && self) {
        self->commands.push_back(wParam);
        self->senders.push_back(lParam);
    }
    return FALSE;
}

TestDialog::TestDialog(int templateId) {
    hwnd = CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(templateId), 0, TestDialogProc,
                              reinterpret_cast<LPARAM>(this));
    PumpMessages();
}

int TestDialog::Count(int id) const {
    int n = 0;
    for (size_t i = 0; i < commands.size(); ++i)
        n += senders[i] == 0 && (id < 0 || commands[i] == WPARAM(id));
    return n;
}

TestDialog::~TestDialog() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    PumpMessages();
}

static ModalDriver* g_driver = 0;

static BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM found) {
    char cls[16] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

ModalDriver::ModalDriver(const char* title, int button)
    : ModalDriver(title, [button](HWND dlg) { PressButton(dlg, button); }) {}

ModalDriver::ModalDriver(const char* title, std::function<void(HWND)> action)
    : m_title(title), m_action(std::move(action)) {
    g_driver = this;
    m_timer = SetTimer(0, 0, 50, OnTimer);
}

ModalDriver::~ModalDriver() {
    KillTimer(0, m_timer);
    g_driver = 0;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ModalDriver* self = g_driver;
    if (!self || self->acted) return;
    HWND dlg = self->m_title ? FindWindowA("#32770", self->m_title) : 0;
    if (!self->m_title)
        EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg || !IsWindowVisible(dlg)) return;
    self->acted = true;
    self->m_action(dlg);
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
