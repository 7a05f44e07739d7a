#include <gtest/gtest.h>

#include "base/ubmpdat.h"

namespace {

// A plain visible window whose client area the images are drawn into.
struct TestWindow {
    HWND hwnd = nullptr;
    TestWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "UbmpdatDrawTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(WS_EX_TOPMOST, "UbmpdatDrawTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                               nullptr, nullptr, wc.hInstance, nullptr);
        Pump();
    }
    ~TestWindow() { DestroyWindow(hwnd); }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    RGBCOLOR At(int x, int y) const {
        HDC dc = GetDC(hwnd);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return RGBCOLOR(GetRValue(c), GetGValue(c), GetBValue(c));
    }
};

const RGBCOLOR kTopLeft(200, 0, 0), kTopRight(0, 200, 0), kBottomLeft(0, 0, 200), kBottomRight(200, 200, 0);

void ExpectQuadrants(const TestWindow& w, int x0, int y0, int size) {
    int a = size / 4, b = size * 3 / 4;
    EXPECT_EQ(kTopLeft, w.At(x0 + a, y0 + a));
    EXPECT_EQ(kTopRight, w.At(x0 + b, y0 + a));
    EXPECT_EQ(kBottomLeft, w.At(x0 + a, y0 + b));
    EXPECT_EQ(kBottomRight, w.At(x0 + b, y0 + b));
}

void Paint(UBMPDAT& img) {
    img.SetPixel(0, 0, kTopLeft);
    img.SetPixel(1, 0, kTopRight);
    img.SetPixel(0, 1, kBottomLeft);
    img.SetPixel(1, 1, kBottomRight);
}

} // namespace

TEST(UbmpdatDraw, TopDownAndBottomUpImagesAppearUpright) {
    TestWindow w;
    ASSERT_NE(nullptr, w.hwnd);
    UBMPDAT topDown(2, 2, 24);
    Paint(topDown);
    topDown.DrawToWindow(w.hwnd);
    ExpectQuadrants(w, 0, 0, 40);

    BITMAPINFO bi = {};
    bi.bmiHeader = topDown.GetInfo()->bmiHeader;
    bi.bmiHeader.biHeight = 2; // the same picture stored bottom-up
    const unsigned char rows[16] = {200, 0, 0, 0, 200, 200, 0, 0, 0, 0, 200, 0, 200, 0, 0, 0};
    UBMPDAT bottomUp;
    ASSERT_TRUE(bottomUp.CreateFromInfo(&bi, rows));
    bottomUp.DrawScaled(w.hwnd, 20, 20, 10.0f, 10.0f);
    ExpectQuadrants(w, 20, 20, 20);
    EXPECT_EQ(kTopLeft, w.At(5, 5)); // the rest of the first picture is still there
    EXPECT_EQ(kTopRight, w.At(35, 5));
}
