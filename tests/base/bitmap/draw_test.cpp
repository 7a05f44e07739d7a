#include <gtest/gtest.h>

#include "base/ubmpdat.h"

// A bottom-up and a top-down image of the same picture, drawn whole and scaled into a real
// window, both appear upright.
TEST(UbmpdatDraw, TopDownAndBottomUpImagesAppearUpright) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "UbmpdatDrawTest";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, "UbmpdatDrawTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    const RGBCOLOR quadrants[4] = {RGBCOLOR(200, 0, 0), RGBCOLOR(0, 200, 0), RGBCOLOR(0, 0, 200),
                                   RGBCOLOR(200, 200, 0)};
    auto at = [&](int x, int y) {
        HDC dc = GetDC(hwnd);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return RGBCOLOR(GetRValue(c), GetGValue(c), GetBValue(c));
    };
    auto expectQuadrants = [&](int x0, int size) {
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(quadrants[i], at(x0 + size / 4 + i % 2 * size / 2, x0 + size / 4 + i / 2 * size / 2))
                << i;
    };
    UBMPDAT topDown(2, 2, 24);
    topDown.PutRow32(0, quadrants);
    topDown.PutRow32(1, quadrants + 2);
    topDown.DrawToWindow(hwnd);
    expectQuadrants(0, 40);

    BITMAPINFO bi = *topDown.GetInfo();
    bi.bmiHeader.biHeight = 2; // the same picture stored bottom-up
    const unsigned char rows[16] = {200, 0, 0, 0, 200, 200, 0, 0, 0, 0, 200, 0, 200, 0, 0, 0};
    UBMPDAT bottomUp;
    ASSERT_TRUE(bottomUp.CreateFromInfo(&bi, rows));
    bottomUp.DrawScaled(hwnd, 20, 20, 10.0f, 10.0f);
    expectQuadrants(20, 20);
    EXPECT_EQ(quadrants[1], at(35, 5)); // the rest of the first picture is still there
    DestroyWindow(hwnd);
}
