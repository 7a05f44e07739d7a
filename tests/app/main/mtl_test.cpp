#include <gtest/gtest.h>
#include <string>
#include <windows.h>
#include <commctrl.h>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_mtlids.h"
#include "scene/celsdoc.h"

namespace {

// A floor with default settings, and a dark red one whose host material names three maps.
std::string TwoMaterials(const char* redColour = "[0.5, 0, 0]") {
    return std::string(R"({ "materials": [ { "name": "floor", "uid": 1001 },
        { "name": "red", "uid": 1002, "color": )") +
           redColour + R"(, "texture": "red.bmp", "alpha_map": "redalpha.bmp", "bump": "redbump.bmp" } ],
        "objects": [], "settings": { "name": "plugin", "attributes": [], "children": [] } })";
}

DLP_RENDPYLMTL& Page() {
    return Main()->GetPropertyPane()->GetMtlPage();
}

RENDPYL_MTL* Record(int i) {
    return Main()->GetScene()->GetMtl(i);
}

RENDPYL_MTLMAP* Map(int record, int type) {
    return Record(record)->FindMap(type);
}

bool Visible(int id) {
    return GetWindowLongA(GetDlgItem(Page().GetHwnd(), id), GWL_STYLE) & WS_VISIBLE;
}

// The user picks list item i.
void SelectMaterial(int i) {
    HWND list = GetDlgItem(Page().GetHwnd(), IDC_MTL_LIST);
    SendMessageA(list, LB_SETCURSEL, i, 0);
    SendMessageA(Page().GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_MTL_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::string Rgb(const RGBCOLOR& c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// A shown window holding one static of the given client size, as a page holds its preview item.
struct PreviewHost {
    PreviewHost(int width, int height) {
        host = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width + 20, height + 20, 0, 0,
                             GetModuleHandleA(nullptr), 0);
        CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 5, 5, width, height, host,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MTL_IMAGE)), GetModuleHandleA(nullptr),
                      0);
        preview.Attach(host, IDC_MTL_IMAGE);
    }
    ~PreviewHost() { DestroyWindow(host); }
    RGBCOLOR At(int x, int y) const { return preview.GetImage().GetPixel(x, y); }

    HWND host;
    DLP_MTLIMAGE preview;
};

} // namespace

TEST(MaterialPreview, WhiteSphereOverDiagonalStripesInABlackFrame) {
    PreviewHost item(100, 100);
    EXPECT_EQ(48.0f, item.preview.GetRadius());
    EXPECT_EQ("255,255,255", Rgb(item.At(51, 51))); // the centre faces the light
    EXPECT_EQ("51,51,51", Rgb(item.At(3, 51)));     // the left rim gets the ambient only
    EXPECT_EQ("0,0,0", Rgb(item.At(1, 1)));
    EXPECT_EQ("127,127,127", Rgb(item.At(17, 1)));

    PreviewHost tall(114, 122);
    EXPECT_EQ(55.0f, tall.preview.GetRadius());
    for (int x = 0; x < 114; x += 7) {
        EXPECT_EQ("0,0,0", Rgb(tall.At(x, 0)));
        EXPECT_EQ("0,0,0", Rgb(tall.At(x, 121)));
    }

    PreviewHost tiny(20, 20);
    EXPECT_EQ(16.0f, tiny.preview.GetRadius());
}

TEST(MaterialPreview, ShadesInTheHostColourClampedAndWhiteWithoutAModel) {
    PluginSession session;
    SendOpen(OpenHostDocument(TwoMaterials("[2, -1, 0.5]")));
    PreviewHost item(100, 100);
    item.preview.SetMtl(Record(1)); // no model given yet: white
    EXPECT_EQ("255,255,255", Rgb(item.At(51, 51)));
    item.preview.SetModel(Main()->GetScene());
    item.preview.SetMtl(Record(1));
    EXPECT_EQ("255,0,127", Rgb(item.At(51, 51)));
    item.preview.SetMtl(nullptr);
    EXPECT_EQ("255,255,255", Rgb(item.At(51, 51)));

    // The diffuse swatch clamps the same colour rather than wrapping it.
    ShowPaneTab(2);
    SelectMaterial(1);
    HWND swatch = GetDlgItem(Page().GetBase1().GetHwnd(), IDC_MTLB1_DIFFUSE_COL);
    UpdateWindow(swatch);
    RECT rc;
    GetClientRect(swatch, &rc);
    HDC dc = GetDC(swatch);
    int clamped = 0;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            clamped += GetPixel(dc, x, y) == RGB(255, 0, 127);
    ReleaseDC(swatch, dc);
    EXPECT_GT(clamped, 10);
}

TEST(MaterialPage, SelectingTheSecondMaterialShowsItsHostNameColourAndMaps) {
    PluginSession session;
    SendOpen(OpenHostDocument(TwoMaterials()));
    HWND page = Page().GetHwnd(), base1 = Page().GetBase1().GetHwnd();
    HWND list = GetDlgItem(page, IDC_MTL_LIST);
    ASSERT_EQ(2, SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ("floor", TextOf(GetDlgItem(page, IDC_MTL_NAME)));

    Map(1, RENDPYL_MAP_SPECULAR)->SetFilename("spec.bmp");
    Map(1, RENDPYL_MAP_REFLECTION)->use = 1;
    Map(1, RENDPYL_MAP_NORMAL)->bmp_type = 1;
    Record(1)->axis.value = FVEC3(0, 0, 1);
    SelectMaterial(1);
    EXPECT_EQ(Record(1), Main()->GetDoc()->GetCurMtl());
    EXPECT_EQ("red", TextOf(GetDlgItem(page, IDC_MTL_NAME)));
    EXPECT_EQ("red.bmp", TextOf(GetDlgItem(base1, IDC_MTLB1_DIFFUSE_TEX)));
    EXPECT_EQ("redbump.bmp", TextOf(GetDlgItem(base1, IDC_MTLB1_NORMAL_TEX)));
    EXPECT_EQ("spec.bmp", TextOf(PageEdit(base1, IDC_MTLB1_SPECULAR_FILE)));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(base1, IDC_MTLB1_REFLECTION_USE), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(base1, IDC_MTLB1_HEIGHTMAP), BM_GETCHECK, 0, 0));
    EXPECT_EQ("1.00", TextOf(PageEdit(Page().GetBase3().GetHwnd(), IDC_MTLB3_AXIS_Z)));
    // The diffuse swatch shows the host's colour and takes no clicks.
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(base1, IDC_MTLB1_DIFFUSE_COL)));

    // The preview shows the red sphere, in its image and on the screen.
    ShowPaneTab(2);
    const UBMPDAT& image = Page().GetPreview().GetImage();
    const int cx = image.GetWidth() / 2 + 1, cy = image.GetHeight() / 2 + 1;
    EXPECT_EQ("127,0,0", Rgb(image.GetPixel(cx, cy)));
    HWND preview = GetDlgItem(page, IDC_MTL_IMAGE);
    UpdateWindow(preview);
    HDC dc = GetDC(preview);
    EXPECT_EQ(RGB(127, 0, 0), GetPixel(dc, cx, cy));
    ReleaseDC(preview, dc);
    // Showing the window refilled the list, which starts again from its first item.
    EXPECT_EQ(0, SendMessageA(list, LB_GETCURSEL, 0, 0));
}

TEST(MaterialPage, EditsOfEachSubPageReachTheCurrentRecordAndItsMap) {
    PluginSession session;
    SendOpen(OpenHostDocument(TwoMaterials()));
    // Distinct colours with alpha, so a swatch wired to the wrong map or a colour copied without its
    // alpha shows.
    const int maps[] = {RENDPYL_MAP_SPECULAR, RENDPYL_MAP_EMISSION, RENDPYL_MAP_REFLECTION,
                        RENDPYL_MAP_TRANSPARENCY};
    for (int i = 0; i < 4; ++i)
        Map(1, maps[i])->col = RGBCOLOR(10 * i, 20, 30, 40 + i);
    SelectMaterial(1);
    HWND base1 = Page().GetBase1().GetHwnd();

    // A typed file name stores only its own map, even with another field edited but not committed.
    SetWindowTextA(PageEdit(base1, IDC_MTLB1_EMISSION_FILE), "glow.bmp");
    EnterText(base1, IDC_MTLB1_SPECULAR_FILE, "C:\\maps\\spec.bmp");
    EXPECT_STREQ("C:\\maps\\spec.bmp", Map(1, RENDPYL_MAP_SPECULAR)->GetFilename());
    EXPECT_STREQ("", Map(1, RENDPYL_MAP_EMISSION)->GetFilename());
    // A name as long as a map holds is taken whole.
    const std::string longest(RENDPYL_TEXTSIZE - 1, 'a');
    EnterText(base1, IDC_MTLB1_REFLECTION_FILE, longest.c_str());
    EXPECT_EQ(longest, Map(1, RENDPYL_MAP_REFLECTION)->GetFilename());

    EnterText(base1, IDC_MTLB1_DIFFUSE_SCALE, "2.5");
    EXPECT_EQ(2.5f, Map(1, RENDPYL_MAP_DIFFUSE)->scale);
    EXPECT_STREQ("glow.bmp", Map(1, RENDPYL_MAP_EMISSION)->GetFilename()); // the whole page was stored
    ClickItem(base1, IDC_MTLB1_REFLECTION_USE);
    EXPECT_EQ(1, Map(1, RENDPYL_MAP_REFLECTION)->use);
    ClickItem(base1, IDC_MTLB1_HEIGHTMAP);
    EXPECT_EQ(1, Map(1, RENDPYL_MAP_NORMAL)->bmp_type);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RGBCOLOR(10 * i, 20, 30, 40 + i), Map(1, maps[i])->col) << maps[i];

    // The optical values, on the other sub-tab.
    ClickTab(Page().GetTabTable().GetHwnd(), 1, Page().GetHwnd(), IDC_MTL_TAB);
    HWND base3 = Page().GetBase3().GetHwnd();
    EXPECT_TRUE(GetWindowLongA(base3, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongA(base1, GWL_STYLE) & WS_VISIBLE);
    EnterText(base3, IDC_MTLB3_IOR_Y, "1.5");
    EXPECT_EQ(FVEC2(1, 1.5f), Record(1)->ior.value);
    EnterText(base3, IDC_MTLB3_REFLECIOR_Z, "2");
    EXPECT_EQ(FVEC3(0, 0, 2), Record(1)->reflection_ior.value);
    SetWindowTextA(PageEdit(base3, IDC_MTLB3_AXIS_X), "0");
    EnterText(base3, IDC_MTLB3_AXIS_Y, "0");
    EXPECT_EQ(FVEC3(0, 0, 0), Record(1)->axis.value); // not normalised

    // The first record kept its defaults throughout.
    EXPECT_EQ(FVEC2(1, 1), Record(0)->ior.value);
    EXPECT_EQ(FVEC3(0, 1, 0), Record(0)->axis.value);
    EXPECT_STREQ("", Map(0, RENDPYL_MAP_SPECULAR)->GetFilename());
}

TEST(MaterialPage, WithoutMaterialsTheListPreviewNameAndSubTabsHide) {
    PluginSession session;
    const int items[] = {IDC_MTL_LIST, IDC_MTL_IMAGE, IDC_MTL_NAME, IDC_MTL_TAB};
    SendOpen(OpenHostDocument(TwoMaterials()));
    for (int id : items)
        EXPECT_TRUE(Visible(id)) << id;
    SendOpen(OpenHostDocument(R"({ "materials": [], "objects": [],
        "settings": { "name": "plugin", "attributes": [], "children": [] } })"));
    for (int id : items)
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_EQ(0, SendMessageA(GetDlgItem(Page().GetHwnd(), IDC_MTL_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_FALSE(Page().GetSelMtl());

    // Closed: nothing to show, and an edit on a sub-page writes nowhere.
    SendOpen(OpenHostDocument(TwoMaterials()));
    SendEvent(201);
    for (int id : items)
        EXPECT_FALSE(Visible(id)) << id;
    EnterText(Page().GetBase3().GetHwnd(), IDC_MTLB3_IOR_X, "3");
    ClickItem(Page().GetBase1().GetHwnd(), IDC_MTLB1_HEIGHTMAP);
    EXPECT_FALSE(Page().GetBase1().GetCurMtl());
}
