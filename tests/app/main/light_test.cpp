#include <gtest/gtest.h>

#include <string>

#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_lightids.h"

namespace {

HWND DirPage() {
    return Main()->GetPropertyPane()->GetLightPage().GetDirPage().GetHwnd();
}
CELSDOC* Doc() {
    return Main()->GetDoc();
}

// A session with a document open and one new directional light, current.
struct LightSession : PluginSession {
    LightSession() {
        SendOpen(OpenHostDocument(DocumentJson()));
        ClickItem(DirPage(), IDC_LIGHTDIR_NEW);
    }
};

// The list's items, then the name and direction fields.
std::string Shown() {
    HWND list = GetDlgItem(DirPage(), IDC_LIGHTDIR_LIST);
    std::string shown;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[300] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        shown += std::string(text) + ",";
    }
    for (int id : {IDC_LIGHTDIR_NAME, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z})
        shown += " " + TextOf(PageEdit(DirPage(), id));
    return shown;
}

// The user selects item i of the list.
void SelectItem(int i) {
    HWND list = GetDlgItem(DirPage(), IDC_LIGHTDIR_LIST);
    SendMessageA(list, LB_SETCURSEL, i, 0);
    SendMessageA(DirPage(), WM_COMMAND, MAKEWPARAM(IDC_LIGHTDIR_LIST, LBN_SELCHANGE), LPARAM(list));
}

// The page's command, also from an item that is disabled.
void Press(int id) {
    SendMessageA(DirPage(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(DirPage(), id)));
}

// Types into the three direction fields and commits the last.
void EnterDirection(const char* x, const char* y, const char* z) {
    SetWindowTextA(PageEdit(DirPage(), IDC_LIGHTDIR_X), x);
    SetWindowTextA(PageEdit(DirPage(), IDC_LIGHTDIR_Y), y);
    EnterText(DirPage(), IDC_LIGHTDIR_Z, z);
}

} // namespace

TEST(LightPage, LightsAreCreatedRenamedAndDeletedWithTheList) {
    LightSession session;
    ClickItem(DirPage(), IDC_LIGHTDIR_NEW);
    ClickItem(DirPage(), IDC_LIGHTDIR_NEW);
    SelectItem(1);
    EnterText(DirPage(), IDC_LIGHTDIR_NAME, "Key");
    EXPECT_EQ("Light0,Key,Light2, Key -0.12 -0.14 0.98", Shown());
    // The light before the deleted one becomes current; deleting the first makes the new first current.
    ClickItem(DirPage(), IDC_LIGHTDIR_DELETE);
    EXPECT_EQ("Light0,Light2, Light0 -0.12 -0.14 0.98", Shown());
    ClickItem(DirPage(), IDC_LIGHTDIR_DELETE);
    ClickItem(DirPage(), IDC_LIGHTDIR_NEW); // the lowest free number
    EXPECT_EQ("Light2,Light0, Light0 -0.12 -0.14 0.98", Shown());
    for (int i = 0; i < 3; ++i)
        Press(IDC_LIGHTDIR_DELETE); // the last press finds nothing to delete
    EXPECT_EQ(nullptr, Doc()->GetCurDirLight());
    EXPECT_EQ("  0.00 0.00 1.00", Shown());
    SendEvent(201); // without a document nothing is created
    ClickItem(DirPage(), IDC_LIGHTDIR_NEW);
    EXPECT_EQ("  0.00 0.00 1.00", Shown());
}

TEST(LightPage, DirectionsAreNormalisedIntoTheFieldTheLightFollows) {
    LightSession session;
    RENDPYL_LIGHTDIR* light = Doc()->GetCurDirLight();
    const FVEC3 world = light->dir;
    EnterDirection("3", "0", "4");
    EXPECT_EQ("Light0, Light0 0.60 0.00 0.80", Shown());
    EXPECT_EQ(world, light->dir);
    // Invert mirrors the followed direction through the view plane; twice gives it back.
    ClickItem(DirPage(), IDC_LIGHTDIR_INVERT);
    EXPECT_EQ("Light0, Light0 0.60 0.00 -0.80", Shown());
    ClickItem(DirPage(), IDC_LIGHTDIR_INVERT);
    EnterDirection("0", "0", "0");
    EXPECT_EQ(FVEC3(0, 0, 1), light->srcdir);
    // A press at the sphere's centre points the followed direction at the viewer.
    light->srcdir = FVEC3(0.6f, 0, 0.8f);
    HWND sphere = GetDlgItem(DirPage(), IDC_LIGHTDIR_SPHERE);
    RECT rc;
    GetClientRect(sphere, &rc);
    POINT centre = {rc.right / 2, rc.bottom / 2}, screen = centre;
    ClientToScreen(sphere, &screen);
    SetCursorPos(screen.x, screen.y);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        SendMessageA(sphere, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(centre.x, centre.y));
    EXPECT_NEAR(1.0f, light->srcdir.z, 1e-6f);
    // Not following the camera, the page shows and edits the world direction.
    ClickItem(DirPage(), IDC_LIGHTDIR_CAMTRACE);
    EXPECT_EQ("Light0, Light0 -0.12 -0.14 0.98", Shown());
    EnterDirection("0", "-2", "0");
    EXPECT_EQ(FVEC3(0, -1, 0), light->dir);
    EXPECT_EQ(FVEC3(0, 0, 1), light->srcdir);
}

TEST(LightPage, OnlyLightsOfTheOpenModelAreSelectedOrWritten) {
    LightSession session;
    RENDPYL_LIGHTDIR* own = Doc()->GetCurDirLight();
    // A list item left over from another model is not taken up.
    RENDPYL_LIGHTDIR stranger;
    HWND list = GetDlgItem(DirPage(), IDC_LIGHTDIR_LIST);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stranger"));
    SendMessageA(list, LB_SETITEMDATA, 1, reinterpret_cast<LPARAM>(&stranger));
    SelectItem(1);
    EXPECT_EQ(own, Doc()->GetCurDirLight());
    // A current light the model does not hold is neither shown nor written, nor deleted.
    Doc()->SetCurDirLight(&stranger);
    Main()->GetPropertyPane()->GetLightPage().SetDlgData();
    EXPECT_EQ("Light0,stranger,  0.00 0.00 1.00", Shown());
    EnterText(DirPage(), IDC_LIGHTDIR_IMAGE, "C:\\x.bmp");
    Press(IDC_LIGHTDIR_DELETE);
    EXPECT_STREQ("", stranger.GetFilename());
    EXPECT_EQ(1, Doc()->GetDirLightNum());
}
