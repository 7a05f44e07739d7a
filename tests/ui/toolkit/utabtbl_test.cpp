#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "toolkit_test.h"
#include <commctrl.h>
#include "ui/utabtbl.h"

namespace {
bool Shown(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND NewPageDialog(HWND parent) {
    return CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(IDD_PAGE), parent, 0, 0);
}

std::string TabLabel(HWND tab, int i) {
    char buf[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    return buf;
}

// A table of five pages in the test dialog, the way the property pane builds its own.
struct FivePages {
    TestDialog dlg;
    UTABTBL table;
    HWND pages[5] = {};
    const char* labels[5] = {"Comm", "Light", "Mtl", "Rend", "Cam"};
    explicit FivePages(int scroll = 0) {
        URECT rc{10, 10, 300, 200};
        EXPECT_EQ(1, table.Create(dlg.hwnd, &rc, scroll));
        for (int i = 0; i < 5; ++i) {
            pages[i] = NewPageDialog(table.GetHwnd()); // pages are children of the tab control
            table.AddPageWindow(labels[i], pages[i], 0);
        }
        table.SelectTab(0);
        table.Layout();
    }
    int VisibleCount() const {
        int n = 0;
        for (HWND p : pages)
            n += Shown(p);
        return n;
    }
};

NMHDR SelChange(HWND from) {
    NMHDR hdr = {};
    hdr.hwndFrom = from;
    hdr.code = TCN_SELCHANGE;
    return hdr;
}
} // namespace

TEST(Utabtbl, SelectingATabShowsOnlyItsPage) {
    FivePages t;
    HWND tab = t.table.GetHwnd();
    EXPECT_EQ(5, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("Mtl", TabLabel(tab, 2));
    EXPECT_TRUE(Shown(t.pages[0]));
    EXPECT_EQ(1, t.VisibleCount());
    // Pages lie on the display area of the tab control.
    RECT display = GetTabPageRect(tab);
    RECT rc;
    GetWindowRect(t.pages[0], &rc);
    MapWindowPoints(0, tab, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(display.left, rc.left);
    EXPECT_EQ(display.bottom, rc.bottom);

    EXPECT_EQ(3, t.table.SetCurSel(3));
    EXPECT_TRUE(Shown(t.pages[3]));
    EXPECT_EQ(1, t.VisibleCount());
    EXPECT_EQ(t.table.GetPage(3), t.table.GetCurPage());
    EXPECT_EQ(tab, GetFocus());
    EXPECT_EQ(nullptr, t.table.GetPageHwnd(5));
}

TEST(Utabtbl, ListRoutesSelectionChangesToTheSendingTable) {
    FivePages t;
    UTABTBLLIST list;
    list.Add(&t.table);
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(&t.table, list.Get(0));
    EXPECT_EQ(nullptr, list.Get(1));

    HWND tab = t.table.GetHwnd();
    SendMessageA(tab, TCM_SETCURSEL, 2, 0);
    NMHDR other = SelChange(tab);
    other.code = NM_CLICK;
    EXPECT_EQ(0, list.OnNotify(t.dlg.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other)));
    NMHDR stranger = SelChange(t.dlg.Item(IDC_TAB));
    EXPECT_EQ(0, list.OnNotify(t.dlg.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&stranger)));
    EXPECT_TRUE(Shown(t.pages[0]));

    NMHDR mine = SelChange(tab);
    EXPECT_EQ(1, list.OnNotify(t.dlg.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&mine)));
    EXPECT_TRUE(Shown(t.pages[2]));
    EXPECT_EQ(1, t.VisibleCount());
}

TEST(Utabtbl, PagesOutOfTheStripStayHidden) {
    FivePages t;
    HWND tab = t.table.GetHwnd();
    UTABTBLONE* light = t.table.FindPageByLabel("Light");
    ASSERT_EQ(t.table.GetPage(1), light);
    EXPECT_EQ(nullptr, t.table.FindPageByLabel("light")); // exact bytes

    t.table.SetPageShown(light, false);
    EXPECT_EQ(4, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("Mtl", TabLabel(tab, 1));
    EXPECT_EQ(2, t.table.TabToPage(1));
    EXPECT_EQ(-1, t.table.TabToPage(4));
    t.table.ShowOnly(1);
    EXPECT_FALSE(Shown(t.pages[1]));
    EXPECT_EQ(0, t.VisibleCount());
    EXPECT_EQ(2, t.table.SetCurSel(1));
    EXPECT_TRUE(Shown(t.pages[2]));

    t.table.SetPageShown(light, true);
    EXPECT_EQ(5, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("Light", TabLabel(tab, 1));
    EXPECT_TRUE(Shown(t.pages[0])); // the first tab is selected again
    EXPECT_EQ(1, t.VisibleCount());

    t.table.SetPageShownByLabel("Comm", false); // the first page leaves: the new first tab's page shows
    EXPECT_EQ(0, t.table.GetPage(0)->inStrip);
    EXPECT_TRUE(Shown(t.pages[1]));
    EXPECT_EQ(1, t.VisibleCount());
}

TEST(Utabtbl, TemplatePagesAndBoundedLabels) {
    TestDialog dlg;
    UTABTBL table;
    table.AddPage("early", IDD_PAGE, 0); // no tab control yet: nothing
    EXPECT_EQ(0, table.GetPageCount());
    ASSERT_TRUE(table.AttachDlgItem(dlg.hwnd, IDC_TAB));
    const UTABPAGEDESC descs[] = {{"one", IDD_PAGE, 0}, {"two", IDD_PAGE, 0}, {0, 0, 0}};
    table.AddPages(descs);
    ASSERT_EQ(2, table.GetPageCount());
    HWND page = table.GetPageHwnd(1);
    ASSERT_TRUE(page);
    EXPECT_EQ(table.GetHwnd(), GetParent(page));
    EXPECT_EQ(IDD_PAGE, table.GetPage(1)->templateId);
    EXPECT_EQ(table.GetPage(0), table.FindPageById(IDD_PAGE));

    std::string label;
    for (int i = 0; i < 700; ++i)
        label += "ab"[i % 2] + std::string("あ"); // 2100 bytes: 'a' or 'b' and a double-byte character
    table.AddPageWindow(label.c_str(), NewPageDialog(dlg.hwnd), 0);
    const char* kept = table.GetPage(2)->label;
    size_t n = strlen(kept);
    EXPECT_LE(n, 1023u);
    EXPECT_GE(n, 1021u);
    EXPECT_EQ(0, label.compare(0, n, kept)); // a prefix of whole characters
    EXPECT_EQ(0u, n % 3);
    table.AddPageWindow(0, NewPageDialog(dlg.hwnd), 0); // no label: no page
    EXPECT_EQ(3, table.GetPageCount());

    UTABTBL missing;
    EXPECT_FALSE(missing.AttachDlgItem(dlg.hwnd, 4242));
    EXPECT_EQ(nullptr, missing.GetHwnd());
}

TEST(Utabtbl, CloseAndDestructionTakeThePagesAlong) {
    TestDialog dlg;
    HWND a = NewPageDialog(dlg.hwnd);
    HWND b = NewPageDialog(dlg.hwnd);
    HWND tab;
    {
        UTABTBL table;
        ASSERT_TRUE(table.AttachDlgItem(dlg.hwnd, IDC_TAB));
        tab = table.GetHwnd();
        table.AddPageWindow("a", a, 0);
        SendMessageA(tab, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(a));
        EXPECT_EQ(nullptr, table.GetPageHwnd(0));
        table.AddPageWindow("b", b, 0);
    }
    EXPECT_FALSE(IsWindow(b));
}

namespace {
// Five pages in scroll mode, the display area made exactly 400 high and the current page 600 high.
struct TallPage : FivePages {
    HWND tab = 0;
    HWND page = 0;
    TallPage() : FivePages(1) {
        tab = table.GetHwnd();
        RECT display = GetTabPageRect(tab);
        RECT win;
        GetWindowRect(tab, &win);
        SetWindowPos(tab, 0, 0, 0, win.right - win.left,
                     (win.bottom - win.top) + 400 - (display.bottom - display.top),
                     SWP_NOMOVE | SWP_NOZORDER);
        page = pages[0];
        SetWindowPos(page, 0, 0, 0, 200, 600, SWP_NOMOVE | SWP_NOZORDER);
        table.Layout();
    }
    int PageTop() const {
        RECT rc;
        GetWindowRect(page, &rc);
        MapWindowPoints(0, table.GetHost(), reinterpret_cast<POINT*>(&rc), 2);
        return rc.top;
    }
};
} // namespace

TEST(Utabtbl, TallPageScrollsInItsHost) {
    TallPage t;
    ASSERT_TRUE(t.table.GetHost());
    EXPECT_EQ(t.table.GetHost(), GetParent(t.page));
    EXPECT_EQ(400, t.table.GetPageArea().height);

    HWND bar = t.table.GetScrollBar().GetHwnd();

    EXPECT_EQ(0, SendMessageA(t.tab, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar)));
    EXPECT_EQ(200, t.table.GetPage(0)->scrollOffset);
    EXPECT_EQ(-200, t.PageTop());

    // One wheel notch up moves 40 pixels towards the top and stays with the table.
    EXPECT_EQ(0, SendMessageA(t.tab, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0));
    EXPECT_EQ(160, t.table.GetPage(0)->scrollOffset);
    EXPECT_EQ(-160, t.PageTop());
    EXPECT_EQ(160, GetScrollPos(bar, SB_CTL));
}

TEST(Utabtbl, AttachedScrollTableAndStyle) {
    TestDialog dlg;
    UTABTBL table;
    ASSERT_TRUE(table.AttachDlgItemScroll(dlg.hwnd, IDC_TAB));
    HWND tab = table.GetHwnd();
    EXPECT_EQ(1, table.IsScrollMode());
    ASSERT_TRUE(table.GetHost());
    EXPECT_EQ(tab, GetParent(table.GetHost()));

    table.AddPage("tmpl", IDD_PAGE, 0);
    table.AddPageWindow("win", NewPageDialog(tab), 0);
    EXPECT_EQ(table.GetHost(), GetParent(table.GetPageHwnd(0))); // pages live in the host
    EXPECT_EQ(table.GetHost(), GetParent(table.GetPageHwnd(1)));
    table.ShowOnlyById(IDD_PAGE);
    EXPECT_TRUE(Shown(table.GetPageHwnd(0)));
    EXPECT_FALSE(Shown(table.GetPageHwnd(1)));
}
