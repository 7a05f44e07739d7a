#include "controls_test.h"
#include "ui/udlgcheckicon.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0);

class CheckIconTest : public ControlsTest {
  protected:
    static HICON blue, red;
    static void SetUpTestSuite() {
        blue = SolidIcon(kBlue);
        red = SolidIcon(kRed);
        MoveWindow(Item(IDC_CHECKICON), 5, 5, 40, 30, TRUE);
    }
    static void TearDownTestSuite() {
        DestroyIcon(blue);
        DestroyIcon(red);
    }
    static COLORREF Centre() { return Pixel(Item(IDC_CHECKICON), 20, 15); }
    void Click() { SendMessageA(Item(IDC_CHECKICON), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)); }

    UDLGCHECKICON toggle;
};
HICON CheckIconTest::blue = 0, CheckIconTest::red = 0;

} // namespace

TEST_F(CheckIconTest, TwoClicksTurnItOnAndOffAndTellTheOwnerEachTime) {
    ASSERT_EQ(1, toggle.Attach(dlg, IDC_CHECKICON, blue, RGBCOLOR(0, 255, 0)));
    EXPECT_EQ(kGreen, Centre());
    Click();
    EXPECT_EQ(1, toggle.GetCheck());
    EXPECT_EQ(kBlue, Centre());
    Click();
    EXPECT_EQ(0, toggle.GetCheck());
    EXPECT_EQ(kGreen, Centre()); // one-icon mode: the bare swatch
    EXPECT_EQ(2, WrapperCommands(IDC_CHECKICON));
}

TEST_F(CheckIconTest, AMissingItemLeavesTheToggleInert) {
    EXPECT_EQ(0, toggle.Attach(dlg, IDC_MISSING, blue, RGBCOLOR(1, 2, 3)));
    EXPECT_EQ(nullptr, toggle.GetHwnd());
    toggle.SetCheck(1);
    toggle.Draw(); // draws nowhere, not on the screen
    EXPECT_EQ(0, toggle.Attach(0, IDC_CHECKICON, blue, RGBCOLOR(1, 2, 3)));
}

TEST_F(CheckIconTest, ACreatedToggleNotifiesWithItsIdAndGoesOnClose) {
    ASSERT_TRUE(toggle.Create2(dlg, 77, URECT{200, 5, 30, 30}, blue, red));
    HWND hwnd = toggle.GetHwnd();
    EXPECT_EQ(kRed, Pixel(hwnd, 15, 15));
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(1, WrapperCommands(77));
    EXPECT_EQ(kBlue, Pixel(hwnd, 15, 15));
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, toggle.GetHwnd());
}
