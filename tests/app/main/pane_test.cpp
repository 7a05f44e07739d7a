// The property pane and its pages, driven through their windows.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_camids.h"
#include "res/page_lightids.h"
#include "res/page_mtlids.h"
#include "res/page_rendids.h"
#include "res/pageids.h"

namespace {

// A session, and names for the pages and the records they show.
class Pages : public testing::Test {
  protected:
    enum { kComm, kLight, kMtl, kRend, kCam, kSky, kDir, kPoint, kBase1, kBase3 };
    // The pages in strip order, then the light and material sub-pages.
    static HWND Page(int which) {
        DLP_RENDPYRELL* p = Main()->GetPropertyPane();
        DLP_RENDPYLLIGHT& l = p->GetLightPage();
        DLP_RENDPYLMTL& m = p->GetMtlPage();
        UWIN* strip[] = {&p->GetCommPage(), &l, &m, &p->GetRendPage(), &p->GetCameraPage()};
        UWIN* subs[] = {&l.GetSkyPage(), &l.GetDirPage(), &l.GetPointPage(), &m.GetBase1(), &m.GetBase3()};
        return (which < 5 ? strip[which] : subs[which - 5])->GetHwnd();
    }
    static RENDPYL_MODEL* Model() { return Main()->GetScene(); }
    static RENDPYL_RENDER* R() { return Model()->GetRender(); }
    static RENDPYL_CAMERA* C() { return Model()->GetCamera(); }
    static RENDPYL_MTL* M() { return Main()->GetDoc()->GetCurMtl(); }
    static RENDPYL_MTLMAP* Map(int type) { return M()->FindMap(type); }

    template <class T> static std::string Str(const T& value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }
    static std::string Str(const FVEC2& v) { return Str(v.x) + " " + Str(v.y); }
    static std::string Str(const FVEC3& v) { return Str(v.x) + " " + Str(v.y) + " " + Str(v.z); }

    // A page's command, also from an item that is disabled; for a list, the user's choice of item i.
    static void Press(int page, int id, int item = -1) {
        HWND hwnd = GetDlgItem(Page(page), id);
        if (item >= 0) SendMessageA(hwnd, LB_SETCURSEL, item, 0);
        SendMessageA(Page(page), WM_COMMAND, MAKEWPARAM(id, item >= 0 ? LBN_SELCHANGE : BN_CLICKED),
                     LPARAM(hwnd));
    }

    // Clicks a browse button; whether the file dialog opened and the action was taken in it.
    static bool Browse(int page, int id, std::function<void(HWND)> action) {
        ModalAction act(page == kComm ? "Ashmoor.exe(060518)" : "Load", std::move(action));
        ClickItem(Page(page), id);
        return ModalAction::Acted();
    }

    // The directional-light list's items, then the name and direction fields.
    static std::string DirShown() {
        std::string shown;
        char text[64];
        for (int i = 0; SendDlgItemMessageA(Page(kDir), IDC_LIGHTDIR_LIST, LB_GETTEXT, i, LPARAM(text)) > 0;
             ++i)
            shown += std::string(text) + ",";
        for (int id : {IDC_LIGHTDIR_NAME, IDC_LIGHTDIR_X, IDC_LIGHTDIR_Y, IDC_LIGHTDIR_Z})
            shown += " " + TextOf(PageEdit(Page(kDir), id));
        return shown;
    }

    // A document whose second material, "red", names three maps in the host and has the given colour;
    // with records: one light of each kind, and the second material current.
    static void OpenMaterials(const char* red = "[0.5, 0, 0]", bool records = true) {
        SendOpen(OpenHostDocument(
            std::string(R"({ "materials": [ { "name": "floor", "uid": 1001 }, { "name": "red",
            "uid": 1002, "texture": "red.bmp", "alpha_map": "redalpha.bmp", "bump": "redbump.bmp", "color": )") +
            red + R"( } ], "settings": { "name": "plugin" } })"));
        if (!records) return;
        Press(kDir, IDC_LIGHTDIR_NEW);
        Press(kPoint, IDC_LIGHTPOINT_NEW);
        Press(kMtl, IDC_MTL_LIST, 1);
    }

    PluginSession session;
};

} // namespace

TEST_F(Pages, EditsReachTheirRecordsAndNoneWhileTheDocumentIsClosed) {
    OpenMaterials();
    // Rows: the page and item, the text typed into it (none: the item is clicked), the record's value.
    struct {
        int page, id;
        const char* typed;
        std::string (*stored)();
        const char* expected;
    } rows[] = {
        {kRend, IDC_REND_WIDTH, "0", [] { return Str(R()->width); }, "1"}, // held in range
        {kRend, IDC_REND_HEIGHT, "9999", [] { return Str(R()->height); }, "4096"},
        {kRend, IDC_REND_ANISOTROPY, "1e3", [] { return Str(R()->anisotropy.value); }, "1000"},
        {kRend, IDC_REND_ALBEDO_Z, "0.5", [] { return Str(R()->albedo.value); }, "0 0 0.5"},
        {kRend, IDC_REND_BACKFILE, "C:\\sky.bmp", [] { return Str(R()->GetBackFilename()); }, "C:\\sky.bmp"},
        {kRend, IDC_REND_USEBACK, nullptr, [] { return Str(R()->use_back_flg.value); }, "0"},
        {kCam, IDC_CAM_FILMSIZE, "35", [] { return Str(C()->film_size.value); }, "0.035"},  // millimetres
        {kCam, IDC_CAM_REDRAW, nullptr, [] { return Str(C()->film_size.value); }, "0.035"}, // the view only
        {kCam, IDC_CAM_BOKEH_Y, "0.25", [] { return Str(C()->bokeh.value); }, "1 0.25 1"},
        {kCam, IDC_CAM_OBLIQUE_X, "-2", [] { return Str(C()->oblique.value); }, "-2 0"},
        {kCam, IDC_CAM_BOKEHFILE, "D:\\b.bmp", [] { return Str(C()->GetBokehFilename()); }, "D:\\b.bmp"},
        {kCam, IDC_CAM_USEFOCALRATIO, nullptr, [] { return Str(C()->use_focalratio.value); }, "1"},
        {kBase1, IDC_MTLB1_DIFFUSE_SCALE, "2.5", [] { return Str(Map(RENDPYL_MAP_DIFFUSE)->scale); }, "2.5"},
        {kBase1, IDC_MTLB1_HEIGHTMAP, nullptr, [] { return Str(Map(RENDPYL_MAP_NORMAL)->bmp_type); }, "1"},
        {kBase3, IDC_MTLB3_AXIS_Y, "0", [] { return Str(M()->axis.value); }, "0 0 0"}, // not normalised
        {kSky, IDC_LIGHTSKY_SCALE, "0.75", [] { return Str(Model()->GetLightSky()->scale.value); }, "0.75"},
        {kPoint, IDC_LIGHTPOINT_X, "250", [] { return Str(Model()->GetPointLight(0)->pos); }, "250 0 0"},
        {kDir, IDC_LIGHTDIR_INVERT, nullptr, [] { return Str(Model()->GetDirLight(0)->srcdir.z < 0); }, "1"},
        {kDir, IDC_LIGHTDIR_Y, "0", [] { return Str(Model()->GetDirLight(0)->srcdir.y); }, "0"},
        {kDir, IDC_LIGHTDIR_X, "0", [] { return Str(Model()->GetDirLight(0)->srcdir); },
         "0 0 -1"}, // unit length
        {kDir, IDC_LIGHTDIR_CAMTRACE, nullptr, [] { return Str(Model()->GetDirLight(0)->camtrace); }, "0"},
        {kComm, IDC_COMM_SCALE, "25", [] { return Str(Main()->GetViewScale()); }, "10"},
        {kComm, IDC_COMM_TMPPATH, "D:\\work", [] { return Str(Main()->GetTmpPath()); }, "D:\\work"},
        {kComm, IDC_COMM_FIT, nullptr, [] { return Str(Main()->GetViewFit()); }, "1"},
        {kComm, IDC_COMM_PREVIEW, nullptr, [] { return Str(Main()->GetPreview()); }, "0"},
    };
    const int recordRows = 16; // those above the light rows, whose records every new document has
    auto edit = [](const auto& row) {
        if (row.typed) EnterText(Page(row.page), row.id, row.typed);
        if (!row.typed) ClickItem(Page(row.page), row.id);
    };
    std::string defaults[recordRows];
    for (int i = 0; i < recordRows; ++i)
        defaults[i] = rows[i].stored();
    for (const auto& row : rows) {
        edit(row);
        EXPECT_EQ(row.stored(), row.expected) << row.id;
    }
    // Each page stored itself whole at every edit: no later store took an earlier value back.
    for (const auto& row : rows)
        EXPECT_EQ(row.stored(), row.expected) << row.id;
    EXPECT_EQ("4096", TextOf(PageEdit(Page(kRend), IDC_REND_HEIGHT)));
    // The up arrow lowers the value; the view's size can be taken as it is.
    HWND spin = FindWindowExA(GetDlgItem(Page(kRend), IDC_REND_HEIGHT), 0, "msctls_updown32", nullptr);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
    EXPECT_EQ(4095, R()->height);
    ClickItem(Page(kRend), IDC_REND_APPLYSIZE);
    int w = 0, h = 0;
    Main()->GetViewSize(&w, &h);
    EXPECT_EQ(Str(w) + " " + Str(h), Str(R()->width) + " " + Str(R()->height));
    // Fields edited while no document is open are not stored when the pages fill for the next one.
    SendEvent(201);
    for (int i = 0; i < recordRows; ++i)
        edit(rows[i]);
    SendOpen(OpenHostDocument(DocumentJson()));
    for (int i = 0; i < recordRows; ++i)
        EXPECT_EQ(rows[i].stored(), defaults[i]) << rows[i].id;
}

TEST_F(Pages, EveryBrowseStoresTheChoiceUnlessCancelledAndNeedsADocument) {
    OpenMaterials();
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    struct {
        int page, browse, field;
        const char* (*stored)();
    } rows[] = {
        {kRend, IDC_REND_BACKFILE_BROWSE, IDC_REND_BACKFILE, [] { return R()->GetBackFilename(); }},
        {kCam, IDC_CAM_BOKEHFILE_BROWSE, IDC_CAM_BOKEHFILE, [] { return C()->GetBokehFilename(); }},
        {kSky, IDC_LIGHTSKY_BROWSE, IDC_LIGHTSKY_IMAGE, [] { return Model()->GetLightSky()->GetFilename(); }},
        {kDir, IDC_LIGHTDIR_BROWSE, IDC_LIGHTDIR_IMAGE,
         [] { return Model()->GetDirLight(0)->GetFilename(); }},
        {kBase1, IDC_MTLB1_SPECULAR_BROWSE, IDC_MTLB1_SPECULAR_FILE,
         [] { return Map(RENDPYL_MAP_SPECULAR)->GetFilename(); }},
        {kComm, IDC_COMM_PYRELL_BROWSE, IDC_COMM_PYRELL, [] { return (const char*)Main()->GetPyrellPath(); }},
    };
    for (const auto& row : rows) {
        const std::string before = row.stored();
        EXPECT_TRUE(Browse(row.page, row.browse, Cancel())) << row.browse;
        EXPECT_EQ(before, row.stored()) << row.browse;
        Browse(row.page, row.browse, ChooseFile(self));
        EXPECT_STRCASEEQ(self, row.stored()) << row.browse;
        EXPECT_STRCASEEQ(self, TextOf(PageEdit(Page(row.page), row.field)).c_str()) << row.browse;
    }
    // With the document closed the record pages open no dialog.
    SendEvent(201);
    for (const auto& row : rows)
        EXPECT_EQ(Browse(row.page, row.browse, Cancel()), row.page == kComm) << row.browse;
}

TEST_F(Pages, LightsAreRenamedAndDeletedAndOnlyTheOpenModelsAreSelected) {
    OpenMaterials();
    Press(kDir, IDC_LIGHTDIR_NEW);
    ClickTab(Main()->GetPropertyPane()->GetLightPage().GetTabTable().GetHwnd(), 1, Page(kLight),
             IDC_LIGHT_TAB);
    EXPECT_TRUE(GetWindowLongA(Page(kDir), GWL_STYLE) & WS_VISIBLE);
    Press(kDir, IDC_LIGHTDIR_LIST, 0);
    EnterText(Page(kDir), IDC_LIGHTDIR_NAME, "Key");
    EXPECT_EQ("Key,Light1, Key -0.12 -0.14 0.98", DirShown());
    Press(kDir, IDC_LIGHTDIR_DELETE); // the new first light becomes current
    EXPECT_EQ("Light1, Light1 -0.12 -0.14 0.98", DirShown());
    // A list item left over from another model is not taken up, nor made current another way.
    RENDPYL_LIGHTDIR stranger;
    HWND list = GetDlgItem(Page(kDir), IDC_LIGHTDIR_LIST);
    SendMessageA(list, LB_SETITEMDATA, SendMessageA(list, LB_ADDSTRING, 0, LPARAM("stranger")),
                 LPARAM(&stranger));
    Press(kDir, IDC_LIGHTDIR_LIST, 1);
    Main()->GetDoc()->SetCurDirLight(&stranger);
    EXPECT_STREQ("Light1", Main()->GetDoc()->GetCurDirLight()->GetName());
    SendEvent(201); // without a document nothing is created
    Press(kDir, IDC_LIGHTDIR_NEW);
    EXPECT_EQ("  0.00 0.00 1.00", DirShown());
}

TEST_F(Pages, TheMaterialPreviewTakesTheHostColourClampedAndTheInnerTabsTheirSubPage) {
    OpenMaterials("[2, -1, 0.5]", false);
    ShowPaneTab(2);
    Press(kMtl, IDC_MTL_LIST, 1);
    EXPECT_EQ("red", TextOf(GetDlgItem(Page(kMtl), IDC_MTL_NAME)));
    EXPECT_EQ("redbump.bmp", TextOf(GetDlgItem(Page(kBase1), IDC_MTLB1_NORMAL_TEX)));
    const UBMPDAT& image = Main()->GetPropertyPane()->GetMtlPage().GetPreview().GetImage();
    RGBCOLOR centre = image.GetPixel(image.GetWidth() / 2 + 1, image.GetHeight() / 2 + 1);
    EXPECT_EQ(RGBCOLOR(255, 0, 127, centre.a), centre);
    ClickTab(Main()->GetPropertyPane()->GetMtlPage().GetTabTable().GetHwnd(), 1, Page(kMtl), IDC_MTL_TAB);
    EXPECT_EQ("01",
              std::to_string(IsWindowVisible(Page(kBase1))) + std::to_string(IsWindowVisible(Page(kBase3))));
}

TEST_F(Pages, MaterialFileFieldsStoreTheirOwnMapWhole) {
    OpenMaterials();
    // A typed file name stores only its own map, even with another field edited but not committed.
    SetWindowTextA(PageEdit(Page(kBase1), IDC_MTLB1_EMISSION_FILE), "glow.bmp");
    EnterText(Page(kBase1), IDC_MTLB1_SPECULAR_FILE, "C:\\spec.bmp");
    EXPECT_STREQ("", Map(RENDPYL_MAP_EMISSION)->GetFilename());
    // A name as long as a map holds is taken whole.
    const std::string longest(RENDPYL_TEXTSIZE - 1, 'a');
    EnterText(Page(kBase1), IDC_MTLB1_REFLECTION_FILE, longest.c_str());
    EXPECT_EQ(longest, Map(RENDPYL_MAP_REFLECTION)->GetFilename());
    EXPECT_STREQ("C:\\spec.bmp", Map(RENDPYL_MAP_SPECULAR)->GetFilename());
    ClickItem(Page(kBase1), IDC_MTLB1_REFLECTION_USE);
    EXPECT_EQ(1, Map(RENDPYL_MAP_REFLECTION)->use);
    EXPECT_STREQ("", Model()->GetMtl(0)->FindMap(RENDPYL_MAP_SPECULAR)->GetFilename()); // untouched
}

TEST_F(Pages, APickedBackgroundColourIsStoredAtOnceWithFullAlpha) {
    OpenMaterials();
    R()->backcol = RGBCOLOR(10, 20, 30, 40);
    Main()->UpdateAll();
    for (bool ok : {false, true}) {
        ModalAction pick("色", [ok](HWND dlg) { PostMessageA(dlg, WM_COMMAND, ok ? IDOK : IDCANCEL, 0); });
        SendMessageA(GetDlgItem(Page(kRend), IDC_REND_BACKCOL), WM_LBUTTONUP, 0, 0);
        EXPECT_TRUE(ModalAction::Acted());
        EXPECT_EQ(RGBCOLOR(10, 20, 30, ok ? 255 : 40), R()->backcol);
    }
}
