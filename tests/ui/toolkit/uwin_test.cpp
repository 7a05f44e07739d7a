#include <gtest/gtest.h>
#include <vector>
#include "toolkit_test.h"
#include "ui/uwin.h"
#include "ui/winutil.h"

namespace {

const UINT MSG_ANSWER = WM_APP + 1; // the handler answers with its preset value

// Records every message its handler sees and passes the rest on.
struct RecordingWin : UWIN {
    std::vector<UINT> seen;
    WPARAM initWParam = 0;
    LPARAM initLParam = 0;
    HWND hwndAtInit = 0;
    LRESULT answer = 0;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        if (msg == WM_INITDIALOG) {
            initWParam = wParam;
            initLParam = lParam;
            hwndAtInit = GetHwnd();
        }
        if (msg == MSG_ANSWER) return answer;
        if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) &&
            GetKind() == KIND_MODAL) {
            EndDialog(hwnd, LOWORD(wParam));
            return 1;
        }
        return CallPrevProc(hwnd, msg, wParam, lParam);
    }
    bool Saw(UINT msg) const {
        for (UINT m : seen)
            if (m == msg) return true;
        return false;
    }
};

WNDPROC ProcOf(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}
LONG_PTR UserDataOf(HWND hwnd) {
    return GetWindowLongPtrA(hwnd, GWLP_USERDATA);
}

std::string TextOf(HWND hwnd) {
    char buf[256] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

const char* kClass = "UWINTestClass";

// Takes over an existing window the way the controls' Attach does.
struct AttachedWin : RecordingWin {
    void Attach(HWND hwnd) {
        m_hwnd = hwnd;
        Subclass(hwnd);
    }
};

} // namespace

TEST(Uwin, CreateSubclassesShowsAndRoutesMessages) {
    ASSERT_TRUE(UWIN::RegisterClass(TestInstance(), kClass, false));
    TestDialog dlg;
    RecordingWin win;
    URECT rc{10, 20, 150, 100};
    HWND hwnd = win.Create(kClass, "title", WS_CHILD, rc, dlg.hwnd, 0, TestInstance(), SW_SHOWNORMAL);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(hwnd, win.GetHwnd());
    EXPECT_EQ(reinterpret_cast<WNDPROC>(UWIN::WindowProc), ProcOf(hwnd));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(UWIN::DefProc), win.GetPrevProc());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&win), UserDataOf(hwnd));
    win.answer = 42;
    EXPECT_EQ(42, SendMessageA(hwnd, MSG_ANSWER, 0, 0));
    SetWindowTextA(hwnd, "passed on"); // reaches the class procedure through the handler
    EXPECT_EQ("passed on", TextOf(hwnd));
    EXPECT_TRUE(win.Saw(WM_SETTEXT));
    DestroyWindow(hwnd);
}

TEST(Uwin, CreationFailureLeavesTheObjectUntouched) {
    RecordingWin win;
    win.SetShowCmd(SW_HIDE);
    EXPECT_EQ(nullptr,
              win.Create("NoSuchClass", "", WS_POPUP, URECT{1, 2, 3, 4}, 0, 0, TestInstance(), SW_SHOW));
    EXPECT_EQ(nullptr, win.GetHwnd());
    EXPECT_EQ(0, win.GetRect().width);
    EXPECT_EQ(SW_HIDE, win.GetShowCmd());
}

TEST(Uwin, SharedWindowProcedureBindsOnNcCreateWithoutTheHandler) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = UWIN::WindowProc;
    wc.hInstance = TestInstance();
    wc.lpszClassName = "UWINSharedProcClass";
    ASSERT_TRUE(RegisterClassA(&wc) || GetClassInfoA(TestInstance(), wc.lpszClassName, &wc));
    RecordingWin win;
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 50, 50, 0, 0, TestInstance(), &win);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(hwnd, win.GetHwnd());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&win), UserDataOf(hwnd));
    EXPECT_FALSE(win.Saw(WM_NCCREATE));
    EXPECT_TRUE(win.Saw(WM_CREATE));
    // With no previous procedure a created window gets default processing.
    EXPECT_NE(0, SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc")));
    EXPECT_EQ("abc", TextOf(hwnd));
    DestroyWindow(hwnd);
}

TEST(Uwin, ModelessDialogBindsOnInitDialogAndReducesResultsToBool) {
    RecordingWin win;
    HWND hwnd = win.CreateModeless(TestInstance(), IDD_TEST, 0);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(UWIN::KIND_MODELESS, win.GetKind());
    EXPECT_EQ(hwnd, win.hwndAtInit); // bound before its handler saw the message
    EXPECT_EQ(reinterpret_cast<LPARAM>(&win), win.initLParam);
    EXPECT_EQ(reinterpret_cast<WPARAM>(GetDlgItem(hwnd, IDC_LIST)), win.initWParam);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&win), UserDataOf(hwnd));

    win.answer = 5;
    EXPECT_EQ(TRUE, UWIN::DialogProc(hwnd, MSG_ANSWER, 0, 0));
    win.answer = 0;
    EXPECT_EQ(FALSE, UWIN::DialogProc(hwnd, MSG_ANSWER, 0, 0));
    EXPECT_EQ(FALSE, UWIN::DialogProc(GetDlgItem(hwnd, IDC_LIST), MSG_ANSWER, 0, 0)); // no object bound

    DestroyWindow(hwnd);
    EXPECT_TRUE(win.Saw(WM_NCDESTROY));
    EXPECT_EQ(nullptr, win.GetHwnd()); // unbound when the window went away
}

TEST(Uwin, ModalDialogEndsThroughTheHandler) {
    RecordingWin win;
    ModalDriver driver("Toolkit modal test", IDOK);
    EXPECT_EQ(IDOK, win.DoModal(TestInstance(), IDD_MODAL, 0));
    EXPECT_TRUE(driver.acted);
    EXPECT_EQ(UWIN::KIND_MODAL, win.GetKind());
    EXPECT_TRUE(win.Saw(WM_INITDIALOG));
}

TEST(Uwin, SubclassPassesOnAndUnsubclassRestores) {
    TestDialog dlg;
    HWND edit = dlg.Item(IDC_EDIT);
    WNDPROC original = ProcOf(edit);

    RecordingWin never;
    never.Unsubclass(); // never subclassed: nothing happens
    EXPECT_EQ(original, ProcOf(edit));

    AttachedWin win;
    {
        AttachedWin first;
        first.Attach(edit);
        // Taking over a window that already runs through the shared procedure keeps the original as the
        // previous procedure, so passing a message on cannot call the shared procedure again.
        win.Attach(edit);
        EXPECT_EQ(original, win.GetPrevProc());
        win.Attach(edit);
        EXPECT_EQ(original, win.GetPrevProc());
    } // the first object is gone; the window is bound to the second one, which it keeps
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&win), UserDataOf(edit));
    SetWindowTextA(edit, "through");
    EXPECT_EQ("through", TextOf(edit));
    EXPECT_TRUE(win.Saw(WM_SETTEXT));

    win.Unsubclass();
    EXPECT_EQ(original, ProcOf(edit));
    EXPECT_EQ(nullptr, win.GetPrevProc());
    win.seen.clear();
    SetWindowTextA(edit, "direct");
    EXPECT_EQ("direct", TextOf(edit));
    EXPECT_FALSE(win.Saw(WM_SETTEXT));
}

LRESULT CALLBACK LaterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(UWIN::WindowProc, hwnd, msg, wParam, lParam);
}

TEST(Uwin, WindowOutlivingItsObjectNeverReachesIt) {
    TestDialog dlg;
    HWND edit = dlg.Item(IDC_EDIT);
    WNDPROC original = ProcOf(edit);

    auto* win = new AttachedWin;
    win->Attach(edit);
    delete win; // our procedure is current: the original comes back
    EXPECT_EQ(original, ProcOf(edit));
    EXPECT_EQ(0, UserDataOf(edit));
    SetWindowTextA(edit, "alive");
    EXPECT_EQ("alive", TextOf(edit));

    win = new AttachedWin;
    win->Attach(edit);
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)); // subclassed after us
    delete win;
    EXPECT_EQ(reinterpret_cast<WNDPROC>(LaterProc), ProcOf(edit)); // not torn out from under the later one
    EXPECT_EQ(0, UserDataOf(edit));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")); // reaches no deleted object
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));

    ASSERT_TRUE(UWIN::RegisterClass(TestInstance(), kClass, false));
    win = new AttachedWin;
    HWND created = win->Create(kClass, "", WS_POPUP, URECT{0, 0, 40, 40}, 0, 0, TestInstance(), SW_HIDE);
    ASSERT_TRUE(created);
    delete win;
    SendMessageA(created, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("late"));
    EXPECT_TRUE(DestroyWindow(created));
}

TEST(Uwin, DefaultFontIsSetAndDeleted) {
    TestDialog dlg;
    AttachedWin win;
    HWND edit = dlg.Item(IDC_EDIT);
    win.Attach(edit);

    win.SetDefaultFont();
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    EXPECT_EQ(win.GetFont(), font);
    win.DeleteFont();
    EXPECT_EQ(nullptr, win.GetFont());
    EXPECT_NE(font, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
}

TEST(Uwin, MovingWindowsAndItems) {
    TestDialog dlg;
    AttachedWin win;
    win.Move(URECT{1, 2, 3, 4}, TRUE); // no window yet: nothing

    HWND page = CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(IDD_PAGE), dlg.hwnd, 0, 0);
    win.Attach(page);

    win.MoveDlgItem(IDC_PAGEEDIT, URECT{2, 2, 50, 20}, TRUE);
    win.MoveDlgItem(4242, URECT{2, 2, 50, 20}, TRUE); // no such item: nothing
    RECT rc;
    GetWindowRect(GetDlgItem(page, IDC_PAGEEDIT), &rc);
    EXPECT_EQ(50, rc.right - rc.left);

    HWND tab = dlg.Item(IDC_TAB);
    SetParent(page, tab);
    win.FitToTab(tab);
    RECT display = GetTabDisplayRect(tab);
    GetWindowRect(page, &rc);
    MapWindowPoints(0, tab, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(display.left, rc.left);
    EXPECT_EQ(display.bottom, rc.bottom);
}
