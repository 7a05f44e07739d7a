#include "ui_test.h"
#include <commctrl.h>
#include <cstring>
#include "ui/utabtbl.h"

namespace {

using TabTest = UiTest;
const char* const kLabels[5] = {"Comm", "Light", "Mtl", "Rend", "Cam"};

bool Visible(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND NewPage(HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_PAGE), parent, 0, 0);
}

// Five page windows in a table made in the dialog, the way the property pane builds its own.
void AddFivePages(UTABTBL& table, HWND dialog, int scroll, HWND* pages) {
    URECT rc{10, 10, 300, 200};
    ASSERT_EQ(1, table.Create(dialog, &rc, scroll));
    for (int i = 0; i < 5; ++i) {
        pages[i] = NewPage(table.GetHwnd());
        table.AddPageWindow(kLabels[i], pages[i], 0);
    }
    table.SelectTab(0);
    table.Layout();
}

// The selected tab, then for each page 1 when it shows, with * on the one the table calls current.
std::string State(const UTABTBL& t, const HWND* pages) {
    std::string out = std::to_string(SendMessageA(t.GetHwnd(), TCM_GETCURSEL, 0, 0)) + " ";
    for (int i = 0; i < 5; ++i)
        out += (Visible(pages[i]) ? "1" : "0") + std::string(t.GetCurPage() == t.GetPage(i) ? "*" : "");
    return out;
}

} // namespace

TEST_F(TabTest, TheSelectedTabShowsOnlyItsPageAndTheListRoutesItsChanges) {
    UTABTBL table;
    HWND pages[5];
    AddFivePages(table, dlg, 0, pages);
    HWND tab = table.GetHwnd();
    EXPECT_EQ("0 1*0000", State(table, pages)); // the first tab and its page
    UTABTBLLIST list;
    list.Add(&table);
    SendMessageA(tab, TCM_SETCURSEL, 2, 0);
    NMHDR click = {tab, 0, UINT(NM_CLICK)}, stranger = {Item(IDC_TAB), 0, UINT(TCN_SELCHANGE)};
    NMHDR mine = {tab, 0, UINT(TCN_SELCHANGE)};
    EXPECT_EQ(0, list.OnNotify(dlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click)));
    EXPECT_EQ(0, list.OnNotify(dlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&stranger)));
    EXPECT_EQ("2 100*00", State(table, pages));
    EXPECT_EQ(1, list.OnNotify(dlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&mine)));
    EXPECT_EQ("2 001*00", State(table, pages));

    table.SetPageShownByLabel("Comm", false); // out of the strip: the tabs map to the pages after it
    EXPECT_EQ(4, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(2, table.TabToPage(1));
    EXPECT_EQ("0 01*000", State(table, pages)); // the new first tab's page shows
    table.SetPageShownByHwnd(pages[0], true);   // back in its place
    EXPECT_EQ(std::tuple(3, std::string("0 1*0000")), std::tuple(table.TabToPage(3), State(table, pages)));
}

TEST_F(TabTest, TemplatePagesBoundedLabelsAndPagesGoWithTheTable) {
    HWND window = NewPage(dlg);
    {
        UTABTBL table;
        ASSERT_TRUE(table.AttachDlgItemScroll(dlg, IDC_TAB));
        const UTABPAGEDESC descs[] = {{"one", IDD_PAGE, 0}, {"two", IDD_PAGE, 0}, {0, 0, 0}};
        table.AddPages(descs);
        ASSERT_EQ(2, table.GetPageCount());
        EXPECT_EQ(table.GetHost(), GetParent(table.GetPageHwnd(1))); // pages live in the host
        table.ShowOnlyById(IDD_PAGE);
        std::string label = "a";
        for (int i = 0; i < 700; ++i)
            label += "あ"; // 1401 bytes
        table.AddPageWindow(label.c_str(), window, 0);
        const char* kept = table.GetPage(2)->label;
        EXPECT_EQ(label.substr(0, 1023), kept); // whole characters below 1024 bytes
        SendMessageA(table.GetHwnd(), WM_CLOSE, 0, 0);
        EXPECT_EQ(std::make_tuple(HWND(0), FALSE), std::make_tuple(table.GetPageHwnd(0), IsWindow(window)));
        window = NewPage(dlg);
        table.AddPageWindow("b", window, 0);
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(TabTest, ATallPageScrollsInItsHost) {
    UTABTBL table;
    HWND pages[5];
    AddFivePages(table, dlg, 1, pages);
    HWND tab = table.GetHwnd();
    // The display area made exactly 400 high and the current page 600 high.
    RECT display = GetTabPageRect(tab), win;
    GetWindowRect(tab, &win);
    int height = (win.bottom - win.top) + 400 - (display.bottom - display.top);
    SetWindowPos(tab, 0, 0, 0, win.right - win.left, height, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(pages[0], 0, 0, 0, 200, 600, SWP_NOMOVE | SWP_NOZORDER);
    table.Layout();
    HWND bar = table.GetScrollBar().GetHwnd();
    EXPECT_EQ(0, SendMessageA(tab, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar)));
    EXPECT_EQ(0, SendMessageA(tab, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0)); // no whole notch: no move
    RECT rc;
    GetWindowRect(pages[0], &rc);
    MapWindowPoints(0, table.GetHost(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(std::make_tuple(-200L, 200), std::make_tuple(rc.top, GetScrollPos(bar, SB_CTL)));
}
