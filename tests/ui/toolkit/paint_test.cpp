#include "ui/udlgcol.h"
#include "ui/udlglightsph.h"
#include "ui_test.h"
#include <algorithm>

namespace {

using PaintTest = UiTest;

// A sphere on a notifying static of the given client size; the cursor really moves before each message.
struct Sphere {
    UDLGLIGHTSPH sphere;
    HWND item;
    Sphere(HWND dialog, int id, int size) {
        item = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, size, size, dialog,
                               reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(0), 0);
        sphere.Attach(dialog, id);
    }
    Sphere(HWND dialog, int id, const URECT& rect) { // a window of its own, none when creation fails
        item = sphere.Create(dialog, id, rect) == 1 ? sphere.GetHwnd() : 0;
    }
    COLORREF Pixel(int x, int y) const {
        const unsigned char* p = sphere.GetImage()->GetPixelAddress(x, y);
        return RGB(p[2], p[1], p[0]);
    }
    void Send(UINT msg, int x, int y) {
        POINT pt = {x, y};
        ClientToScreen(item, &pt);
        SetCursorPos(pt.x, pt.y);
        SendMessageA(item, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        if (msg != WM_MOUSEMOVE)
            SendMessageA(item, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    void ExpectDirection(float x, float y, float z) {
        EXPECT_NEAR(x, sphere.GetDirection().x, 1e-5f);
        EXPECT_NEAR(y, sphere.GetDirection().y, 1e-5f);
        EXPECT_NEAR(z, sphere.GetDirection().z, 1e-5f);
    }
};

} // namespace

TEST_F(PaintTest, SwatchShowsItsColourInAFrameThatShowsTheState) {
    UDLGCOL swatch;
    ASSERT_EQ(1, swatch.AttachWhite(shown, IDC_SWATCH));
    HWND item = Shown(IDC_SWATCH);
    swatch.SetColor(RGBCOLOR(255, 0, 0, 7));
    // The colour without its alpha, in a black frame.
    EXPECT_EQ(std::make_tuple(RGB(255, 0, 0), RGB(0, 0, 0)),
              std::make_tuple(Pixel(item, 20, 15), Pixel(item, 0, 0)));
    swatch.Enable(FALSE);
    swatch.Draw();
    EXPECT_EQ(RGB(128, 128, 128), Pixel(item, 1, 1)); // a grey frame
    swatch.Enable(TRUE);
}

TEST_F(PaintTest, SphereShadesAndPicksTheDirectionUnderTheCursor) {
    Sphere big(dlg, 77, 100);
    Sphere narrow(dlg, 78, URECT{120, 10, 20, 40});
    narrow.Send(WM_LBUTTONDOWN, 10, 20); // a window without an id of its own tells the owner the stored one
    EXPECT_EQ(std::make_tuple(48.0f, 16.0f, 0, 1),
              std::make_tuple(big.sphere.GetRadius(), narrow.sphere.GetRadius(), GetDlgCtrlID(narrow.item),
                              Commands(78)));
    big.sphere.SetColor(FVEC3(1, 0, 0.5f));
    big.sphere.SetAmbient(FVEC3(0.2f, 0.2f, 0.2f));
    big.sphere.SetDirection(FVEC3(1, 0, 0));
    // A light from the left brightens the left half only, the right half has the ambient only, and
    // stripes lie outside the sphere.
    EXPECT_EQ(std::make_tuple(RGB(255, 51, 175), RGB(51, 51, 51), RGB(0, 0, 0), RGB(128, 128, 128)),
              std::make_tuple(big.Pixel(4, 51), big.Pixel(95, 51), big.Pixel(1, 1), big.Pixel(17, 1)));
    SendMessageA(big.item, WM_PAINT, 0, 0);

    big.Send(WM_RBUTTONDOWN, 30, 30); // another button changes nothing
    big.Send(WM_LBUTTONDOWN, 50, 50);
    big.ExpectDirection(0, 0, 1);
    big.Send(WM_MOUSEMOVE, 99, 50); // dragging far right slides along the rim
    big.ExpectDirection(-1, 0, 0);
    big.Send(WM_LBUTTONUP, 99, 50);
    big.Send(WM_MOUSEMOVE, 50, 0); // released: the drag is over
    big.sphere.SetBack(1);
    big.Send(WM_LBUTTONDOWN, 50, 50);
    big.ExpectDirection(0, 0, -1);
    EXPECT_EQ(4, Commands(77));             // the press, and the moves with the button down
    SendMessageA(big.item, WM_CLOSE, 0, 0); // detaches and passes the message on, which closes the item
    EXPECT_FALSE(IsWindow(big.item));

    // Too small to hold an inside: a new direction is kept but draws nothing, and a press picks nothing and
    // tells nobody.
    Sphere two(dlg, 79, 2), none(dlg, 80, 0);
    const UBMPDAT& image = *two.sphere.GetImage();
    ASSERT_EQ(std::tuple(2, 2, 8), std::tuple(image.GetWidth(), image.GetHeight(), image.GetLineBytes()));
    char* bits = reinterpret_cast<char*>(image.GetBits());
    std::fill_n(bits, 16, 'u');
    two.sphere.SetDirection(FVEC3(0, 0, 2));
    two.Send(WM_LBUTTONDOWN, 1, 1);
    none.Send(WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(std::tuple(std::string(16, 'u'), FVEC3(0, 0, 2), 0, 0, 0),
              std::tuple(std::string(bits, 16), two.sphere.GetDirection(), Commands(79), Commands(80),
                         none.sphere.GetImage()->GetWidth()));
}
