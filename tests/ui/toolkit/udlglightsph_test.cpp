#include <gtest/gtest.h>
#include "toolkit_test.h"
#include "ui/udlglightsph.h"

namespace {

const int kSphereId = 1181;

// A sphere on a notifying static of the given client size in the test dialog.
struct SphereFixture {
    TestDialog dlg;
    UDLGLIGHTSPH sphere;
    HWND item = 0;

    SphereFixture(int width, int height) {
        item = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, width, height,
                               dlg.hwnd, reinterpret_cast<HMENU>(kSphereId), TestInstance(), 0);
        sphere.Attach(dlg.hwnd, kSphereId);
    }
    // The pixel as red, green, blue.
    COLORREF Pixel(int x, int y) const {
        const unsigned char* p = sphere.GetImage()->GetPixelAddress(x, y);
        return RGB(p[2], p[1], p[0]);
    }
    // Moves the real cursor to the client point and lets the sphere see it, as the mouse would.
    void MoveTo(int x, int y) {
        POINT pt = {x, y};
        ClientToScreen(item, &pt);
        SetCursorPos(pt.x, pt.y);
        SendMessageA(item, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    void Press(int x, int y) {
        MoveTo(x, y);
        SendMessageA(item, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void Release(int x, int y) { SendMessageA(item, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
};

void ExpectDirection(const FVEC3& expected, const FVEC3& got) {
    EXPECT_NEAR(expected.x, got.x, 1e-5f);
    EXPECT_NEAR(expected.y, got.y, 1e-5f);
    EXPECT_NEAR(expected.z, got.z, 1e-5f);
}

} // namespace

TEST(Udlglightsph, RadiusFollowsTheItemAndIsAtLeastSixteen) {
    SphereFixture big(100, 100);
    EXPECT_EQ(48.0f, big.sphere.GetRadius());
    SphereFixture narrow(20, 40);
    EXPECT_EQ(16.0f, narrow.sphere.GetRadius());

    // A sphere with a window of its own works the same way.
    UDLGLIGHTSPH created;
    ASSERT_EQ(1, created.Create(big.dlg.hwnd, 77, URECT{120, 10, 60, 60}));
    EXPECT_EQ(28.0f, created.GetRadius());
    DestroyWindow(created.GetHwnd());
}

TEST(Udlglightsph, ShadingStripesAndBorder) {
    SphereFixture f(100, 100);
    f.sphere.SetColor(FVEC3(1, 1, 1));
    f.sphere.SetAmbient(FVEC3(0.2f, 0.2f, 0.2f));
    f.sphere.SetDirection(FVEC3(0, 0, 1));
    EXPECT_EQ(RGB(255, 255, 255), f.Pixel(51, 51)); // the centre faces the light
    EXPECT_EQ(RGB(51, 51, 51), f.Pixel(3, 51));     // the rim gets the ambient only
    EXPECT_EQ(RGB(0, 0, 0), f.Pixel(1, 1));
    EXPECT_EQ(RGB(128, 128, 128), f.Pixel(17, 1));

    // A light from the left brightens the left half only; the colour is per channel.
    f.sphere.SetColor(FVEC3(1, 0, 0.5f));
    f.sphere.SetDirection(FVEC3(1, 0, 0));
    EXPECT_EQ(RGB(255, 51, 175), f.Pixel(4, 51));
    EXPECT_EQ(RGB(51, 51, 51), f.Pixel(95, 51));
}

TEST(Udlglightsph, PressingPicksADirectionAndTellsTheOwner) {
    SphereFixture f(97, 106);
    f.Press(48, 53);
    ExpectDirection(FVEC3(0, 0, 1), f.sphere.GetDirection());
    EXPECT_EQ(1, f.dlg.Count(kSphereId));

    // Dragging far to the right and up slides along the rim: the first axis points left, the
    // second down.
    f.MoveTo(96, 53);
    ExpectDirection(FVEC3(-1, 0, 0), f.sphere.GetDirection());
    f.MoveTo(48, 0);
    ExpectDirection(FVEC3(0, -1, 0), f.sphere.GetDirection());
    EXPECT_EQ(3, f.dlg.Count(kSphereId));
    f.Release(48, 0);

    // With the back flag the pick lands on the far half.
    f.sphere.SetBack(1);
    f.Press(48, 53);
    ExpectDirection(FVEC3(0, 0, -1), f.sphere.GetDirection());
    f.Release(48, 53);
}

TEST(Udlglightsph, OtherButtonsAndPlainMovesChangeNothing) {
    SphereFixture f(100, 100);
    f.sphere.SetDirection(FVEC3(0, 1, 0));
    f.MoveTo(30, 30);
    SendMessageA(f.item, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 30));
    f.MoveTo(40, 40);
    SendMessageA(f.item, WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
    f.Press(50, 50);
    f.Release(50, 50);
    f.MoveTo(20, 20); // released: the drag is over
    ExpectDirection(FVEC3(0, 0, 1), f.sphere.GetDirection());
    EXPECT_EQ(1, f.dlg.Count(kSphereId));
}

TEST(Udlglightsph, MissingOrTinyItemsStayInert) {
    TestDialog dlg;
    UDLGLIGHTSPH missing;
    EXPECT_EQ(0, missing.Attach(dlg.hwnd, 4242));
    missing.Render();
    missing.PickDirection();
    missing.SetDirection(FVEC3(1, 0, 0));
    EXPECT_EQ(nullptr, missing.GetImage());

    // Images too small to hold an inside are left alone rather than written out of bounds.
    SphereFixture two(2, 2);
    two.sphere.SetDirection(FVEC3(0, 0, 1));
    SphereFixture none(0, 0);
    none.sphere.SetDirection(FVEC3(0, 0, 1));
    none.Press(0, 0);
    EXPECT_EQ(0, none.sphere.GetImage()->GetWidth());
}
