#include <gtest/gtest.h>

#include <string>

#include "app/dlp_lists.h"
#include "app/dlp_mtlcbox.h"
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_mtlids.h"

namespace {

// A floor with default settings, and a red one whose host material names three maps.
std::string TwoMaterials(const char* redColour = "[0.5, 0, 0]") {
    return std::string(R"({ "materials": [ { "name": "floor", "uid": 1001 }, { "name": "red", "uid": 1002,
        "texture": "red.bmp", "alpha_map": "redalpha.bmp", "bump": "redbump.bmp", "color": )") +
           redColour + R"( } ], "settings": { "name": "plugin" } })";
}

DLP_RENDPYLMTL& Page() {
    return Main()->GetPropertyPane()->GetMtlPage();
}
RENDPYL_MTLMAP* Map(int record, int type) {
    return Main()->GetScene()->GetMtl(record)->FindMap(type);
}

// The user picks list item i.
void SelectMaterial(int i) {
    HWND list = GetDlgItem(Page().GetHwnd(), IDC_MTL_LIST);
    SendMessageA(list, LB_SETCURSEL, i, 0);
    SendMessageA(Page().GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_MTL_LIST, LBN_SELCHANGE), LPARAM(list));
}

} // namespace

TEST(MaterialPage, TheSecondMaterialShowsItsHostNameMapsAndColourClamped) {
    PluginSession session;
    SendOpen(OpenHostDocument(TwoMaterials("[2, -1, 0.5]")));
    HWND page = Page().GetHwnd(), base1 = Page().GetBase1().GetHwnd();
    Map(1, RENDPYL_MAP_SPECULAR)->SetFilename("spec.bmp");
    Map(1, RENDPYL_MAP_NORMAL)->bmp_type = 1;
    ShowPaneTab(2);
    SelectMaterial(1);
    std::string shown = TextOf(GetDlgItem(page, IDC_MTL_NAME));
    for (int id :
         {IDC_MTLB1_DIFFUSE_TEX, IDC_MTLB1_TRANSPARENCY_TEX, IDC_MTLB1_NORMAL_TEX, IDC_MTLB1_SPECULAR_FILE})
        shown += " " + TextOf(PageEdit(base1, id));
    EXPECT_EQ("red red.bmp redalpha.bmp redbump.bmp spec.bmp", shown);
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(base1, IDC_MTLB1_HEIGHTMAP), BM_GETCHECK, 0, 0));
    // The preview's sphere and the diffuse swatch take the host colour clamped, not wrapped.
    const UBMPDAT& image = Page().GetPreview().GetImage();
    RGBCOLOR centre = image.GetPixel(image.GetWidth() / 2 + 1, image.GetHeight() / 2 + 1);
    EXPECT_EQ(RGBCOLOR(255, 0, 127, centre.a), centre);
    HWND swatch = GetDlgItem(base1, IDC_MTLB1_DIFFUSE_COL);
    UpdateWindow(swatch);
    HDC dc = GetDC(swatch);
    int clamped = 0;
    for (int i = 0; i < 400; ++i)
        clamped += GetPixel(dc, i % 20, i / 20) == RGB(255, 0, 127);
    ReleaseDC(swatch, dc);
    EXPECT_GT(clamped, 10);
    // Showing the page again refills the list; its highlight stays on the material shown.
    ShowPaneTab(2);
    EXPECT_EQ(1, SendMessageA(GetDlgItem(page, IDC_MTL_LIST), LB_GETCURSEL, 0, 0));
}

TEST(MaterialPage, FileFieldsStoreTheirOwnMapAndRefuseNamesTooLongForIt) {
    PluginSession session;
    SendOpen(OpenHostDocument(TwoMaterials()));
    // Colours with alpha, so a colour copied without its alpha or into the wrong map shows.
    const int maps[] = {RENDPYL_MAP_SPECULAR, RENDPYL_MAP_EMISSION, RENDPYL_MAP_REFLECTION,
                        RENDPYL_MAP_TRANSPARENCY};
    for (int i = 0; i < 4; ++i)
        Map(1, maps[i])->col = RGBCOLOR(10 * i, 20, 30, 40 + i);
    SelectMaterial(1);
    HWND base1 = Page().GetBase1().GetHwnd();
    // A typed file name stores only its own map, even with another field edited but not committed.
    SetWindowTextA(PageEdit(base1, IDC_MTLB1_EMISSION_FILE), "glow.bmp");
    EnterText(base1, IDC_MTLB1_SPECULAR_FILE, "C:\\maps\\spec.bmp");
    EXPECT_STREQ("", Map(1, RENDPYL_MAP_EMISSION)->GetFilename());
    // A name as long as a map holds is taken whole; a longer one is refused, not cut.
    const std::string longest(RENDPYL_TEXTSIZE - 1, 'a');
    EnterText(base1, IDC_MTLB1_REFLECTION_FILE, longest.c_str());
    EXPECT_EQ(longest, Map(1, RENDPYL_MAP_REFLECTION)->GetFilename());
    EnterText(base1, IDC_MTLB1_SPECULAR_FILE, (longest + "bc").c_str());
    EXPECT_STREQ("C:\\maps\\spec.bmp", Map(1, RENDPYL_MAP_SPECULAR)->GetFilename());
    EXPECT_EQ("C:\\maps\\spec.bmp", TextOf(PageEdit(base1, IDC_MTLB1_SPECULAR_FILE)));
    EXPECT_NE(std::string::npos,
              TextOf(Main()->GetMessageWindow().GetHwnd()).find("ファイル名が長すぎます!!"));
    ClickItem(base1, IDC_MTLB1_REFLECTION_USE);
    EXPECT_EQ(1, Map(1, RENDPYL_MAP_REFLECTION)->use);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RGBCOLOR(10 * i, 20, 30, 40 + i), Map(1, maps[i])->col) << maps[i];
    EXPECT_STREQ("", Map(0, RENDPYL_MAP_SPECULAR)->GetFilename()); // the first record is untouched
}

TEST(MaterialPage, WithoutMaterialsOrDocumentTheItemsHideAndEditsWriteNowhere) {
    PluginSession session;
    auto shown = [] {
        std::string flags;
        for (int id : {IDC_MTL_LIST, IDC_MTL_IMAGE, IDC_MTL_NAME, IDC_MTL_TAB})
            flags += GetWindowLongA(GetDlgItem(Page().GetHwnd(), id), GWL_STYLE) & WS_VISIBLE ? '1' : '0';
        return flags;
    };
    SendOpen(OpenHostDocument(TwoMaterials()));
    EXPECT_EQ("1111", shown());
    SendOpen(OpenHostDocument(R"({ "materials": [], "settings": { "name": "plugin" } })"));
    EXPECT_EQ("0000", shown());
    EXPECT_FALSE(Page().GetSelMtl());
    SendOpen(OpenHostDocument(TwoMaterials()));
    SendEvent(201);
    EXPECT_EQ("0000", shown());
    EnterText(Page().GetBase3().GetHwnd(), IDC_MTLB3_IOR_X, "3");
    ClickItem(Page().GetBase1().GetHwnd(), IDC_MTLB1_HEIGHTMAP);
    EXPECT_FALSE(Page().GetBase1().GetCurMtl());
}

TEST(MaterialPage, ListsShowHostNamesAndSelectOnlyRecordsOfTheModel) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    RENDPYL_MODEL* model = Main()->GetScene();
    model->AddMtl()->ID = 4242; // its host material is gone: an empty name
    HWND parent = Main()->GetHwnd();
    CreateWindowA("LISTBOX", "", WS_CHILD, 0, 0, 100, 100, parent, HMENU(9001), 0, 0);
    CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, parent, HMENU(9002), 0, 0);
    UDLGLIST list;
    DLP_MTLCBOX box;
    list.Attach(parent, 9001);
    box.Attach(parent, 9002);
    SetMtlList(&list, model);
    char text[64] = "?";
    SendDlgItemMessageA(parent, 9001, LB_GETTEXT, 2, LPARAM(text));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_STREQ("", text);
    SelectMtlList(&list, model->GetMtl(2));
    RENDPYL_MTL foreign;
    SelectMtlList(&list, &foreign); // not in the list: the selection stays
    EXPECT_EQ(model->GetMtl(2), GetMtlList(&list));
    SetDirLightList(&list, nullptr); // without a model the list is only emptied
    EXPECT_EQ(0, list.GetCount());
    // The combo box, with and without its "none" item.
    EXPECT_EQ(nullptr, box.GetMtl()); // no model yet
    box.SetList(model, 1);
    box.SetSelect(2);
    EXPECT_EQ(model->GetMtl(1), box.GetMtl());
    box.SetMtl(&foreign); // not in the model: none
    EXPECT_EQ(nullptr, box.GetMtl());
    box.SetList(model, 0);
    EXPECT_EQ(model->GetMtl(0), box.GetMtl());
    box.SetMtl(&foreign);
    EXPECT_EQ(nullptr, box.GetMtl());
}
