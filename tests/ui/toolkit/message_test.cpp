#include "ui/editdlgmess.h"
#include "ui_test.h"

namespace {

using MessageTest = UiTest;
const URECT kArea{0, 0, 300, 100};

int g_fontAliveAtDestroy = -1;
WNDPROC g_editProc = 0;
LRESULT CALLBACK WatchDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY)
        g_fontAliveAtDestroy = GetObjectType(reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    return CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}

} // namespace

TEST_F(MessageTest, PrintedLinesBreakTheLastStaysInViewAndTheOldestGoAtTheLimit) {
    EDITDLGMESS mess;
    HWND h = mess.Create(dlg, &kArea);
    UMESS& sink = mess;
    sink.Print("a\nb");
    sink.Print("c");    // no line feed: joins the last line
    sink.Print("\r\n"); // kept as it comes: CR CR LF
    EDITDLGMESS::OutputProc(0, "dropped");
    EDITDLGMESS unplaced; // no window yet: its text goes nowhere, not even to its own window later
    unplaced.Print("nowhere");
    HWND placed = unplaced.Create(dlg, &kArea);
    unplaced.Print("here");
    EXPECT_EQ(std::pair(std::string("a\r\nbc\r\r\n"), std::string("here")),
              std::pair(TextOf(h), TextOf(placed)));
    for (int i = 0; i < 50; ++i)
        sink.PrintfLn("line %d", i);
    EXPECT_GT(SendMessageA(h, EM_GETFIRSTVISIBLELINE, 0, 0), 40); // the view follows the last line
    mess.SetMaxLength(10); // the oldest lines go at the limit, a long line keeps whole characters
    SetWindowTextA(h, "12345\r\n6789\r\n");
    mess.Append("x");
    EXPECT_EQ("6789\r\nx", TextOf(h));
    mess.Append("\nあいうえおかきくけこ"); // 20 bytes, no line to drop
    EXPECT_EQ("きくけこ", TextOf(h));
    mess.SetMaxLength(0);
    mess.Append("z");
    EXPECT_EQ("", TextOf(h));
    mess.DeleteFont(); // the living edit no longer draws with it
    EXPECT_EQ(nullptr, reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
}

TEST_F(MessageTest, TheEditGoesBeforeItsFont) {
    auto* owned = new EDITDLGMESS;
    HWND edit = owned->Create(dlg, 0);
    HFONT first = owned->GetFont();
    owned->SetDefaultFont(); // a second font takes the first one's place, and the first goes
    HFONT font = owned->GetFont();
    EXPECT_EQ(std::make_tuple(0u, font),
              std::make_tuple(unsigned(GetObjectType(first)), HFONT(SendMessageA(edit, WM_GETFONT, 0, 0))));
    g_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)WatchDestroy));
    delete owned;
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(std::make_tuple(OBJ_FONT, 0u),
              std::make_tuple(g_fontAliveAtDestroy, unsigned(GetObjectType(font))));
}
