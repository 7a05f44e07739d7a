#include "ui/udlgcheck.h"
#include "ui/udlgcheckicon.h"
#include "ui/udlgcelsbar.h"
#include "ui/udlgcol.h"
#include "ui/udlglightsph.h"
#include "ui/udlglist.h"
#include "ui/udlgscroll.h"
#include "ui/udlgslider.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"
#include "ui/udlgtree.h"
#include "ui/utabtbl.h"
#include "ui_test.h"

namespace {

using ListTest = UiTest;

// A wrapper attached to an item the dialog lacks keeps no window, and using it then changes nothing: what
// Attach answered and the window kept after the use.
template <class W, class... More> std::pair<int, HWND> Inert(HWND dialog, void (*use)(W&), More... more) {
    W w;
    const int attached = w.Attach(dialog, IDC_MISSING, more...);
    use(w);
    return {attached, w.GetHwnd()};
}

} // namespace

TEST_F(ListTest, ListsInsertInOrderKeepItemDataAndSelectByIt) {
    const char* texts[] = {"none", "one", "two", 0};
    UDLGLIST list;
    ASSERT_TRUE(list.Attach(dlg, IDC_LIST));
    list.SetStrings(texts, 1);
    list.AddStringData("b", 22);
    list.AddStringData("c", 33);
    list.SetString(1, "x");      // keeps the item's data and selects it
    list.SetString(3, "beyond"); // outside the list: nothing changes
    EXPECT_EQ(std::make_tuple(3L, 22u),
              std::make_tuple(long(SendMessageA(list.GetHwnd(), LB_GETCOUNT, 0, 0)), list.GetSelectData()));
    // Data 0 never matches in a list.
    EXPECT_EQ(std::tuple(false, true), (std::tuple{list.SetSelectData(0), list.SetSelectData(33)}));
    // Selected by its data; data outside the list is no error value.
    EXPECT_EQ(std::make_tuple(2, 0u), std::make_tuple(list.GetSelect(), list.GetItemData(3)));

    UDLGCBOX combo, made;
    ASSERT_TRUE(combo.Attach(dlg, IDC_COMBO));
    ASSERT_EQ(1, made.Create(dlg, 2001, URECT{5, 5, 100, 120}));
    combo.SetStringList(texts);
    combo.SetSelect(2);
    // A combo matches data 0: the first item.
    EXPECT_EQ(std::tuple(true, 0), (std::tuple{combo.SetSelectData(0), combo.GetSelect()}));
}

TEST_F(ListTest, ScrollCodesWheelNotchesAndOtherBars) {
    UDLGSCROLL bar;
    bar.Attach(dlg, IDC_VSCROLL, SB_CTL);
    bar.SetRange(0, 100);
    bar.SetPage(10);
    bar.SetPos(85);
    LPARAM self = reinterpret_cast<LPARAM>(bar.GetHwnd());
    const std::tuple<int, int, int> steps[] = {
        {SB_LINEUP, 0, 84},      {SB_LINEDOWN, 0, 85},        {SB_PAGEUP, 0, 75}, {SB_PAGEDOWN, 0, 85},
        {SB_THUMBTRACK, 40, 40}, {SB_THUMBPOSITION, 150, 90}, {SB_TOP, 0, 0},     {SB_LINEUP, 0, 0},
        {SB_BOTTOM, 0, 90},      {SB_ENDSCROLL, 0, 90},       {SB_PAGEUP, 0, 80},
    };
    for (const auto& [code, thumb, expect] : steps) {
        bar.OnScroll(WM_VSCROLL, MAKEWPARAM(code, thumb), self);
        EXPECT_EQ(expect, GetScrollPos(bar.GetHwnd(), SB_CTL)) << "code " << code;
    }
    EXPECT_EQ(0, bar.OnScroll(WM_VSCROLL, SB_LINEDOWN, (LPARAM)Item(IDC_EDIT))); // another bar's
    bar.SetPos(50);
    bar.SetWheelStep(40);
    EXPECT_EQ(0, bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0)); // two notches at once: ignored
    EXPECT_EQ(1, bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0));
    EXPECT_EQ(10, bar.GetPosCached());
    EXPECT_EQ(1, bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 0xFF88), 0));
    EXPECT_EQ(50, bar.GetPosCached());
    bar.SetPage(100); // the page shows everything: nothing to scroll
    EXPECT_EQ(0, bar.OnScroll(WM_VSCROLL, SB_TOP, self));
}

TEST_F(ListTest, WrappersOfAMissingItemStayInert) {
    HICON icon = LoadIconA(0, IDI_APPLICATION);
    const std::pair<const char*, std::pair<int, HWND>> rows[] = {
        {"list", Inert<UDLGLIST>(dlg, [](UDLGLIST& w) { w.AddString("a"); })},
        {"check", Inert<UDLGCHECK>(dlg, [](UDLGCHECK& w) { w.SetCheck(BST_CHECKED); })},
        {"scroll", Inert<UDLGSCROLL>(
                       dlg, [](UDLGSCROLL& w) { w.OnScroll(WM_VSCROLL, SB_LINEDOWN, 0); }, SB_CTL)},
        {"text", Inert<UDLGTEXT>(dlg, [](UDLGTEXT& w) { w.Printf("%s", "nowhere"); })},
        {"int", Inert<UDLGINTS>(dlg, [](UDLGINTS& w) { w.SetValue(3); })},
        {"spin", Inert<UDLGFLOAT>(dlg, [](UDLGFLOAT& w) { w.SetValue(0.5f); })},
        {"swatch", Inert<UDLGCOL>(
                       dlg, [](UDLGCOL& w) { w.SetColor(RGBCOLOR(1, 2, 3)); }, RGBCOLOR())},
        {"sphere", Inert<UDLGLIGHTSPH>(dlg, [](UDLGLIGHTSPH& w) { w.PickDirection(); })},
        {"toggle", Inert<UDLGCHECKICON>(
                       dlg, [](UDLGCHECKICON& w) { w.Draw(); }, icon, RGBCOLOR())},
        {"ramp", Inert<UDLGCELSBAR>(dlg, [](UDLGCELSBAR& w) { w.SetColors(nullptr, 0); })},
        {"tree", Inert<UDLGTREE>(dlg, [](UDLGTREE& w) { w.Clear(); })},
        {"slider", Inert<UDLGSLIDER>(dlg, [](UDLGSLIDER& w) { w.SetPos(3); })},
    };
    for (const auto& [name, inert] : rows)
        EXPECT_EQ(std::pair(0, HWND(0)), inert) << name;
    EXPECT_EQ(0, Commands(-1));
    UTABTBL tabs;
    EXPECT_FALSE(tabs.AttachDlgItem(dlg, IDC_MISSING));
}
