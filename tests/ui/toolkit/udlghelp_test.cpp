#include <gtest/gtest.h>
#include <string>
#include "toolkit_test.h"
#include "ui/udlghelp.h"

TEST(Udlghelp, LocaleTest) {
    LCID saved = GetThreadLocale();
    SetThreadLocale(1041);
    EXPECT_TRUE(IsJapaneseLocale());
    SetThreadLocale(2052);
    EXPECT_FALSE(IsJapaneseLocale());
    SetEnglishLocale();
    EXPECT_FALSE(IsJapaneseLocale());
    EXPECT_EQ(1033u, GetThreadLocale());
    SetThreadLocale(saved);
}

TEST(Udlghelp, ItemTextTables) {
    TestDialog dlg;
    char buf[64];
    const UDLGITEMTEXT empty[] = {{IDC_EDIT, 0}, {IDC_CHECK, "never"}};
    SetDlgItemTexts(dlg.hwnd, empty);
    GetDlgItemTextA(dlg.hwnd, IDC_CHECK, buf, sizeof buf);
    EXPECT_STREQ("チェック", buf);

    HFONT font = SetDialogFont(0);
    ASSERT_TRUE(font);
    const UDLGITEMTEXT table[] = {{IDC_EDIT, "edit"}, {IDC_CHECK, "日本語"}, {0, 0}};
    SetDlgItemTextsFont(dlg.hwnd, font, table);
    GetDlgItemTextA(dlg.hwnd, IDC_CHECK, buf, sizeof buf);
    EXPECT_STREQ("日本語", buf);
    GetDlgItemTextA(dlg.hwnd, IDC_EDIT, buf, sizeof buf);
    EXPECT_STREQ("edit", buf);
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendDlgItemMessageA(dlg.hwnd, IDC_EDIT, WM_GETFONT, 0, 0)));
    DestroyWindow(dlg.hwnd);
    DeleteObject(font);
}

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

TEST(Udlghelp, ScreenPositionsAndMenus) {
    TestDialog dlg;
    RECT rc;
    GetClientRect(dlg.hwnd, &rc);
    POINT corner = {rc.right, 0};
    ClientToScreen(dlg.hwnd, &corner);
    POINT p = GetDlgItemScreenPos(dlg.hwnd, 0);
    EXPECT_EQ(corner.x, p.x);
    EXPECT_EQ(corner.y, p.y);
    p = GetDlgItemScreenPos(dlg.hwnd, 4242); // no such item: the window itself
    EXPECT_EQ(corner.x, p.x);

    int x, y, w, h;
    HWND edit = dlg.Item(IDC_EDIT);
    GetChildRect(dlg.hwnd, edit, &x, &y, &w, &h);
    RECT prc, erc;
    GetWindowRect(dlg.hwnd, &prc);
    GetWindowRect(edit, &erc);
    EXPECT_EQ(erc.left - prc.left, x);
    EXPECT_EQ(erc.bottom - erc.top, h);

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 7, "item");
    CheckMenu(menu, 7, TRUE);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, 7, MF_BYCOMMAND) & MF_CHECKED);
    CheckMenu(menu, 7, FALSE);
    EXPECT_EQ(0u, GetMenuState(menu, 7, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(menu);
    ShowPopupMenu(dlg.hwnd, 0, 4242, 0); // no such menu resource: nothing happens
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
}
