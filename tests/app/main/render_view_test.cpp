#include <gtest/gtest.h>

#include "plugin_fixture.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
               kWhite = RGB(255, 255, 255);

// The main window shown with the render view at a client size of its own, and a picture in four
// coloured quadrants: red, green above; blue, white below.
class RenderView : public testing::Test {
  protected:
    static PluginSession* session;

    static void SetUpTestSuite() {
        DeleteSettingsKey();
        session = new PluginSession;
        SendActivate(TRUE);
        // Room for every view size below, and for dragging above the view on the screen.
        MoveWindow(Main()->GetHwnd(), 0, 100, 1100, 900, TRUE);
        PumpMessages();
    }
    static void TearDownTestSuite() {
        delete session;
        session = nullptr;
    }

    DL_RENDER& View() { return Main()->GetRenderView(); }
    HWND Hwnd() { return View().GetHwnd(); }

    void Picture(int w, int h) {
        UBMPDAT& image = View().GetImage();
        ASSERT_TRUE(image.Create(w, h, 24));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool right = x >= w / 2, bottom = y >= h / 2;
                image.SetPixel(x, y,
                               bottom ? (right ? RGBCOLOR(255, 255, 255) : RGBCOLOR(0, 0, 255))
                                      : (right ? RGBCOLOR(0, 255, 0) : RGBCOLOR(255, 0, 0)));
            }
        Main()->SetImageLoaded(1);
    }
    // Sizes the view's window; the bars it shows take their room from the client area.
    void Size(int w, int h) { MoveWindow(Hwnd(), 264, 0, w, h, FALSE); }
    // Zoom mode at scale z with a picture of iw x ih in a view window of vw x vh.
    void ShowZoomed(float z, int iw, int ih, int vw, int vh) {
        Main()->SetViewFit(0);
        Main()->SetViewScale(z);
        Picture(iw, ih);
        Size(vw, vh);
        Redraw();
    }
    void Redraw() {
        InvalidateRect(Hwnd(), nullptr, TRUE);
        UpdateWindow(Hwnd());
    }
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(Hwnd());
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(Hwnd(), dc);
        return c;
    }
    SCROLLINFO Bar(int bar) {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(Hwnd(), bar, &si);
        return si;
    }
    // Moves the cursor to a point of the view's client area and tells the view about it.
    void MoveTo(int x, int y, WPARAM keys) {
        POINT p = {x, y};
        ClientToScreen(Hwnd(), &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(Hwnd(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
    }
    void Press(UINT msg, int x, int y) {
        POINT p = {x, y};
        ClientToScreen(Hwnd(), &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(Hwnd(), msg, 0, MAKELPARAM(x, y));
    }
};
PluginSession* RenderView::session = nullptr;

} // namespace

TEST_F(RenderView, FitKeepsTheAspectAndCentres) {
    EXPECT_TRUE(IsWindowVisible(Main()->GetHwnd()));
    Main()->SetViewFit(1);
    Picture(300, 300);
    Size(600, 400);
    Redraw();
    RECT c;
    GetClientRect(Hwnd(), &c);
    ASSERT_EQ(c.right, 600);
    ASSERT_EQ(c.bottom, 400);
    // Drawn at (100, 0), 400 x 400.
    EXPECT_EQ(Pixel(101, 1), kRed);
    EXPECT_EQ(Pixel(302, 1), kGreen);
    EXPECT_EQ(Pixel(101, 398), kBlue);
    EXPECT_EQ(Pixel(498, 398), kWhite);
    EXPECT_NE(Pixel(98, 200), kRed);
    EXPECT_NE(Pixel(502, 200), kGreen);
    // The bars show an empty range.
    EXPECT_EQ(Bar(SB_HORZ).nMax, 0);
    EXPECT_EQ(Bar(SB_VERT).nMax, 0);

    // A wide picture is centred vertically.
    Picture(600, 200);
    Redraw();
    EXPECT_EQ(Pixel(1, 101), kRed);
    EXPECT_EQ(Pixel(598, 298), kWhite);
    EXPECT_NE(Pixel(300, 98), kRed);
}

TEST_F(RenderView, ZoomCentresASmallPictureWhateverTheOffsets) {
    ShowZoomed(1.0f, 100, 100, 300, 200);
    // At (100, 50).
    EXPECT_EQ(Pixel(100, 50), kRed);
    EXPECT_EQ(Pixel(199, 149), kWhite);
    EXPECT_NE(Pixel(99, 50), kRed);
    EXPECT_NE(Pixel(100, 49), kRed);

    // Twice the size: bars with maximum = size * 2 - 1, the picture's top-left corner at the origin.
    Main()->SetViewScale(2.0f);
    Size(150, 150);
    Redraw();
    RECT c;
    GetClientRect(Hwnd(), &c);
    EXPECT_EQ(Bar(SB_HORZ).nMax, 199);
    EXPECT_EQ(int(Bar(SB_HORZ).nPage), int(c.right));
    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(101, 0), kGreen);
}

TEST_F(RenderView, ScrollingAndPanningStayOnThePicture) {
    ShowZoomed(1.0f, 100, 1000, 300, 400);
    RECT c;
    GetClientRect(Hwnd(), &c);
    ASSERT_EQ(c.bottom, 400);
    EXPECT_EQ(Bar(SB_VERT).nMax, 999);
    EXPECT_EQ(View().GetOffsetY(), 0);

    // Scrolling to the end leaves the picture's bottom at the view's bottom, not the view empty.
    SendMessageA(Hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(View().GetOffsetY(), -601);
    SendMessageA(Hwnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(View().GetOffsetY(), 0);

    // Middle-button drag upwards pans down the picture, as far as its bottom.
    Press(WM_MBUTTONDOWN, 150, 350);
    EXPECT_EQ(GetCapture(), Hwnd());
    MoveTo(150, 150, MK_MBUTTON);
    EXPECT_EQ(View().GetOffsetY(), -200);
    MoveTo(150, -50, MK_MBUTTON);
    EXPECT_EQ(View().GetOffsetY(), -400);
    Press(WM_MBUTTONUP, 150, -50);
    EXPECT_NE(GetCapture(), Hwnd());
    Press(WM_MBUTTONDOWN, 150, 350);
    MoveTo(150, 0, MK_MBUTTON);
    EXPECT_EQ(View().GetOffsetY(), -601);
    EXPECT_EQ(Bar(SB_VERT).nPos, 600);
    Press(WM_MBUTTONUP, 150, 0);
    MoveTo(150, 200, 0);
    EXPECT_EQ(View().GetOffsetY(), -601);

    // Left and middle together do not pan.
    Press(WM_LBUTTONDOWN, 150, 200);
    Press(WM_MBUTTONDOWN, 150, 200);
    MoveTo(150, 300, MK_LBUTTON | MK_MBUTTON);
    EXPECT_EQ(View().GetOffsetY(), -601);
    Press(WM_LBUTTONUP, 150, 300);
    Press(WM_MBUTTONUP, 150, 300);

    // Released outside the view: the next move ends the pan, a later move with the flag does not restart it.
    Press(WM_MBUTTONDOWN, 150, 300);
    ReleaseCapture();
    MoveTo(150, 350, 0);
    MoveTo(150, 380, MK_MBUTTON);
    EXPECT_EQ(View().GetOffsetY(), -601);

    // A smaller scale brings the offsets back onto the picture.
    Main()->SetViewScale(0.2f);
    Redraw();
    EXPECT_EQ(View().GetOffsetY(), 100);
    Main()->SetViewScale(1.0f);
    Redraw();
    EXPECT_EQ(View().GetOffsetY(), 0);
}

TEST_F(RenderView, NothingOfItsOwnBeforeAPicture) {
    Main()->SetImageLoaded(0);
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 55, 10, 3, 0};
    SetScrollInfo(Hwnd(), SB_VERT, &si, FALSE);
    Redraw();
    EXPECT_EQ(Bar(SB_VERT).nMax, 55);
    EXPECT_EQ(Bar(SB_VERT).nPos, 3);
    // The close message is not passed on.
    EXPECT_EQ(SendMessageA(Hwnd(), WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(Hwnd()));
}
