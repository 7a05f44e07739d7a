#include <gtest/gtest.h>

#include <vector>

#include "plugin_fixture.h"

namespace {

const COLORREF R = RGB(255, 0, 0), G = RGB(0, 255, 0), B = RGB(0, 0, 255), W = RGB(255, 255, 255);

// The main window shown, with the render view at a size of its own showing a picture in four coloured
// quadrants: red, green above; blue, white below.
class RenderView : public testing::Test {
  protected:
    void SetUp() override {
        SendActivate(TRUE);
        // Room for every view size below, and for dragging above the view on the screen.
        MoveWindow(Main()->GetHwnd(), 0, 100, 1100, 900, TRUE);
        PumpMessages();
    }
    void Show(int fit, float z, int w, int h, int viewW, int viewH) {
        Main()->SetViewFit(fit);
        Main()->SetViewScale(z);
        UBMPDAT& image = Main()->GetRenderView().GetImage();
        ASSERT_TRUE(image.Create(w, h, 24));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.SetPixel(x, y,
                               RGBCOLOR((y < h / 2) == (x < w / 2) ? 255 : 0, x >= w / 2 ? 255 : 0,
                                        y >= h / 2 ? 255 : 0));
        Main()->SetImageLoaded(1);
        MoveWindow(view, 264, 0, viewW, viewH, FALSE);
        InvalidateRect(view, nullptr, TRUE);
        UpdateWindow(view);
    }
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(view);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(view, dc);
        return c;
    }
    // Moves the cursor to a point of the view's client area and sends the view a mouse message there.
    void Mouse(UINT msg, int x, int y, WPARAM keys = 0) {
        POINT p = {x, y};
        ClientToScreen(view, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(view, msg, keys, MAKELPARAM(x, y));
    }
    int Offset() { return Main()->GetRenderView().GetOffsetY(); }

    PluginSession session;
    HWND view = Main()->GetRenderView().GetHwnd();
};

} // namespace

TEST_F(RenderView, FitAndZoomPlaceThePicture) {
    // Rows: fit or zoom, the picture's and the view's sizes, the bars' maximum, then points that show a
    // colour and, negated, points just outside the picture that must not.
    struct Probe {
        int x, y;
        COLORREF colour;
        bool shows;
    };
    struct {
        int fit;
        float z;
        int w, h, viewW, viewH, barMax;
        std::vector<Probe> probes;
    } rows[] = {
        {1, 1, 300, 300, 600, 400, 0, {{101, 1, R, 1}, {302, 1, G, 1}, {101, 398, B, 1}, {98, 200, R, 0}}},
        {1, 1, 600, 200, 600, 400, 0, {{1, 101, R, 1}, {598, 298, W, 1}, {300, 98, R, 0}}},
        {0, 1, 100, 100, 300, 200, 99, {{100, 50, R, 1}, {199, 149, W, 1}, {99, 50, R, 0}, {100, 49, R, 0}}},
        {0, 2, 100, 100, 150, 150, 199, {{0, 0, R, 1}, {101, 0, G, 1}}},
    };
    for (const auto& row : rows) {
        Show(row.fit, row.z, row.w, row.h, row.viewW, row.viewH);
        int low = 0, high = 0;
        GetScrollRange(view, SB_VERT, &low, &high);
        EXPECT_EQ(high, row.barMax) << row.w << " in " << row.viewW;
        for (const Probe& p : row.probes)
            EXPECT_EQ(Pixel(p.x, p.y) == p.colour, p.shows) << p.x << "," << p.y << " of " << row.w;
    }
}

TEST_F(RenderView, ScrollingAndPanningStayOnThePicture) {
    Show(0, 1, 100, 1000, 300, 400);
    // Scrolling to the end leaves the picture's bottom at the view's bottom, not the view empty.
    SendMessageA(view, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Offset(), -601);
    SendMessageA(view, WM_VSCROLL, SB_TOP, 0);
    // A middle-button drag upwards pans down the picture, also outside the view.
    Mouse(WM_MBUTTONDOWN, 150, 350);
    Mouse(WM_MOUSEMOVE, 150, -50, MK_MBUTTON);
    EXPECT_EQ(Offset(), -400);
    Mouse(WM_MBUTTONUP, 150, -50);
    EXPECT_NE(GetCapture(), view);
    // A release outside the view sends nothing here: the next move without the button ends the pan.
    Mouse(WM_MBUTTONDOWN, 150, 350);
    ReleaseCapture();
    Mouse(WM_MOUSEMOVE, 150, 300);
    Mouse(WM_MOUSEMOVE, 150, 100, MK_MBUTTON);
    EXPECT_EQ(Offset(), -400);
    // A smaller scale brings the offsets back onto the picture.
    Show(0, 0.2f, 100, 1000, 300, 400);
    EXPECT_EQ(Offset(), 100);
    EXPECT_EQ(SendMessageA(view, WM_CLOSE, 0, 0), 1); // not passed on
}
