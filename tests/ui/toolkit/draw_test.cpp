#include "ui/ugdiline.h"
#include "ui/uwinscroll.h"
#include "ui_test.h"

namespace {

using DrawTest = UiTest;
const COLORREF kRed = RGB(255, 0, 0);

// The shown dialog's canvas, with both scroll bars and a 100 x 100 client area painted black.
HWND Canvas() {
    HWND canvas = UiTest::Shown(IDC_CANVAS);
    RECT w, c;
    GetWindowRect(canvas, &w);
    GetClientRect(canvas, &c);
    SetWindowPos(canvas, 0, 0, 0, w.right - w.left - c.right + 100, w.bottom - w.top - c.bottom + 100,
                 SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(canvas); // painted now, not over the cases' pixels later
    FillRectClipped(canvas, URECT{0, 0, 100, 100}, RGBCOLOR(0, 0, 0));
    return canvas;
}

int Count(HWND hwnd, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            n += UiTest::Pixel(hwnd, x, y) == colour;
    return n;
}

} // namespace

TEST_F(DrawTest, FillsLinesAndXorRectanglesStayInsideAndScrollCodesClampToTheMaximum) {
    HWND canvas = Canvas();
    FillRectClipped(canvas, URECT{-10, -10, 20, 20}, RGBCOLOR(255, 0, 0));
    FillRectClipped(canvas, URECT{20, 20, -10, -10}, RGBCOLOR(255, 0, 0)); // no size: nothing
    FillRectClipped(canvas, URECT{200, 20, 20, 20}, RGBCOLOR(255, 0, 0));  // wholly outside
    EXPECT_EQ(100, Count(canvas, kRed));
    FillFrame(canvas, URECT{30, 30, 60, 60}, URECT{30, 30, 60, 60}, RGBCOLOR(255, 0, 0)); // no band
    FillFrame(canvas, URECT{40, 40, 40, 40}, URECT{30, 30, 60, 60}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(100 + 60 * 60 - 40 * 40, Count(canvas, kRed));

    UGDILine line;
    POINT tri[3] = {{10, 95}, {50, 95}, {10, 55}};
    // Bad counts add nothing and indices outside the list read nothing.
    EXPECT_EQ(std::make_tuple(0, 0), std::make_tuple(line.AddPoints(tri, -3), line.AddPoints(nullptr, 3)));
    EXPECT_EQ(3, line.AddPoints(tri, 3));
    EXPECT_EQ(std::make_tuple(0L, 0L), std::make_tuple(line.GetPoint(3).x, line.GetPoint(-1).y));
    line.Begin(canvas, RGBCOLOR(0, 255, 0), 1, false);
    line.DrawPolyline(tri, 3);
    line.Draw(true);
    line.End();
    // The points stay, and the closing edge is drawn.
    EXPECT_EQ(std::make_tuple(3, RGB(0, 255, 0)), std::make_tuple(line.GetCount(), Pixel(canvas, 10, 75)));

    HDC dc = GetDC(canvas);
    int rop = GetROP2(dc);
    line.BeginDC(dc, RGBCOLOR(0, 0, 255), 2, true);
    line.DrawLine(POINT{5, 50}, POINT{95, 50});
    line.End(); // a caller's device context is handed back as given
    EXPECT_EQ(std::make_tuple(rop, RGB(0, 0, 255)), std::make_tuple(GetROP2(dc), GetPixel(dc, 50, 50)));
    ReleaseDC(canvas, dc);
    DrawXorRectCoords(canvas, 60, 5, 90, 25); // the whole outline, 31 by 21 pixels
    EXPECT_EQ(100, Count(canvas, RGB(255, 255, 255)));
    DrawXorRect(canvas, RECT{60, 5, 90, 25}); // twice restores the window
    EXPECT_EQ(0, Count(canvas, RGB(255, 255, 255)));

    // The scroll codes move the positions and clamp them to the maximum.
    SCROLLINFO h = {sizeof h, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 299, 100, 0, 0}, v = h;
    v.nMax = 49;
    v.nPage = 10;
    SetScrollInfo(canvas, SB_HORZ, &h, TRUE);
    SetScrollInfo(canvas, SB_VERT, &v, TRUE);
    const std::tuple<UINT, WPARAM, int, int> steps[] = {
        {WM_HSCROLL, SB_BOTTOM, 299, 0}, {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 150), 150, 0},
        {WM_HSCROLL, SB_PAGEUP, 50, 0},  {WM_VSCROLL, SB_PAGEDOWN, 50, 10},
        {WM_VSCROLL, SB_LINEUP, 50, 9},  {WM_VSCROLL, SB_TOP, 50, 0},
        {WM_VSCROLL, SB_LINEUP, 50, 0},  {WM_PAINT, SB_BOTTOM, 50, 0}};
    int x = 0, y = 0;
    for (const auto& [msg, code, wantX, wantY] : steps) {
        ScrollWindowPos(canvas, msg, code, &x, &y);
        EXPECT_EQ(std::make_tuple(wantX, wantY), std::make_tuple(x, y)) << msg << " " << code;
    }
    ScrollWindowPosV(canvas, WM_VSCROLL, SB_BOTTOM, &y); // the one-bar forms
    EXPECT_EQ(49, y);
}
