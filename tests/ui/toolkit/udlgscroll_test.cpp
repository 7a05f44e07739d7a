#include <gtest/gtest.h>
#include "toolkit_test.h"
#include "ui/udlgscroll.h"

namespace {
// A dialog-item bar at 85 of 0..100 with page 10.
struct ItemBar {
    TestDialog dlg;
    UDLGSCROLL bar;
    HWND h = 0;
    ItemBar() {
        bar.Attach(dlg.hwnd, IDC_VSCROLL, SB_CTL);
        h = bar.GetHwnd();
        bar.SetRange(0, 100);
        bar.SetPage(10);
        bar.SetPos(85);
    }
    int Scroll(int code, int thumb = 0) {
        return bar.OnScroll(WM_VSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(h));
    }
};
} // namespace

TEST(Udlgscroll, EveryScrollCode) {
    ItemBar t;
    struct {
        int code, thumb, expect;
    } steps[] = {
        {SB_LINEUP, 0, 84},      {SB_LINEDOWN, 0, 85},        {SB_PAGEUP, 0, 75}, {SB_PAGEDOWN, 0, 85},
        {SB_THUMBTRACK, 40, 40}, {SB_THUMBPOSITION, 150, 90}, {SB_TOP, 0, 0},     {SB_LINEUP, 0, 0},
        {SB_BOTTOM, 0, 90},      {SB_ENDSCROLL, 0, 90},       {SB_PAGEUP, 0, 80},
    };
    for (auto& s : steps) {
        t.Scroll(s.code, s.thumb);
        EXPECT_EQ(s.expect, t.bar.GetPosCached()) << "code " << s.code;
        EXPECT_EQ(s.expect, GetScrollPos(t.h, SB_CTL)) << "code " << s.code;
    }
}

TEST(Udlgscroll, RefusesOtherBarsAndFullPages) {
    ItemBar t;
    HWND other = t.dlg.Item(IDC_VSCROLL2);
    EXPECT_EQ(0, t.bar.OnScroll(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(other)));
    EXPECT_EQ(85, t.bar.GetPosCached());
    t.bar.SetPage(100);
    EXPECT_EQ(0, t.Scroll(SB_LINEUP));
    EXPECT_EQ(0, t.Scroll(SB_TOP));
    EXPECT_EQ(0, t.bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0));
}

TEST(Udlgscroll, WheelTakesExactNotchesOnly) {
    ItemBar t;
    t.bar.SetPos(50);
    t.bar.SetWheelStep(40);
    EXPECT_EQ(0, t.bar.OnScroll(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0)); // two notches at once: ignored
    EXPECT_EQ(50, t.bar.GetPosCached());
    EXPECT_EQ(1, t.bar.OnScroll(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0));
    EXPECT_EQ(10, t.bar.GetPosCached());
    EXPECT_EQ(1, t.bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 0xFF88), 0));
    EXPECT_EQ(50, t.bar.GetPosCached());
    EXPECT_EQ(0, t.bar.OnMouseWheel(WM_VSCROLL, MAKEWPARAM(0, 120), 0));
}

TEST(Udlgscroll, CreatedBarsLieAlongTheirEdge) {
    TestDialog dlg;
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, dlg.hwnd, 0,
                                  TestInstance(), 0);
    UDLGSCROLL horz;
    ASSERT_EQ(1, horz.CreateHorz(parent, SB_CTL, 12, 0));
    RECT rc;
    GetWindowRect(horz.GetHwnd(), &rc);
    MapWindowPoints(0, parent, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(88, rc.top);
    EXPECT_EQ(200, rc.right);
    EXPECT_EQ(100, rc.bottom);

    UDLGSCROLL vert;
    ASSERT_EQ(1, vert.CreateVert(parent, SB_CTL, 10, 1));

    // A click gives the keyboard focus to the bar's parent.
    SetFocus(dlg.Item(IDC_EDIT));
    // The bar tracks the mouse until the button goes up, so the release is queued first.
    PostMessageA(vert.GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 50));
    SendMessageA(vert.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 50));
    PumpMessages();
    EXPECT_EQ(parent, GetFocus());
    DestroyWindow(parent);
}

TEST(Udlgscroll, MissingItemLeavesTheBarInert) {
    TestDialog dlg;
    UDLGSCROLL bar;
    EXPECT_EQ(0, bar.Attach(dlg.hwnd, 4242, SB_CTL));
    EXPECT_EQ(nullptr, bar.GetHwnd());
    EXPECT_EQ(nullptr, bar.GetPrevProc());
    bar.SetRange(0, 100);
    bar.SetPage(10);
    EXPECT_EQ(0, bar.OnScroll(WM_VSCROLL, SB_LINEDOWN, 0));
    EXPECT_EQ(0, bar.OnMouseWheel(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0));
    EXPECT_EQ(0, bar.GetPosCached());
    EXPECT_EQ(0, bar.IsChanged());
}
