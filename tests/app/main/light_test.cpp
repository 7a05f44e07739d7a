#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_lightids.h"

namespace {

DLP_RENDPYLLIGHT& LightPage() {
    return Main()->GetPropertyPane()->GetLightPage();
}
HWND DirPage() {
    return LightPage().GetDirPage().GetHwnd();
}
HWND PointPage() {
    return LightPage().GetPointPage().GetHwnd();
}
HWND SkyPage() {
    return LightPage().GetSkyPage().GetHwnd();
}
CELSDOC* Doc() {
    return Main()->GetDoc();
}

// A session with a document open and no lights.
struct LightSession : PluginSession {
    LightSession() { SendOpen(OpenHostDocument(DocumentJson())); }
};

std::string Shows(HWND page, int id) {
    return TextOf(PageEdit(page, id));
}
std::string ShowsVector(HWND page, int x, int y, int z) {
    return Shows(page, x) + " " + Shows(page, y) + " " + Shows(page, z);
}

// Types into three fields and commits the last.
void EnterVector(HWND page, int x, int y, int z, const char* a, const char* b, const char* c) {
    SetWindowTextA(PageEdit(page, x), a);
    SetWindowTextA(PageEdit(page, y), b);
    EnterText(page, z, c);
}

void Press(HWND page, int id) {
    HWND button = GetDlgItem(page, id);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The user selects item i of a light list.
void SelectItem(HWND page, int id, int i) {
    HWND list = GetDlgItem(page, id);
    SendMessageA(list, LB_SETCURSEL, i, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
std::vector<std::string> Items(HWND page, int id) {
    HWND list = GetDlgItem(page, id);
    std::vector<std::string> items;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[1100] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}
int Selected(HWND page, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(page, id), LB_GETCURSEL, 0, 0));
}
bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id));
}

void ExpectVector(const FVEC3& expected, const FVEC3& got) {
    EXPECT_NEAR(expected.x, got.x, 1e-6f);
    EXPECT_NEAR(expected.y, got.y, 1e-6f);
    EXPECT_NEAR(expected.z, got.z, 1e-6f);
}

} // namespace

TEST(LightPage, SubTabsAndAnEmptyModelShowClearedDisabledPages) {
    LightSession session;
    HWND tab = LightPage().GetTabTable().GetHwnd();
    ASSERT_EQ(3, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    ClickTab(tab, 1, LightPage().GetHwnd(), IDC_LIGHT_TAB);
    EXPECT_TRUE(GetWindowLongA(DirPage(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongA(SkyPage(), GWL_STYLE) & WS_VISIBLE);

    HWND dir = DirPage();
    EXPECT_TRUE(Items(dir, IDC_LIGHTDIR_LIST).empty());
    EXPECT_EQ("", Shows(dir, IDC_LIGHTDIR_NAME));
    EXPECT_EQ("0.00 0.00 1.00", ShowsVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z));
    for (int id : {IDC_LIGHTDIR_LIST, IDC_LIGHTDIR_NAME, IDC_LIGHTDIR_COL, IDC_LIGHTDIR_SCALE, IDC_LIGHTDIR_X,
                   IDC_LIGHTDIR_SPHERE, IDC_LIGHTDIR_CAMTRACE, IDC_LIGHTDIR_INVERT, IDC_LIGHTDIR_DELETE,
                   IDC_LIGHTDIR_COPY})
        EXPECT_FALSE(Enabled(dir, id)) << id;
    EXPECT_TRUE(Enabled(dir, IDC_LIGHTDIR_NEW));
    EXPECT_TRUE(Enabled(dir, IDC_LIGHTDIR_IMAGE));

    // Without a document nothing can be created.
    SendEvent(201);
    Press(dir, IDC_LIGHTDIR_NEW);
    EXPECT_TRUE(Items(dir, IDC_LIGHTDIR_LIST).empty());
}

TEST(LightPage, DirectionalLightsAreCreatedRenamedAndDeletedWithTheList) {
    LightSession session;
    HWND dir = DirPage();
    Press(dir, IDC_LIGHTDIR_NEW);
    Press(dir, IDC_LIGHTDIR_NEW);
    EXPECT_EQ((std::vector<std::string>{"Light0", "Light1"}), Items(dir, IDC_LIGHTDIR_LIST));
    EXPECT_EQ(1, Selected(dir, IDC_LIGHTDIR_LIST));
    EXPECT_STREQ("Light1", Doc()->GetCurDirLight()->GetName());
    Press(dir, IDC_LIGHTDIR_NEW);

    // Renaming the second of three refreshes the list from its first item; the page keeps the light.
    SelectItem(dir, IDC_LIGHTDIR_LIST, 1);
    EnterText(dir, IDC_LIGHTDIR_NAME, "Key");
    EXPECT_EQ((std::vector<std::string>{"Light0", "Key", "Light2"}), Items(dir, IDC_LIGHTDIR_LIST));
    EXPECT_EQ(0, Selected(dir, IDC_LIGHTDIR_LIST));
    EXPECT_STREQ("Key", Doc()->GetCurDirLight()->GetName());
    Press(dir, IDC_LIGHTDIR_COPY); // does nothing
    EXPECT_EQ(3u, Items(dir, IDC_LIGHTDIR_LIST).size());

    // The light before the deleted one becomes current; deleting the first makes the new first current.
    Press(dir, IDC_LIGHTDIR_DELETE);
    EXPECT_EQ((std::vector<std::string>{"Light0", "Light2"}), Items(dir, IDC_LIGHTDIR_LIST));
    EXPECT_STREQ("Light0", Doc()->GetCurDirLight()->GetName());
    Press(dir, IDC_LIGHTDIR_DELETE);
    EXPECT_EQ("Light2", Shows(dir, IDC_LIGHTDIR_NAME));
    // A new light takes the lowest free number.
    Press(dir, IDC_LIGHTDIR_NEW);
    EXPECT_EQ((std::vector<std::string>{"Light2", "Light0"}), Items(dir, IDC_LIGHTDIR_LIST));
    Press(dir, IDC_LIGHTDIR_DELETE);
    Press(dir, IDC_LIGHTDIR_DELETE);
    EXPECT_EQ(nullptr, Doc()->GetCurDirLight());
    EXPECT_EQ("", Shows(dir, IDC_LIGHTDIR_NAME));
    EXPECT_FALSE(Enabled(dir, IDC_LIGHTDIR_DELETE));
    Press(dir, IDC_LIGHTDIR_DELETE); // nothing left to delete
    EXPECT_EQ(0, Doc()->GetDirLightNum());
}

TEST(LightPage, PointLightsKeepPositionsAsTypedAndColoursInByteSteps) {
    LightSession session;
    HWND point = PointPage();
    Press(point, IDC_LIGHTPOINT_NEW);
    Press(point, IDC_LIGHTPOINT_NEW);
    EXPECT_EQ((std::vector<std::string>{"Light0", "Light1"}), Items(point, IDC_LIGHTPOINT_LIST));
    SelectItem(point, IDC_LIGHTPOINT_LIST, 0);
    RENDPYL_LIGHTPOINT* light = Doc()->GetCurPointLight();
    ASSERT_STREQ("Light0", light->GetName());
    light->col.value = FVEC3(0.5f, 0.5f, 0.5f);
    SelectItem(point, IDC_LIGHTPOINT_LIST, 0); // shows the colour
    EnterVector(point, IDC_LIGHTPOINT_X, IDC_LIGHTPOINT_Y, IDC_LIGHTPOINT_Z, "250", "-5", "2");
    ExpectVector(FVEC3(250, -5, 2), light->pos);
    EXPECT_EQ(127 / 255.0f, light->col.value.x);
    EnterText(point, IDC_LIGHTPOINT_IMAGE, "C:\\tex\\bulb.bmp");
    EXPECT_STREQ("C:\\tex\\bulb.bmp", light->GetFilename());
    // The other light is untouched.
    ExpectVector(FVEC3(0, 0, 0), Doc()->GetPointLight(1)->pos);

    Press(point, IDC_LIGHTPOINT_DELETE);
    EXPECT_STREQ("Light1", Doc()->GetCurPointLight()->GetName());
    Press(point, IDC_LIGHTPOINT_DELETE);
    EXPECT_EQ("", Shows(point, IDC_LIGHTPOINT_IMAGE));
    EXPECT_FALSE(Enabled(point, IDC_LIGHTPOINT_LIST));
}

TEST(LightPage, DirectionEditsAreNormalisedIntoTheFieldTheLightFollows) {
    LightSession session;
    HWND dir = DirPage();
    Press(dir, IDC_LIGHTDIR_NEW);
    RENDPYL_LIGHTDIR* light = Doc()->GetCurDirLight();
    ASSERT_EQ(1, light->camtrace);
    const FVEC3 world = light->dir;
    EnterVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z, "3", "0", "4");
    ExpectVector(FVEC3(0.6f, 0, 0.8f), light->srcdir);
    EXPECT_EQ(world, light->dir);
    EXPECT_EQ("0.60 0.00 0.80", ShowsVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z));
    EnterVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z, "0", "0", "0");
    ExpectVector(FVEC3(0, 0, 1), light->srcdir);

    // Not following the camera, the page shows and edits the world direction.
    ClickItem(dir, IDC_LIGHTDIR_CAMTRACE);
    EXPECT_EQ(0, light->camtrace);
    EXPECT_EQ("-0.12 -0.14 0.98", ShowsVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z));
    EnterVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z, "0", "-2", "0");
    ExpectVector(FVEC3(0, -1, 0), light->dir);
    ExpectVector(FVEC3(0, 0, 1), light->srcdir);
}

TEST(LightPage, SphereFollowCameraAndInvert) {
    LightSession session;
    HWND dir = DirPage();
    Press(dir, IDC_LIGHTDIR_NEW);
    RENDPYL_LIGHTDIR* light = Doc()->GetCurDirLight();
    const FVEC3 world = light->dir;

    // A press at the sphere's centre points the followed direction at the viewer.
    HWND sphere = GetDlgItem(dir, IDC_LIGHTDIR_SPHERE);
    RECT rc;
    GetClientRect(sphere, &rc);
    POINT centre = {rc.right / 2, rc.bottom / 2};
    POINT screen = centre;
    ClientToScreen(sphere, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(sphere, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    SendMessageA(sphere, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    SendMessageA(sphere, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    ExpectVector(FVEC3(0, 0, 1), light->srcdir);
    EXPECT_EQ(world, light->dir);
    EXPECT_EQ("0.00 0.00 1.00", ShowsVector(dir, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z));

    // Invert mirrors the direction through the view plane; twice gives it back.
    light->srcdir = FVEC3(0.6f, 0, 0.8f);
    SelectItem(dir, IDC_LIGHTDIR_LIST, 0);
    ClickItem(dir, IDC_LIGHTDIR_INVERT);
    ExpectVector(FVEC3(0.6f, 0, -0.8f), light->srcdir);
    ClickItem(dir, IDC_LIGHTDIR_INVERT);
    ExpectVector(FVEC3(0.6f, 0, 0.8f), light->srcdir);
}

TEST(LightPage, SkyPageStoresItsFields) {
    LightSession session;
    HWND sky = SkyPage();
    RENDPYL_LIGHTSKY* record = Main()->GetScene()->GetLightSky();
    EXPECT_EQ("1.00", Shows(sky, IDC_LIGHTSKY_SCALE));
    record->col.value = FVEC3(0.5f, 1.0f, 0.0f);
    LightPage().SetDlgData();
    EnterText(sky, IDC_LIGHTSKY_SCALE, "0.75");
    EXPECT_EQ(0.75f, record->scale.value);
    ExpectVector(FVEC3(127 / 255.0f, 1, 0), record->col.value);
    EnterText(sky, IDC_LIGHTSKY_IMAGE, "sky.bmp");
    EXPECT_STREQ("sky.bmp", record->GetFilename());
}

TEST(LightPage, OnlyLightsOfTheOpenModelAreSelectedOrWritten) {
    LightSession session;
    HWND dir = DirPage();
    Press(dir, IDC_LIGHTDIR_NEW);
    RENDPYL_LIGHTDIR* own = Doc()->GetCurDirLight();
    // A list item left over from another model is not taken up.
    RENDPYL_LIGHTDIR stranger;
    stranger.SetName("stranger");
    HWND list = GetDlgItem(dir, IDC_LIGHTDIR_LIST);
    int item = static_cast<int>(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stranger")));
    SendMessageA(list, LB_SETITEMDATA, item, reinterpret_cast<LPARAM>(&stranger));
    SelectItem(dir, IDC_LIGHTDIR_LIST, item);
    EXPECT_EQ(own, Doc()->GetCurDirLight());
    EXPECT_EQ("Light0", Shows(dir, IDC_LIGHTDIR_NAME));

    // A light the model does not hold never becomes current.
    Doc()->SetCurDirLight(&stranger);
    EXPECT_EQ(own, Doc()->GetCurDirLight());
}

TEST(LightPage, ImageBrowseStoresTheChoiceOfTheShownRecord) {
    LightSession session;
    HWND point = PointPage();
    Press(point, IDC_LIGHTPOINT_NEW);
    Press(point, IDC_LIGHTPOINT_NEW);
    RENDPYL_LIGHTPOINT* light = Doc()->GetCurPointLight();
    {
        ModalAction choose("Load", ChooseFile("C:\\windows\\win.ini"));
        Press(point, IDC_LIGHTPOINT_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STREQ("C:\\windows\\win.ini", light->GetFilename());
    EXPECT_STREQ("", Doc()->GetPointLight(0)->GetFilename());
    {
        ModalAction cancel("Load", Cancel());
        Press(SkyPage(), IDC_LIGHTSKY_BROWSE);
    }
    EXPECT_STREQ("", Main()->GetScene()->GetLightSky()->GetFilename());
}
