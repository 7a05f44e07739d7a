#include <cstring>
#include "controls_test.h"
#include "ui/udlgbutton.h"
#include "ui/udlgpopupmenu.h"

namespace {

using ButtonTest = ControlsTest;
using PopupMenuTest = ControlsTest;

// Picks the first item of the open popup menu from a thread timer, while the menu's own loop runs.
void CALLBACK PickFirst(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(0, timer);
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
}

} // namespace

TEST_F(ButtonTest, ReportsClicksAndCopiesItsTextBoundedBetweenCharacters) {
    UDLGBUTTON button;
    ASSERT_TRUE(button.Create(dlg, IDC_BUTTON, URECT{200, 120, 80, 24}, "押す"));
    HWND hwnd = button.GetHwnd();
    SendMessageA(hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(1, Heard(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_CLICKED)));

    button.SetText("あいう");
    char text[8];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(2, button.GetText(text, 4)); // 3 bytes would split the second character
    EXPECT_STREQ("あ", text);
    EXPECT_EQ('x', text[3]);
    EXPECT_EQ(0, button.GetText(text, 1));
    EXPECT_STREQ("", text);
    DestroyWindow(hwnd);
    EXPECT_EQ(0, button.GetText(text, sizeof text)); // the window is gone
}

TEST_F(PopupMenuTest, AMissingMenuLeavesEverythingInert) {
    UDLGPOPUPMENU menu;
    EXPECT_FALSE(menu.Load(dlg, IDC_CHECKICON, 999, 0));
    EXPECT_FALSE(menu.Load(dlg, IDC_CHECKICON, IDR_CTRLMENU, 5)); // no such sub-menu
    EXPECT_EQ(nullptr, menu.GetMenu());
    menu.EnableItem(IDM_FIRST, FALSE);
    menu.CheckItem(IDM_FIRST, TRUE);
    menu.SetItemText(IDM_FIRST, "x");
    EXPECT_EQ(0, menu.Track());
    EXPECT_EQ(0, menu.Open(dlg, IDC_CHECKICON, 999, 0));
}

TEST_F(PopupMenuTest, TheChosenCommandReachesTheOwner) {
    UDLGPOPUPMENU menu;
    SetTimer(0, 0, 100, PickFirst);
    EXPECT_EQ(1, menu.Open(dlg, IDC_CHECKICON, IDR_CTRLMENU, 0));
    PumpMessages();
    EXPECT_EQ(1, Heard(WM_COMMAND, IDM_FIRST));
    POINT pt = {30, 30};
    menu.SetPos(pt);
    SetTimer(0, 0, 100, PickFirst);
    EXPECT_EQ(1, menu.Track());
    PumpMessages();
    EXPECT_EQ(2, Heard(WM_COMMAND, IDM_FIRST));
}
