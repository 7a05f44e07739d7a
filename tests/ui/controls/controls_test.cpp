#include "controls_test.h"
#include <commctrl.h>

HWND ControlsTest::dlg = 0;
std::vector<HEARD> ControlsTest::heard;

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

INT_PTR CALLBACK ControlsTest::RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND || msg == WM_HSCROLL) heard.push_back(HEARD{msg, wParam, lParam});
    return msg == WM_INITDIALOG;
}

void ControlsTest::MakeDialog() {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    dlg = CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_CONTROLS), 0, RecordingProc, 0);
    PumpMessages();
}

namespace {
struct DialogEnvironment : testing::Environment {
    void SetUp() override { ControlsTest::MakeDialog(); }
};
testing::Environment* const g_dialog = testing::AddGlobalTestEnvironment(new DialogEnvironment);
} // namespace

void ControlsTest::SetUp() {
    ASSERT_TRUE(dlg);
    PumpMessages();
    heard.clear();
}

int ControlsTest::WrapperCommands(int id) {
    int n = 0;
    for (const HEARD& h : heard)
        n += h.msg == WM_COMMAND && h.wParam == WPARAM(id) && h.lParam == 0;
    return n;
}

int ControlsTest::Heard(UINT msg, WPARAM wParam) {
    int n = 0;
    for (const HEARD& h : heard)
        n += h.msg == msg && h.wParam == wParam;
    return n;
}

COLORREF ControlsTest::Pixel(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

HICON SolidIcon(COLORREF colour) {
    HDC screen = GetDC(0);
    HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, image);
    RECT rc = {0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(mem, &rc, brush);
    DeleteObject(brush);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(0, screen);
    static const WORD opaque[16] = {}; // mask rows of 16 bits, all clear
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, opaque);
    ICONINFO info = {TRUE, 0, 0, mask, image};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(image);
    return icon;
}
