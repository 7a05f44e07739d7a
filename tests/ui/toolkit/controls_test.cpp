#include "ui_test.h"
#include <commctrl.h>
#include <algorithm>
#include <cstring>
#include "ui/udlgbutton.h"
#include "ui/udlgcelsbar.h"
#include "ui/udlgcheckicon.h"
#include "ui/udlghelp.h"
#include "ui/udlgicon.h"
#include "ui/udlgpopupmenu.h"
#include "ui/udlgradio.h"
#include "ui/udlgslider.h"
#include "ui/udlgtree.h"

namespace {

using ControlTest = UiTest;

RECT g_menuRect;
// Notes where the open popup menu lies and picks its first item.
void PickFirst(HWND menu) {
    GetWindowRect(menu, &g_menuRect);
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
}

// A menu that opens above and to the left of its point: its own flags reach the call.
struct UpLeftMenu : UDLGPOPUPMENU {
    UpLeftMenu() { m_flags = TPM_RIGHTALIGN | TPM_BOTTOMALIGN; }
};

bool IconAlive(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// The ramp's image pixel as red, green, blue.
COLORREF At(const UDLGCELSBAR& bar, int x, int y) {
    const unsigned char* p = bar.GetImage()->GetRowAddress(y) + x * 3;
    return RGB(p[2], p[1], p[0]);
}

} // namespace

TEST_F(ControlTest, ToggleShowsItsIconWhileOnAndTellsTheOwnerOfEachClick) {
    HICON blue = SolidIcon(RGB(0, 0, 255));
    HWND item = Shown(IDC_CHECKICON);
    UDLGCHECKICON toggle;
    ASSERT_EQ(1, toggle.Attach(shown, IDC_CHECKICON, blue, RGBCOLOR(0, 255, 0)));
    SendMessageA(item, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(RGB(0, 0, 255), Pixel(item, 15, 10));
    SendMessageA(item, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    // One-icon mode: off shows the bare swatch.
    EXPECT_EQ(std::make_tuple(RGB(0, 255, 0), 2),
              std::make_tuple(Pixel(item, 15, 10), Commands(IDC_CHECKICON)));
    // A window of its own goes on WM_CLOSE, and nothing is asked of its handle afterwards (which would
    // leave the invalid-handle error behind).
    UDLGCHECKICON made;
    ASSERT_TRUE(made.Create2(shown, 77, URECT{200, 5, 30, 30}, blue, blue));
    HWND window = made.GetHwnd();
    SetLastError(0);
    LRESULT closed = SendMessageA(window, WM_CLOSE, 0, 0);
    DWORD error = GetLastError();
    EXPECT_EQ(std::tuple(LRESULT(0), DWORD(0), FALSE), std::tuple(closed, error, IsWindow(window)));
    DestroyIcon(blue);
}

TEST_F(ControlTest, RampMapsInteriorColumnsOntoTheTableInsideABlackFrame) {
    HWND item = Shown(IDC_CELSBAR);
    MoveWindow(item, 5, 50, 258, 12, TRUE);
    UDLGCELSBAR bar;
    ASSERT_EQ(1, bar.Attach(shown, IDC_CELSBAR));
    RGBCOLOR table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = RGBCOLOR(i, 255 - i, 7);
    bar.SetColors(table, 256);
    // Interior column 0 shows entry 0, column 255 entry 254, the frame is black, and the screen shows it.
    EXPECT_EQ(std::make_tuple(RGB(0, 255, 7), RGB(254, 1, 7), RGB(0, 0, 0), RGB(126, 129, 7)),
              std::make_tuple(At(bar, 1, 5), At(bar, 256, 5), At(bar, 100, 11), Pixel(item, 128, 6)));
    bar.SetColors(table, 10); // a short table repeats its last entry
    EXPECT_EQ(RGB(9, 246, 7), At(bar, 256, 5));
    MoveWindow(item, 5, 50, 2, 2, TRUE); // no inside: neither ramp nor frame is written
    bar.ResizeImage();
    const UBMPDAT& image = *bar.GetImage(); // follows the window
    ASSERT_EQ(std::tuple(2, 2, 8), std::tuple(image.GetWidth(), image.GetHeight(), image.GetLineBytes()));
    char* bits = reinterpret_cast<char*>(image.GetBits());
    std::fill_n(bits, 16, 'u');
    bar.SetColors(table, 256);
    EXPECT_EQ(std::string(16, 'u'), std::string(bits, 16));
}

TEST_F(ControlTest, TreeRadioButtonSliderAndIconWrappers) {
    TVINSERTSTRUCTA item = {};
    item.item.mask = TVIF_TEXT;
    item.item.pszText = const_cast<char*>("x");
    SendMessageA(Item(IDC_TREE), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    UDLGTREE tree;
    ASSERT_TRUE(tree.Attach(dlg, IDC_TREE)); // empties the tree
    const char* texts[] = {"a", "b", "c"};
    tree.SetStrings(texts, 3); // counted, never inserted
    EXPECT_EQ(0, SendMessageA(Item(IDC_TREE), TVM_GETCOUNT, 0, 0));

    const UINT ids[] = {IDC_RADIO1, IDC_RADIO3, IDC_RADIO2, 0};
    UDLGRADIO radio;
    ASSERT_EQ(1, radio.AttachIds(dlg, ids, 0));
    radio.SetSelect(1);
    EXPECT_EQ(std::make_tuple(UINT(BST_UNCHECKED), 1),
              std::make_tuple(IsDlgButtonChecked(dlg, IDC_RADIO1), radio.GetSelect()));
    CheckDlgButton(dlg, IDC_RADIO3, BST_UNCHECKED);
    EXPECT_EQ(0, radio.GetSelect()); // none on
    const UINT withMissing[] = {IDC_RADIO1, IDC_MISSING};
    EXPECT_EQ(0, radio.AttachIds(dlg, withMissing, 2));

    UDLGBUTTON button;
    ASSERT_TRUE(button.Create(dlg, 2020, URECT{200, 120, 80, 24}, "あいう"));
    char text[8];
    // Three bytes would split the second character.
    EXPECT_EQ(std::tuple(2, std::string("あ")), (std::tuple{button.GetText(text, 4), std::string(text)}));
    DestroyWindow(button.GetHwnd());
    EXPECT_EQ(0, button.GetText(text, sizeof text)); // the window is gone: an empty text
    EXPECT_STREQ("", text);
    CreateWindowA(TRACKBAR_CLASSA, "", WS_CHILD, 0, 0, 99, 20, dlg, HMENU(2021), 0, 0);
    UDLGSLIDER slider;
    ASSERT_TRUE(slider.Attach(dlg, 2021));
    slider.SetRange(5, 20);
    slider.SetPos(30); // held inside the range
    EXPECT_EQ(20, slider.GetPos());

    HICON own = SolidIcon(RGB(1, 2, 3)), second = SolidIcon(RGB(4, 5, 6)), shared;
    {
        UDLGICON icon;
        icon.SetIcon(own);
        ASSERT_TRUE(icon.Load(0, IDI_APPLICATION)); // the icon it owned goes
        shared = icon.GetIcon();
        icon.SetIcon(second);
        icon.SetShared(0);
        bool loaded = icon.Load(GetModuleHandleA(0), "NOSUCHICON"); // a failed load holds no icon
        EXPECT_EQ(std::make_tuple(false, HICON(0), false),
                  std::make_tuple(loaded, icon.GetIcon(), IconAlive(second)));
    }
    EXPECT_EQ(std::make_tuple(false, true), std::make_tuple(IconAlive(own), IconAlive(shared)));
}

TEST_F(ControlTest, PopupMenusOpenAtTheItemAndTheChoiceReachesTheOwner) {
    UDLGPOPUPMENU menu;
    // No such sub-menu: nothing to track.
    EXPECT_EQ(std::tuple(false, 0), (std::tuple{menu.Load(shown, IDC_SWATCH, IDR_POPUP, 5), menu.Track()}));
    {
        ModalDriver driver(PickFirst, "#32768");
        EXPECT_EQ(1, menu.Open(shown, IDC_SWATCH, IDR_POPUP, 0));
    }
    POINT at = GetDlgItemScreenPos(shown, IDC_SWATCH);
    EXPECT_EQ(std::make_tuple(at.x, at.y), std::make_tuple(g_menuRect.left, g_menuRect.top));
    {
        ModalDriver driver(PickFirst, "#32768");
        ShowPopupMenu(shown, IDC_CELSBAR, IDR_POPUP, 0);
    }
    PumpMessages();
    EXPECT_EQ(2, Commands(IDM_ONE));
    menu.SetPos(POINT{5, 5}); // items of the loaded menu
    menu.SetItemText(IDM_ONE, "x");
    menu.CheckItem(IDM_ONE, TRUE);
    EXPECT_EQ(UINT(MF_CHECKED), GetMenuState(menu.GetMenu(), IDM_ONE, MF_BYCOMMAND) & MF_CHECKED);
    UpLeftMenu upLeft;
    ASSERT_TRUE(upLeft.Load(shown, IDC_SWATCH, IDR_POPUP, 0));
    upLeft.SetPos(POINT{600, 500});
    {
        ModalDriver driver(PickFirst, "#32768");
        upLeft.Track();
    }
    PumpMessages();
    EXPECT_EQ(std::make_tuple(600L, 500L), std::make_tuple(g_menuRect.right, g_menuRect.bottom));

    HWND inner = CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(IDD_PAGE), dlg, 0, 0);
    EnableChildWindows(dlg, FALSE); // reaches the children's children
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(inner, IDC_PAGEEDIT)));
}
