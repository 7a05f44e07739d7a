#include <gtest/gtest.h>
#include <string>
#include "toolkit_test.h"
#include "ui/udlgcheck.h"
#include "ui/udlglist.h"

namespace {
std::string ListText(HWND list, int i) {
    char buf[64] = "";
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
    return buf;
}
std::string ComboText(HWND combo, int i) {
    char buf[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
    return buf;
}
} // namespace

TEST(Udlglist, InsertsInOrderAndKeepsItemData) {
    TestDialog dlg;
    UDLGLIST list;
    ASSERT_TRUE(list.Attach(dlg.hwnd, IDC_LIST));
    HWND h = dlg.Item(IDC_LIST);
    EXPECT_EQ(h, list.GetHwnd());
    list.AddStringData("a", 0);
    list.AddStringData("b", 22);
    list.AddStringData("c", 33);
    EXPECT_EQ(3, list.GetCount());

    list.SetString(1, "x");
    EXPECT_EQ("x", ListText(h, 1));
    EXPECT_EQ(22u, list.GetItemData(1));
    EXPECT_EQ(1, list.GetSelect());
    EXPECT_EQ(22u, list.GetSelectData());
    list.SetString(3, "beyond"); // outside the list: nothing changes
    list.SetString(-1, "before");
    EXPECT_EQ(3, SendMessageA(h, LB_GETCOUNT, 0, 0));

    EXPECT_FALSE(list.SetSelectData(0)); // data 0 never matches in a list
    EXPECT_TRUE(list.SetSelectData(33));
    EXPECT_EQ(2, list.GetSelect());
    EXPECT_FALSE(list.SetSelectData(44));
    EXPECT_EQ(2, list.GetSelect());

    EXPECT_EQ(0u, list.GetItemData(-1));
    EXPECT_EQ(0u, list.GetItemData(3)); // not the control's error value
}

TEST(Udlglist, MissingItemLeavesTheWrapperInert) {
    TestDialog dlg;
    UDLGLIST list;
    EXPECT_FALSE(list.Attach(dlg.hwnd, 4242));
    EXPECT_EQ(nullptr, list.GetHwnd());
    EXPECT_EQ(-1, list.AddString("a"));
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0u, list.GetSelectData());
    UDLGCHECK check;
    EXPECT_FALSE(check.Attach(dlg.hwnd, 4242));
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(0u, check.GetCheck());
}

TEST(Udlgcbox, AttachedComboSelectsDataZero) {
    TestDialog dlg;
    UDLGCBOX combo;
    ASSERT_TRUE(combo.Attach(dlg.hwnd, IDC_COMBO));
    const char* texts[] = {"none", "one", "two", 0};
    combo.SetStringList(texts);
    EXPECT_EQ(3, combo.GetCount());
    EXPECT_EQ(0, combo.GetSelect());
    combo.SetSelect(2);
    EXPECT_TRUE(combo.SetSelectData(0)); // every item has data 0; the first one is chosen
    EXPECT_EQ(0, combo.GetSelect());
}

TEST(Udlgcbox, CreatedComboHasIdFontAndSubclass) {
    TestDialog dlg;
    UDLGCBOX combo;
    ASSERT_EQ(1, combo.Create(dlg.hwnd, 2001, URECT{5, 5, 100, 120}));
    HWND h = combo.GetHwnd();
    EXPECT_EQ(h, GetDlgItem(dlg.hwnd, 2001));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(UWIN::WindowProc), GetWindowLongPtrA(h, GWLP_WNDPROC));
    EXPECT_EQ(combo.GetFont(), reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
    combo.AddStringData("ten", 10);
    combo.AddStringData("twenty", 20);
    EXPECT_TRUE(combo.SetSelectData(20));
    EXPECT_EQ(1, combo.GetSelect());
    EXPECT_EQ("twenty", ComboText(h, 1));
    EXPECT_FALSE(combo.SetSelectData(30));
    EXPECT_EQ(1, combo.GetSelect());

    // WM_CLOSE detaches and goes on to the control's own procedure.
    WNDPROC prev = combo.GetPrevProc();
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, combo.GetPrevProc());
    if (IsWindow(h)) {
        EXPECT_EQ(prev, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC)));
    }
}
