#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <string>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_rendids.h"
#include "scene/rendpyl_model.h"

namespace {

HWND RendPage() {
    return Main()->GetPropertyPane()->GetRendPage().GetHwnd();
}
HWND RendItem(int id) {
    return GetDlgItem(RendPage(), id);
}
std::string FieldText(int id) {
    return TextOf(PageEdit(RendPage(), id));
}
void Enter(int id, const char* text) {
    EnterText(RendPage(), id, text);
}
void Click(int id) {
    ClickItem(RendPage(), id);
}

// The system colour dialog's red, green and blue fields, then OK.
std::function<void(HWND)> ChooseRgb(int r, int g, int b) {
    return [=](HWND dlg) {
        SetDlgItemInt(dlg, 706, r, FALSE);
        SetDlgItemInt(dlg, 707, g, FALSE);
        SetDlgItemInt(dlg, 708, b, FALSE);
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    };
}
const char* const kColourDialog = "色";

void PickBackColour(std::function<void(HWND)> action) {
    ModalAction act(kColourDialog, std::move(action));
    SendMessageA(RendItem(IDC_REND_BACKCOL), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(ModalAction::Acted());
}

// A session with the test document open; the page shows its renderer record.
class RenderPage : public testing::Test {
  protected:
    void SetUp() override {
        SendOpen(OpenHostDocument(DocumentJson()));
        render = Main()->GetScene()->GetRender();
    }
    PluginSession session;
    RENDPYL_RENDER* render = nullptr;
};

} // namespace

TEST(RenderPageAlone, WithoutADocumentNothingIsShownOrStored) {
    PluginSession session;
    EXPECT_EQ(nullptr, Main()->GetPropertyPane()->GetRendPage().GetRenderer());
    Enter(IDC_REND_WIDTH, "77");
    Click(IDC_REND_APPLYSIZE);
    Click(IDC_REND_USEBACK);
    EXPECT_EQ("77", FieldText(IDC_REND_WIDTH)); // the field keeps what it shows
    Enter(IDC_REND_ANISOTROPY, "0.5");
    // Filling the page for a new document must not store the fields still marked from those edits.
    SendOpen(OpenHostDocument(DocumentJson()));
    RENDPYL_RENDER defaults;
    EXPECT_EQ(defaults.width, Main()->GetScene()->GetRender()->width);
    EXPECT_EQ(defaults.anisotropy.value, Main()->GetScene()->GetRender()->anisotropy.value);
}

TEST_F(RenderPage, SizesAreClampedToTheRenderersRange) {
    Enter(IDC_REND_WIDTH, "0");
    EXPECT_EQ(1, render->width);
    EXPECT_EQ("1", FieldText(IDC_REND_WIDTH));
    Enter(IDC_REND_WIDTH, "9999");
    EXPECT_EQ(4096, render->width);
    EXPECT_EQ("4096", FieldText(IDC_REND_WIDTH));
    Enter(IDC_REND_HEIGHT, "240");
    EXPECT_EQ(240, render->height);
    // The up arrow lowers the value.
    HWND spin = FindWindowExA(RendItem(IDC_REND_HEIGHT), 0, "msctls_updown32", nullptr);
    ASSERT_TRUE(spin);
    RECT rc;
    GetClientRect(spin, &rc);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, rc.bottom / 4));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(rc.right / 2, rc.bottom / 4));
    PumpMessages();
    EXPECT_EQ(239, render->height);
}

TEST_F(RenderPage, AnEditStoresEveryFieldOfThePage) {
    SetWindowTextA(PageEdit(RendPage(), IDC_REND_BACKFILE), "C:\\bg\\sky.bmp");
    SetWindowTextA(PageEdit(RendPage(), IDC_REND_ORIGIN_Y), "-2.5");
    SetWindowTextA(PageEdit(RendPage(), IDC_REND_HEXTINCTION_X), "0.25");
    Enter(IDC_REND_ALBEDO_Z, "0.5");
    EXPECT_EQ(FVEC3(0, 0, 0.5f), render->albedo.value);
    EXPECT_EQ(FVEC3(0, -2.5f, 0), render->origin.value);
    EXPECT_EQ(FVEC3(0.25f, 0, 0), render->homogeneousextinction.value);
    EXPECT_STREQ("C:\\bg\\sky.bmp", render->GetBackFilename());
    Enter(IDC_REND_ANISOTROPY, "1e3");
    EXPECT_EQ(1000.0f, render->anisotropy.value); // no clamp
    Click(IDC_REND_USEBACK);
    EXPECT_EQ(0, render->use_back_flg.value);
}

TEST_F(RenderPage, TheViewSizeIsStoredAsItIsAndShownClamped) {
    int w = 0, h = 0;
    Main()->GetViewSize(&w, &h);
    Click(IDC_REND_APPLYSIZE);
    EXPECT_EQ(w, render->width);
    EXPECT_EQ(h, render->height);

    // A view wider than the renderer takes: a window without a sizing frame is not held to the screen.
    HWND main = Main()->GetHwnd();
    SetWindowLongA(main, GWL_STYLE, GetWindowLongA(main, GWL_STYLE) & ~WS_THICKFRAME);
    SetWindowPos(main, 0, 0, 0, 5400, 500, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Main()->Relayout();
    Main()->GetViewSize(&w, &h);
    ASSERT_GT(w, 4096);
    Click(IDC_REND_APPLYSIZE);
    EXPECT_EQ(w, render->width);
    EXPECT_EQ("4096", FieldText(IDC_REND_WIDTH));
    Enter(IDC_REND_ANISOTROPY, "0.5"); // the page's next store writes what the field shows
    EXPECT_EQ(4096, render->width);
}

TEST_F(RenderPage, APickedBackgroundColourIsStoredAtOnceWithFullAlpha) {
    render->backcol = RGBCOLOR(10, 20, 30, 40);
    Main()->UpdateAll();
    PickBackColour(Cancel());
    EXPECT_EQ(RGBCOLOR(10, 20, 30, 40), render->backcol);
    render->width = 5000; // a cancel stores the page as it is too
    PickBackColour(Cancel());
    EXPECT_EQ(300, render->width);
    PickBackColour(ChooseRgb(0, 255, 0));
    EXPECT_EQ(RGBCOLOR(0, 255, 0, 255), render->backcol);
}

TEST_F(RenderPage, BrowsingTakesTheChosenBackgroundUnlessCancelled) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    render->SetBackFilename("C:\\old.bmp");
    {
        ModalAction cancel("Load", Cancel());
        Click(IDC_REND_BACKFILE_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STREQ("C:\\old.bmp", render->GetBackFilename());
    {
        ModalAction choose("Load", ChooseFile(self));
        Click(IDC_REND_BACKFILE_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STRCASEEQ(self, render->GetBackFilename());
    EXPECT_STRCASEEQ(self, FieldText(IDC_REND_BACKFILE).c_str());
}

TEST_F(RenderPage, ARealClickOnTheShownSwatchOpensTheColourDialog) {
    ShowPaneTab(3);
    SetForegroundWindow(Main()->GetHwnd());
    PumpMessages();
    RECT rc;
    GetWindowRect(RendItem(IDC_REND_BACKCOL), &rc);
    SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    {
        ModalAction act(kColourDialog, ChooseRgb(1, 2, 3));
        SendInput(2, click, sizeof click[0]);
        for (int i = 0; i < 20 && !ModalAction::Acted(); ++i) {
            PumpMessages();
            Sleep(20);
        }
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_EQ(RGBCOLOR(1, 2, 3, 255), render->backcol);
    SendActivate(FALSE);
}
