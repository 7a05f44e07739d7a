#include <algorithm>
#include <stdexcept>
#include "base/trace.h"
#include "ui/uwin.h"
#include "ui_test.h"

namespace {

using UwinTest = UiTest;
const UINT MSG_ANSWER = WM_APP + 1; // answered with the preset value

// Records the messages its handler sees and passes the rest on; with a negative answer WM_SETTEXT throws.
struct RecordingWin : UWIN {
    std::vector<UINT> seen;
    HWND hwndAtInit = 0;
    LRESULT answer = 0;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        if (msg == WM_INITDIALOG) hwndAtInit = GetHwnd();
        if (msg == MSG_ANSWER) return answer;
        if (msg == WM_SETTEXT && answer < 0) throw std::runtime_error("broken");
        return CallPrevProc(hwnd, msg, wParam, lParam);
    }
    bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
    void Attach(HWND hwnd) {
        m_hwnd = hwnd;
        Subclass(hwnd);
    }
};

LRESULT CALLBACK LaterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(UWIN::WindowProc, hwnd, msg, wParam, lParam);
}

std::string g_trace;
void CollectTrace(void*, const char* text) {
    g_trace += text;
}

} // namespace

TEST_F(UwinTest, WindowsBindAtCreationDialogsAtInitAndBothPassOnWhatTheyDoNotTake) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = UWIN::WindowProc;
    wc.hInstance = GetModuleHandleA(0);
    wc.lpszClassName = "UWINSharedProcClass";
    RegisterClassA(&wc);
    RecordingWin shared;
    HWND hwnd =
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 50, 50, 0, 0, GetModuleHandleA(0), &shared);
    // Bound on it without the handler.
    EXPECT_EQ(std::tuple(hwnd, false), std::tuple(shared.GetHwnd(), shared.Saw(WM_NCCREATE)));
    SetWindowTextA(hwnd, "abc"); // default processing without a previous procedure
    EXPECT_EQ("abc", TextOf(hwnd));
    DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, shared.GetHwnd()); // unbound when the window went away

    ASSERT_TRUE(UWIN::RegisterClass(GetModuleHandleA(0), "UWINTestClass", false));
    RecordingWin win;
    hwnd = win.Create("UWINTestClass", "", WS_CHILD, URECT{10, 20, 150, 100}, dlg, 0, GetModuleHandleA(0),
                      SW_SHOW);
    SetWindowTextA(hwnd, "passed on"); // reaches the class procedure through the handler
    EXPECT_EQ("passed on", TextOf(hwnd));

    RecordingWin page; // a dialog binds on WM_INITDIALOG and answers TRUE or FALSE
    hwnd = page.CreateModeless(GetModuleHandleA(0), IDD_PAGE, dlg);
    EXPECT_EQ(hwnd, page.hwndAtInit); // bound before its handler saw the message
    page.answer = 5;
    EXPECT_EQ(TRUE, UWIN::DialogProc(hwnd, MSG_ANSWER, 0, 0));
    page.answer = 0;
    EXPECT_EQ(FALSE, UWIN::DialogProc(hwnd, MSG_ANSWER, 0, 0));
    EXPECT_EQ(FALSE, UWIN::DialogProc(GetDlgItem(hwnd, IDC_PAGEEDIT), MSG_ANSWER, 0, 0)); // none bound
}

TEST_F(UwinTest, AWindowNeverReachesADeletedObjectNorCallsItself) {
    HWND edit = Item(IDC_EDIT);
    LONG_PTR original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    RecordingWin older, newer;
    older.Attach(edit);
    newer.Attach(edit); // a second binding passes on to the original procedure, never to itself
    newer.Attach(edit);
    EXPECT_EQ(original, reinterpret_cast<LONG_PTR>(newer.GetPrevProc()));
    older.Unsubclass(); // the older object leaves the newer binding in place
    SetWindowTextA(edit, "through");
    EXPECT_EQ("through", TextOf(edit));
    EXPECT_EQ(1, std::count(newer.seen.begin(), newer.seen.end(), UINT(WM_SETTEXT)));
    EXPECT_FALSE(older.Saw(WM_SETTEXT));
    newer.Unsubclass();
    EXPECT_EQ(original, GetWindowLongPtrA(edit, GWLP_WNDPROC));

    ASSERT_TRUE(UWIN::RegisterClass(GetModuleHandleA(0), "UWINTestClass", false));
    auto* win = new RecordingWin;
    win->Attach(edit);
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)); // subclassed after us
    delete win;
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(LaterProc), GetWindowLongPtrA(edit, GWLP_WNDPROC)); // kept
    win = new RecordingWin;
    HWND made =
        win->Create("UWINTestClass", "", WS_POPUP, URECT{0, 0, 40, 40}, 0, 0, GetModuleHandleA(0), SW_HIDE);
    delete win;
    // Nothing is bound to the deleted objects any more, and the texts reach the windows.
    ASSERT_EQ(std::make_tuple(0, 0), std::make_tuple(GetWindowLongPtrA(edit, GWLP_USERDATA),
                                                     GetWindowLongPtrA(made, GWLP_USERDATA)));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    SendMessageA(made, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("late"));
    EXPECT_EQ(std::make_tuple(std::string("x"), std::string("late")),
              std::make_tuple(TextOf(edit), TextOf(made)));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, original);
    EXPECT_TRUE(DestroyWindow(made));
}

TEST_F(UwinTest, AnExceptionStopsAtTheProcedureAndIsTraced) {
    void* context;
    TRACEFUNC sink;
    GetTrace(context, sink);
    SetTrace(nullptr, CollectTrace);
    RecordingWin edit, page;
    edit.Attach(Item(IDC_EDIT));
    edit.answer = -1; // the edit still gets the message, as one the handler did not take
    EXPECT_TRUE(SetWindowTextA(Item(IDC_EDIT), "kept"));
    EXPECT_EQ("kept", TextOf(Item(IDC_EDIT)));
    page.answer = -1;
    EXPECT_EQ(FALSE,
              UWIN::DialogProc(page.CreateModeless(GetModuleHandleA(0), IDD_PAGE, dlg), WM_SETTEXT, 0, 0));
    SetTrace(context, sink);
    EXPECT_NE(std::string::npos, g_trace.find("exception caught (broken)"));
}

TEST_F(UwinTest, UpdateRectAgainstTheParentOrTheScreen) {
    RecordingWin child, top;
    child.Attach(CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_PAGE), dlg, 0, 0));
    child.Move(URECT{5, 7, 60, 40}, TRUE);
    child.UpdateRect();
    RECT dr;
    GetWindowRect(dlg, &dr);
    POINT origin = {5, 7};
    ClientToScreen(dlg, &origin); // against the parent's window rectangle, not its client area
    EXPECT_EQ(std::make_tuple(origin.x - dr.left, origin.y - dr.top),
              std::make_tuple(child.GetRect().x, child.GetRect().y));
    top.Attach(dlg); // no parent: the screen rectangle's edges as they are
    MoveWindow(dlg, 30, 40, 200, 100, FALSE);
    top.UpdateRect();
    EXPECT_EQ(std::make_tuple(30, 230, 140),
              std::make_tuple(top.GetRect().x, top.GetRect().width, top.GetRect().height));
}
