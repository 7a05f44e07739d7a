#include <gtest/gtest.h>
#include <string>
#include "toolkit_test.h"
#include "ui/editdlgmess.h"

namespace {
std::string Text(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    std::string s(n + 1, '\0');
    s.resize(GetWindowTextA(hwnd, &s[0], n + 1));
    return s;
}

struct MessWindow {
    TestDialog dlg;
    EDITDLGMESS mess;
    HWND h = 0;
    MessWindow() {
        URECT rc{0, 0, 300, 100};
        h = mess.Create(dlg.hwnd, &rc);
    }
};
} // namespace

TEST(Editdlgmess, LineFeedsBecomeLineBreaks) {
    MessWindow t;
    t.mess.Append("a\nb");
    EXPECT_EQ("a\r\nb", Text(t.h));
    t.mess.Append("c"); // no line feed: joins the last line
    EXPECT_EQ("a\r\nbc", Text(t.h));
    t.mess.Append("\r\n"); // kept as it comes: CR CR LF
    EXPECT_EQ("a\r\nbc\r\r\n", Text(t.h));
}

TEST(Editdlgmess, PrintsThroughTheSink) {
    MessWindow t;
    UMESS& sink = t.mess;
    sink.PrintfLn("n=%d", 5);
    sink.Print("%s");
    EXPECT_EQ("n=5\r\n%s", Text(t.h));
    EDITDLGMESS::OutputProc(0, "dropped");
    EDITDLGMESS unplaced; // no window yet: printing does nothing
    unplaced.Print("nowhere");
}

TEST(Editdlgmess, DropsTheOldestLinesAtTheLimit) {
    MessWindow t;
    t.mess.SetMaxLength(10);
    SetWindowTextA(t.h, "12345\r\n6789\r\n");
    t.mess.Append("x");
    EXPECT_EQ("6789\r\nx", Text(t.h));
}

TEST(Editdlgmess, LongLineKeepsWholeCharacters) {
    MessWindow t;
    t.mess.SetMaxLength(10);
    t.mess.Append("あいうえおかきくけこ"); // 20 bytes, no line to drop
    std::string kept = Text(t.h);
    EXPECT_EQ("きくけこ", kept);
    t.mess.SetMaxLength(0);
    t.mess.Append("z");
    EXPECT_EQ("", Text(t.h));
}

TEST(Editdlgmess, FollowsTheLastLine) {
    MessWindow t;
    for (int i = 0; i < 50; ++i)
        t.mess.PrintfLn("line %d", i);
    t.mess.Print("last");
    LRESULT count = SendMessageA(t.h, EM_GETLINECOUNT, 0, 0);
    EXPECT_EQ(51, count);
    EXPECT_GT(SendMessageA(t.h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The last character lies inside the client area.
    LRESULT pos = SendMessageA(t.h, EM_POSFROMCHAR, GetWindowTextLengthA(t.h) - 1, 0);
    RECT rc;
    GetClientRect(t.h, &rc);
    int y = static_cast<short>(HIWORD(pos));
    EXPECT_GE(y, 0);
    EXPECT_LT(y, rc.bottom);
}

namespace {
int g_fontAliveAtDestroy = -1;
WNDPROC g_editProc = 0;
LRESULT CALLBACK WatchDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
        g_fontAliveAtDestroy = GetObjectType(font) == OBJ_FONT;
    }
    return CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}
} // namespace

TEST(Editdlgmess, DestroysTheEditBeforeItsFont) {
    TestDialog dlg;
    auto* mess = new EDITDLGMESS;
    HWND h = mess->Create(dlg.hwnd, 0);
    ASSERT_TRUE(h);
    HFONT font = mess->GetFont();
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchDestroy)));
    delete mess;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(1, g_fontAliveAtDestroy);
    EXPECT_EQ(0u, static_cast<unsigned>(GetObjectType(font)));
}
