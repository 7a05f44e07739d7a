#include <gtest/gtest.h>

#include "ui/ugdiline.h"
#include "ui/uwinscroll.h"

namespace {

// A shown 100 x 100 client area with both scroll bars, painted black before each case.
class DrawTest : public testing::Test {
  protected:
    static HWND hwnd;

    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(0);
        wc.lpszClassName = "drawtest";
        RegisterClassA(&wc);
        RECT r = {0, 0, 100, 100};
        DWORD style = WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL;
        AdjustWindowRect(&r, style, FALSE);
        r.right += GetSystemMetrics(SM_CXVSCROLL);
        r.bottom += GetSystemMetrics(SM_CYHSCROLL);
        hwnd = CreateWindowA("drawtest", "", style, 0, 0, r.right - r.left, r.bottom - r.top, 0, 0,
                             GetModuleHandleA(0), 0);
    }
    static void TearDownTestSuite() { DestroyWindow(hwnd); }

    void SetUp() override {
        ASSERT_TRUE(hwnd);
        RECT c;
        GetClientRect(hwnd, &c);
        ASSERT_EQ(c.right, 100);
        ASSERT_EQ(c.bottom, 100);
        FillRectClipped(hwnd, URECT{0, 0, 100, 100}, RGBCOLOR(0, 0, 0));
    }

    static COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(hwnd);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }
    // Pixels of the colour inside the client area.
    static int Count(COLORREF colour) {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                n += Pixel(x, y) == colour;
        return n;
    }
    static void SetBar(int bar, int max, int page, int pos) {
        SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, max, UINT(page), pos, 0};
        SetScrollInfo(hwnd, bar, &si, TRUE);
    }
};
HWND DrawTest::hwnd = 0;

const COLORREF kRed = RGB(255, 0, 0);

} // namespace

TEST_F(DrawTest, ScrollCodesMoveAndClampToTheMaximum) {
    SetBar(SB_HORZ, 299, 100, 0);
    SetBar(SB_VERT, 49, 10, 0);
    int x = 0, y = 0;
    ScrollWindowPos(hwnd, WM_HSCROLL, SB_BOTTOM, &x, &y);
    EXPECT_EQ(x, 299);
    ScrollWindowPos(hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 150), &x, &y);
    EXPECT_EQ(x, 150);
    ScrollWindowPos(hwnd, WM_HSCROLL, SB_PAGEUP, &x, &y);
    EXPECT_EQ(x, 50);
    ScrollWindowPos(hwnd, WM_VSCROLL, SB_PAGEDOWN, &x, &y);
    EXPECT_EQ(y, 10);
    ScrollWindowPos(hwnd, WM_VSCROLL, SB_TOP, &x, &y);
    ScrollWindowPos(hwnd, WM_VSCROLL, SB_LINEUP, &x, &y);
    EXPECT_EQ(y, 0);
    // Other messages only clamp what the caller holds.
    x = 1000;
    y = -5;
    ScrollWindowPos(hwnd, WM_PAINT, SB_TOP, &x, &y);
    EXPECT_EQ(x, 299);
    EXPECT_EQ(y, 0);
    // The one-bar forms ignore the other bar's message.
    ScrollWindowPosV(hwnd, WM_HSCROLL, SB_BOTTOM, &y);
    EXPECT_EQ(y, 0);
    ScrollWindowPosV(hwnd, WM_VSCROLL, SB_BOTTOM, &y);
    EXPECT_EQ(y, 49);
    ScrollWindowPosH(hwnd, WM_HSCROLL, SB_TOP, &x);
    EXPECT_EQ(x, 0);
}

TEST_F(DrawTest, ClippedFillPaintsOnlyTheVisiblePart) {
    FillRectClipped(hwnd, URECT{-10, -10, 20, 20}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_NE(Pixel(10, 9), kRed);
    EXPECT_NE(Pixel(9, 10), kRed);
    EXPECT_EQ(Count(kRed), 100);

    FillRectClipped(hwnd, URECT{90, 95, 50, 50}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(Count(kRed), 150);
    // Empty, negative or wholly outside: nothing.
    FillRectClipped(hwnd, URECT{20, 20, 0, 10}, RGBCOLOR(255, 0, 0));
    FillRectClipped(hwnd, URECT{20, 20, -10, -10}, RGBCOLOR(255, 0, 0));
    FillRectClipped(hwnd, URECT{-30, 20, 20, 20}, RGBCOLOR(255, 0, 0));
    FillRectClipped(hwnd, URECT{200, 20, 20, 20}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(Count(kRed), 150);
}

TEST_F(DrawTest, FramePaintsTheBandAroundTheInnerRectangle) {
    FillFrame(hwnd, URECT{10, 10, 80, 80}, URECT{10, 10, 80, 80}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(Count(kRed), 0);
    FillFrame(hwnd, URECT{20, 20, 60, 60}, URECT{10, 10, 80, 80}, RGBCOLOR(255, 0, 0));
    EXPECT_EQ(Count(kRed), 80 * 80 - 60 * 60);
    EXPECT_EQ(Pixel(10, 10), kRed);
}

TEST_F(DrawTest, LinesAndXorRectangles) {
    UGDILine line;
    POINT tri[3] = {{10, 10}, {50, 10}, {10, 50}};
    EXPECT_EQ(line.AddPoints(tri, 3), 3);
    line.Begin(hwnd, RGBCOLOR(255, 0, 0), 1, false);
    line.Draw(true);
    EXPECT_EQ(line.GetCount(), 3);
    line.End();
    // The closing edge from (10, 50) back to (10, 10) is drawn.
    EXPECT_EQ(Pixel(10, 30), kRed);
    EXPECT_EQ(Pixel(30, 10), kRed);
    line.DrawAndClear(false); // without a device context: nothing, and no crash
    EXPECT_EQ(line.GetCount(), 0);
    line.Draw(true);

    int before = Count(kRed);
    DrawXorRectCoords(hwnd, 60, 60, 90, 90);
    EXPECT_EQ(Pixel(60, 60), RGB(255, 255, 255));
    DrawXorRect(hwnd, RECT{60, 60, 90, 90});
    EXPECT_EQ(Pixel(60, 60), RGB(0, 0, 0));
    EXPECT_EQ(Count(kRed), before);
}

TEST_F(DrawTest, CallersDeviceContextIsHandedBackAsGiven) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    int rop = GetROP2(dc);
    {
        UGDILine line;
        line.BeginDC(dc, RGBCOLOR(0, 255, 0), 2, true);
        EXPECT_EQ(GetROP2(dc), R2_XORPEN);
        line.DrawLine(POINT{5, 50}, POINT{95, 50});
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetROP2(dc), rop);
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(Pixel(50, 50), RGB(0, 255, 0));
}
