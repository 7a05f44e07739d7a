#include <gtest/gtest.h>
#include <string>
#include "toolkit_test.h"
#include "ui/udlghelp.h"

TEST(Udlghelp, EnableReachesNestedChildren) {
    TestDialog dlg;
    HWND inner = CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(IDD_PAGE), dlg.hwnd, 0, 0);
    ASSERT_TRUE(inner);
    EnableChildWindows(dlg.hwnd, FALSE);
    EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_INNERCHECK)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(inner, IDC_PAGEEDIT)));
    EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_LIST)));
    EnableChildWindows(dlg.hwnd, TRUE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(inner, IDC_PAGEEDIT)));
}

namespace {
RECT g_menuRect;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(0, id);
    if (HWND menu = FindWindowA("#32768", 0)) GetWindowRect(menu, &g_menuRect);
    EndMenu();
}
} // namespace

TEST(Udlghelp, PopupMenuOpensAtTheItem) {
    TestDialog dlg;
    ShowWindow(dlg.hwnd, SW_SHOWNA); // a menu needs a visible owner
    SetWindowPos(dlg.hwnd, 0, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_menuRect = RECT{-1, -1, -1, -1};
    UINT_PTR timer = SetTimer(0, 0, 100, CloseMenu);
    ShowPopupMenu(dlg.hwnd, IDC_EDIT, IDR_POPUP, 0); // returns once the menu is dismissed
    KillTimer(0, timer);
    POINT at = GetDlgItemScreenPos(dlg.hwnd, IDC_EDIT);
    EXPECT_EQ(at.x, g_menuRect.left);
    EXPECT_EQ(at.y, g_menuRect.top);
    ShowPopupMenu(dlg.hwnd, 0, 4242, 0); // no such menu resource: nothing happens
}
