#include "controls_test.h"
#include "ui/udlgcelsbar.h"

namespace {

class CelsBarTest : public ControlsTest {
  protected:
    // Entry i of the ramp table is (i, 255 - i, 7).
    static void Ramp(RGBCOLOR* table, int n) {
        for (int i = 0; i < n; ++i)
            table[i] = RGBCOLOR(i, 255 - i, 7);
    }
    // The image pixel as red, green, blue.
    COLORREF At(int x, int y) const {
        const unsigned char* p = bar.GetImage()->GetRowAddress(y) + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
    void Size(int width, int height) { MoveWindow(Item(IDC_CELSBAR), 40, 5, width, height, TRUE); }

    UDLGCELSBAR bar;
};

} // namespace

TEST_F(CelsBarTest, A258PixelBarMapsInteriorColumnsToEntriesOf255Over256) {
    Size(258, 12);
    ASSERT_EQ(1, bar.Attach(dlg, IDC_CELSBAR));
    ASSERT_EQ(258, bar.GetImage()->GetWidth());
    EXPECT_EQ(RGB(255, 255, 255), At(100, 5)); // white until told otherwise
    RGBCOLOR table[256];
    Ramp(table, 256);
    bar.SetColors(table, 256);
    EXPECT_EQ(RGB(0, 255, 7), At(1, 5));   // interior column 0
    EXPECT_EQ(RGB(254, 1, 7), At(256, 5)); // interior column 255
    for (int y = 0; y < 12; ++y) {
        EXPECT_EQ(RGB(0, 0, 0), At(0, y));
        EXPECT_EQ(RGB(0, 0, 0), At(257, y));
    }
    EXPECT_EQ(RGB(126, 129, 7), Pixel(Item(IDC_CELSBAR), 128, 6)); // and on the screen
}

TEST_F(CelsBarTest, AShortTableRepeatsItsLastEntry) {
    Size(258, 12);
    ASSERT_EQ(1, bar.Attach(dlg, IDC_CELSBAR));
    RGBCOLOR table[10];
    Ramp(table, 10);
    bar.SetColors(table, 10);
    EXPECT_EQ(RGB(9, 246, 7), At(256, 5));
    EXPECT_EQ(RGB(0, 255, 7), At(1, 5));
}

TEST_F(CelsBarTest, AMissingOrTinyItemDrawsNothing) {
    RGBCOLOR table[256];
    Ramp(table, 256);
    EXPECT_EQ(0, bar.Attach(dlg, IDC_MISSING));
    EXPECT_EQ(nullptr, bar.GetHwnd());
    bar.SetColors(table, 256);
    EXPECT_EQ(0, bar.GetImage()->GetWidth());

    Size(2, 2); // no inside: neither the ramp nor the frame is written
    ASSERT_EQ(1, bar.Attach(dlg, IDC_CELSBAR));
    bar.SetColors(table, 256);
    EXPECT_EQ(RGB(0, 0, 0), At(1, 1));
}

TEST_F(CelsBarTest, ACreatedBarStartsWhiteAndPaintsItself) {
    ASSERT_TRUE(bar.Create(dlg, 78, URECT{10, 200, 100, 10}));
    InvalidateRect(bar.GetHwnd(), 0, TRUE);
    UpdateWindow(bar.GetHwnd());
    EXPECT_EQ(RGB(255, 255, 255), Pixel(bar.GetHwnd(), 50, 5));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(bar.GetHwnd(), 0, 5));
    DestroyWindow(bar.GetHwnd());
}
