#include <gtest/gtest.h>
#include <vector>
#include "toolkit_test.h"
#include "ui/udlgcol.h"

namespace {

const int kSwatch = 11;

// A shown window with a clickable static, 40 x 30 pixels; it records the ids of its WM_COMMAND
// messages and what the swatch said about its change meanwhile.
class SwatchTest : public testing::Test {
  protected:
    static HWND host;
    static UDLGCOL* current;
    static std::vector<int> commands, changedInHandler;

    static LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            changedInHandler.push_back(current ? current->IsChanged() : -1);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = TestInstance();
        wc.lpszClassName = "swatchtest";
        RegisterClassA(&wc);
        host = CreateWindowA("swatchtest", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 50, 0, 0, TestInstance(), 0);
        CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 5, 5, 40, 30, host,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSwatch)), TestInstance(), 0);
    }
    static void TearDownTestSuite() { DestroyWindow(host); }

    void SetUp() override {
        ASSERT_TRUE(host);
        commands.clear();
        changedInHandler.clear();
        current = &swatch;
        ASSERT_EQ(1, swatch.AttachWhite(host, kSwatch));
    }
    void TearDown() override { current = nullptr; } // the swatch unbinds itself when it goes

    COLORREF Pixel(int x, int y) {
        HWND item = GetDlgItem(host, kSwatch);
        HDC dc = GetDC(item);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(item, dc);
        return c;
    }
    void Click() { SendMessageA(GetDlgItem(host, kSwatch), WM_LBUTTONUP, 0, MAKELPARAM(10, 10)); }

    UDLGCOL swatch;
};
HWND SwatchTest::host = 0;
UDLGCOL* SwatchTest::current = nullptr;
std::vector<int> SwatchTest::commands, SwatchTest::changedInHandler;

// Sets the colour dialog's red, green and blue fields, then presses OK.
std::function<void(HWND)> ChooseRgb(int r, int g, int b, bool addCustom = false) {
    return [=](HWND dlg) {
        SetDlgItemInt(dlg, 706, r, FALSE);
        SetDlgItemInt(dlg, 707, g, FALSE);
        SetDlgItemInt(dlg, 708, b, FALSE);
        if (addCustom)
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(712, BN_CLICKED), (LPARAM)GetDlgItem(dlg, 712));
        PressButton(dlg, IDOK);
    };
}

} // namespace

TEST_F(SwatchTest, PaintsItsColourInABlackFrameWithoutAlpha) {
    swatch.SetColor(RGBCOLOR(255, 0, 0, 7));
    EXPECT_EQ(RGBCOLOR(255, 0, 0, 7), swatch.GetColor());
    EXPECT_EQ(RGB(255, 0, 0), Pixel(20, 15));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(39, 29));
}

TEST_F(SwatchTest, DisabledShowsAGreyFrameAndAHatchAndItsColour) {
    swatch.Enable(FALSE);
    swatch.SetColor(RGBCOLOR(255, 0, 0));
    EXPECT_EQ(RGB(128, 128, 128), Pixel(1, 1));
    int red = 0, black = 0;
    for (int y = 4; y < 26; ++y)
        for (int x = 4; x < 36; ++x) {
            red += Pixel(x, y) == RGB(255, 0, 0);
            black += Pixel(x, y) == RGB(0, 0, 0);
        }
    EXPECT_GT(red, 100);
    EXPECT_GT(black, 50);
    swatch.Enable(TRUE);
}

TEST_F(SwatchTest, AMissingItemLeavesTheSwatchInert) {
    UDLGCOL missing;
    EXPECT_EQ(0, missing.AttachWhite(host, 99));
    EXPECT_EQ(nullptr, missing.GetHwnd());
    missing.SetColor(RGBCOLOR(1, 2, 3)); // draws nowhere, not on the screen
    EXPECT_EQ(RGBCOLOR(1, 2, 3), missing.GetColor());
}

TEST_F(SwatchTest, APickStoresTheChosenColourWithFullAlphaAndTellsTheOwner) {
    swatch.SetColor(RGBCOLOR(255, 0, 0, 7));
    {
        ModalDriver driver(nullptr, ChooseRgb(0, 255, 0));
        Click();
        EXPECT_TRUE(driver.acted);
    }
    EXPECT_EQ(RGBCOLOR(0, 255, 0, 255), swatch.GetColor());
    EXPECT_EQ(RGB(0, 255, 0), Pixel(20, 15));
    ASSERT_EQ(std::vector<int>{kSwatch}, commands);
    EXPECT_EQ(std::vector<int>{1}, changedInHandler); // changed while the owner handles it
    EXPECT_EQ(1, swatch.IsChanged());
    SendMessageA(swatch.GetHwnd(), WM_NULL, 0, 0);
    EXPECT_EQ(0, swatch.IsChanged()); // and no longer after the swatch's next message
}

TEST_F(SwatchTest, ACancelKeepsTheColourButStillTellsTheOwner) {
    swatch.SetColor(RGBCOLOR(10, 20, 30, 40));
    {
        ModalDriver driver(nullptr, IDCANCEL);
        Click();
        EXPECT_TRUE(driver.acted);
    }
    EXPECT_EQ(RGBCOLOR(10, 20, 30, 40), swatch.GetColor());
    EXPECT_EQ(std::vector<int>{kSwatch}, commands);
}

TEST_F(SwatchTest, ACustomColourDefinedInTheDialogIsKeptForEverySwatch) {
    {
        ModalDriver driver(nullptr, ChooseRgb(1, 2, 3, true));
        Click();
        EXPECT_TRUE(driver.acted);
    }
    COLORREF table[16];
    GetCustColors(table);
    EXPECT_EQ(RGB(1, 2, 3), table[0]);
    EXPECT_EQ(0xFFFFFFFFu, table[1]);

    for (COLORREF& c : table)
        c = 0xFFFFFFFF;
    SetCustColors(table);
}
