// The property pane and its pages, driven through their windows.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_camids.h"
#include "res/page_lightids.h"
#include "res/page_mtlids.h"
#include "res/page_rendids.h"
#include "res/pageids.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

// Shift-JIS double-byte characters (each "＝"), more than any text field's record holds, and the whole
// ones that fit.
const std::string kLong(3000, '\x81'), kCut(1022, '\x81');

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
    static RENDPYL_LIGHTDIR* D() { return Main()->GetDoc()->GetCurDirLight(); }
    static RENDPYL_LIGHTPOINT* P() { return Main()->GetDoc()->GetCurPointLight(); }
    static RENDPYL_LIGHTSKY* S() { return Model()->GetLightSky(); }
    static RENDPYL_MTL* M() { return Main()->GetDoc()->GetCurMtl(); }
    static RENDPYL_MTLMAP* Map(int type) { return M()->FindMap(type); }
    enum { kDiff = RENDPYL_MAP_DIFFUSE, kSpec = RENDPYL_MAP_SPECULAR, kEmit = RENDPYL_MAP_EMISSION };
    enum { kRefl = RENDPYL_MAP_REFLECTION, kTrans = RENDPYL_MAP_TRANSPARENCY, kNormal = RENDPYL_MAP_NORMAL };

    template <class T> static std::string Str(const T& value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }
    static std::string Str(const FVEC2& v) { return Str(v.x) + " " + Str(v.y); }
    static std::string Str(const FVEC3& v) { return Str(v.x) + " " + Str(v.y) + " " + Str(v.z); }
    static std::string Str(const RGBCOLOR& c) { return Str(FVEC3(c.r, c.g, c.b)); }

    // A field: the page and item, the text typed (a group's numbers into its consecutive items, a
    // swatch's red, green and blue into the colour dialog; none: the item is clicked), the record's
    // value read back, and that value where it differs from the typed text.
    struct Field {
        int page, id;
        const char* typed;
        std::string (*stored)();
        const char* expected = nullptr;
        const char* Value() const { return expected ? expected : typed; } // the record's, once edited
    };
    static std::vector<std::string> Words(const Field& row) {
        std::istringstream in(row.typed ? row.typed : "");
        return {std::istream_iterator<std::string>(in), {}};
    }
    static UDLGCOL* Swatch(const Field& row) {
        LONG_PTR bound = GetWindowLongPtrA(GetDlgItem(Page(row.page), row.id), GWLP_USERDATA);
        return dynamic_cast<UDLGCOL*>(reinterpret_cast<UWIN*>(bound));
    }
    static void Edit(const Field& row) {
        const std::vector<std::string> words = Words(row);
        ModalAction pick("色", [&](HWND dialog) {
            for (int i = 0; i < 3; ++i) // the dialog's red, green and blue boxes
                SetDlgItemTextA(dialog, 706 + i, words[i].c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        if (!row.typed || Swatch(row)) return ClickItem(Page(row.page), row.id);
        for (size_t i = 0; i < words.size(); ++i)
            EnterText(Page(row.page), row.id + int(i), words[i].c_str());
    }
    // What the field shows; with blank, it then shows something else.
    static std::string Shown(const Field& row, bool blank = false) {
        HWND page = Page(row.page);
        if (UDLGCOL* swatch = Swatch(row)) {
            const std::string shown = Str(swatch->GetColor());
            if (blank) swatch->SetColor(RGBCOLOR(0, 0, 0, 0));
            return shown;
        }
        std::string shown = row.typed ? "" : Str(IsDlgButtonChecked(page, row.id));
        if (blank && !row.typed) CheckDlgButton(page, row.id, !IsDlgButtonChecked(page, row.id));
        for (size_t i = 0; i < Words(row).size(); ++i) {
            shown += TextOf(PageEdit(page, row.id + int(i))) + " ";
            if (blank) SetWindowTextA(PageEdit(page, row.id + int(i)), "");
        }
        return shown;
    }

    // A page's command, also from an item that is disabled; for a list, the user's choice of item i.
    static void Press(int page, int id, int item = -1) {
        HWND hwnd = GetDlgItem(Page(page), id);
        if (item >= 0) SendMessageA(hwnd, LB_SETCURSEL, item, 0);
        SendMessageA(Page(page), WM_COMMAND, MAKEWPARAM(id, item >= 0 ? LBN_SELCHANGE : BN_CLICKED),
                     LPARAM(hwnd));
    }

    // Clicks an item that opens a modal dialog, by default a browse button's file dialog; whether the
    // dialog opened and the action was taken in it.
    static bool Dialog(int page, int id, std::function<void(HWND)> action, const char* title = nullptr) {
        ModalAction act(title ? title : page == kComm ? "Ashmoor.exe(060518)" : "Load", std::move(action));
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
    // Whether each page is shown, in the order of Page.
    static std::string Visible() {
        std::string shown;
        for (int i = kComm; i <= kBase3; ++i)
            shown += GetWindowLongA(Page(i), GWL_STYLE) & WS_VISIBLE ? "1" : "0";
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

    struct ForgetSettings {
        ~ForgetSettings() { ResetSettings(); } // after the session has stored them
    } forget;
    PluginSession session;
};

} // namespace

TEST_F(Pages, EveryFieldsEditsReachItsRecordWhichItShowsAgainAndNoneWhileTheDocumentIsClosed) {
    OpenMaterials();
    const char *wide = kLong.c_str(), *cut = kCut.c_str();
    const Field rows[] = {
        {kRend, IDC_REND_WIDTH, "0", [] { return Str(R()->width); }, "1"}, // held in range
        {kRend, IDC_REND_HEIGHT, "9999", [] { return Str(R()->height); }, "4096"},
        {kRend, IDC_REND_BACKCOL, "255 0 51",
         [] { return Str(R()->backcol) + " " + Str(int(R()->backcol.a)); }, "255 0 51 255"}, // full alpha
        {kRend, IDC_REND_BACKFILE, wide, [] { return Str(R()->GetBackFilename()); }, cut},
        {kRend, IDC_REND_USEBACK, nullptr, [] { return Str(R()->use_back_flg.value); }, "0"},
        {kRend, IDC_REND_ANISOTROPY, "1e3", [] { return Str(R()->anisotropy.value); }, "1000"},
        {kRend, IDC_REND_HEXTINCTION_X, "1 2 3", [] { return Str(R()->homogeneousextinction.value); }},
        {kRend, IDC_REND_HALBEDO_X, "4 5 6", [] { return Str(R()->homogeneousalbedo.value); }},
        {kRend, IDC_REND_EXTINCTION_X, "7 8 9", [] { return Str(R()->extinction.value); }},
        {kRend, IDC_REND_ALBEDO_X, "0 0 0.5", [] { return Str(R()->albedo.value); }},
        {kRend, IDC_REND_ORIGIN_X, "-1 -2 -3", [] { return Str(R()->origin.value); }},
        {kRend, IDC_REND_SIZE_X, "10 20 30", [] { return Str(R()->size.value); }},
        {kCam, IDC_CAM_FILMSIZE, "35", [] { return Str(C()->film_size.value); }, "0.035"},  // millimetres
        {kCam, IDC_CAM_REDRAW, nullptr, [] { return Str(C()->film_size.value); }, "0.035"}, // the view only
        {kCam, IDC_CAM_USEFOCALRATIO, nullptr, [] { return Str(C()->use_focalratio.value); }, "1"},
        {kCam, IDC_CAM_FOCALRATIO, "2.8", [] { return Str(C()->focalratio.value); }},
        {kCam, IDC_CAM_BOKEH_X, "0.5 0.25 2", [] { return Str(C()->bokeh.value); }},
        {kCam, IDC_CAM_BOKEHFILE, wide, [] { return Str(C()->GetBokehFilename()); }, cut},
        {kCam, IDC_CAM_DISTORTION, "0.3", [] { return Str(C()->distortion.value); }},
        {kCam, IDC_CAM_LENSTILT_X, "1 2", [] { return Str(C()->lenstilt.value); }},
        {kCam, IDC_CAM_FILMTILT_X, "3 4", [] { return Str(C()->filmtilt.value); }},
        {kCam, IDC_CAM_OBLIQUE_X, "-2 5", [] { return Str(C()->oblique.value); }},
        {kBase1, IDC_MTLB1_DIFFUSE_SCALE, "2.5", [] { return Str(Map(kDiff)->scale); }},
        {kBase1, IDC_MTLB1_SPECULAR_COL, "0 255 51", [] { return Str(Map(kSpec)->col); }},
        {kBase1, IDC_MTLB1_SPECULAR_FILE, wide, [] { return Str(Map(kSpec)->GetFilename()); }, cut},
        {kBase1, IDC_MTLB1_EMISSION_COL, "51 0 255", [] { return Str(Map(kEmit)->col); }},
        {kBase1, IDC_MTLB1_EMISSION_FILE, wide, [] { return Str(Map(kEmit)->GetFilename()); }, cut},
        {kBase1, IDC_MTLB1_REFLECTION_COL, "255 51 0", [] { return Str(Map(kRefl)->col); }},
        {kBase1, IDC_MTLB1_REFLECTION_USE, nullptr, [] { return Str(Map(kRefl)->use); }, "1"},
        {kBase1, IDC_MTLB1_REFLECTION_SCALE, "0.75", [] { return Str(Map(kRefl)->scale); }},
        {kBase1, IDC_MTLB1_REFLECTION_FILE, wide, [] { return Str(Map(kRefl)->GetFilename()); }, cut},
        {kBase1, IDC_MTLB1_TRANSPARENCY_COL, "0 51 255", [] { return Str(Map(kTrans)->col); }},
        {kBase1, IDC_MTLB1_HEIGHTMAP, nullptr, [] { return Str(Map(kNormal)->bmp_type); }, "1"},
        {kBase3, IDC_MTLB3_IOR_X, "1.5 1.25", [] { return Str(M()->ior.value); }},
        {kBase3, IDC_MTLB3_REFLECIOR_X, "1 2 3", [] { return Str(M()->reflection_ior.value); }},
        {kBase3, IDC_MTLB3_SPECFLEC_X, "0.5 0.25 0.75", [] { return Str(M()->specularre_flectance.value); }},
        {kBase3, IDC_MTLB3_AXIS_X, "3 0 4", [] { return Str(M()->axis.value); }}, // not normalised
        {kSky, IDC_LIGHTSKY_COL, "51 255 0", [] { return Str(S()->col.value); }, "0.2 1 0"},
        {kSky, IDC_LIGHTSKY_SCALE, "0.75", [] { return Str(S()->scale.value); }},
        {kSky, IDC_LIGHTSKY_IMAGE, wide, [] { return Str(S()->GetFilename()); }, cut},
        {kPoint, IDC_LIGHTPOINT_NAME, wide, [] { return Str(P()->GetName()); }, cut},
        {kPoint, IDC_LIGHTPOINT_COL, "255 255 51", [] { return Str(P()->col.value); }, "1 1 0.2"},
        {kPoint, IDC_LIGHTPOINT_SCALE, "3", [] { return Str(P()->scale.value); }},
        {kPoint, IDC_LIGHTPOINT_X, "250 -5 2", [] { return Str(P()->pos); }},
        {kPoint, IDC_LIGHTPOINT_IMAGE, wide, [] { return Str(P()->GetFilename()); }, cut},
        {kDir, IDC_LIGHTDIR_NAME, wide, [] { return Str(D()->GetName()); }, cut},
        {kDir, IDC_LIGHTDIR_COL, "51 51 255", [] { return Str(D()->col.value); }, "0.2 0.2 1"},
        {kDir, IDC_LIGHTDIR_SCALE, "1.5", [] { return Str(D()->scale.value); }},
        {kDir, IDC_LIGHTDIR_IMAGE, wide, [] { return Str(D()->GetFilename()); }, cut},
        // The direction the light keeps while it follows the camera, then the one it keeps when not.
        {kDir, IDC_LIGHTDIR_X, "0", [] { return Str(D()->srcdir.x); }},
        {kDir, IDC_LIGHTDIR_Y, "0", [] { return Str(D()->srcdir.y); }}, // unit length: z is 1
        {kDir, IDC_LIGHTDIR_INVERT, nullptr, [] { return Str(D()->srcdir.z); }, "-1"},
        {kDir, IDC_LIGHTDIR_CAMTRACE, nullptr, [] { return Str(D()->camtrace); }, "0"},
        {kDir, IDC_LIGHTDIR_SPHERE, nullptr, [] { return Str(D()->dir.x); }, "0"}, // its centre, inverted
        {kDir, IDC_LIGHTDIR_Z, "2", [] { return Str(D()->dir.z); }, "1"},
        {kComm, IDC_COMM_PYRELL, wide, [] { return Str(Main()->GetPyrellPath()); }, cut},
        {kComm, IDC_COMM_TMPPATH, wide, [] { return Str(Main()->GetTmpPath()); }, cut},
        {kComm, IDC_COMM_SCALE, "25", [] { return Str(Main()->GetViewScale()); }, "10"},
        {kComm, IDC_COMM_FIT, nullptr, [] { return Str(Main()->GetViewFit()); }, "1"},
        {kComm, IDC_COMM_STARTIMAGE, nullptr, [] { return Str(Main()->GetStartImage()); }, "0"},
        {kComm, IDC_COMM_PREVIEW, nullptr, [] { return Str(Main()->GetPreview()); }, "0"},
    };
    const int recordRows = 40; // those above the light rows, whose records every new document has
    R()->backcol = RGBCOLOR(10, 20, 30, 40);
    Main()->UpdateAll();
    EXPECT_TRUE(Dialog(kRend, IDC_REND_BACKCOL, Cancel(), "色"));
    EXPECT_EQ(R()->backcol, RGBCOLOR(10, 20, 30, 40)); // a cancelled colour stays, alpha and all
    for (const Field& row : rows) {
        Edit(row);
        EXPECT_EQ(row.stored(), row.Value()) << row.id;
    }
    // Each page stored itself whole at every edit: no later store took an earlier value back. Each field
    // shows its record again when the pages refill, whatever it showed before; the invert check only
    // steers the sphere, and keeps its state.
    std::vector<std::string> shown;
    for (const Field& row : rows) {
        EXPECT_EQ(row.stored(), row.Value()) << row.id;
        shown.push_back(Shown(row, row.id != IDC_LIGHTDIR_INVERT));
    }
    Main()->UpdateAll();
    for (const Field& row : rows)
        EXPECT_EQ(shown[&row - rows], Shown(row)) << row.id;
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
        Edit(rows[i]);
    SendOpen(OpenHostDocument(DocumentJson()));
    for (int i = 0; i < recordRows; ++i)
        EXPECT_NE(rows[i].stored(), rows[i].Value()) << rows[i].id;
}

TEST_F(Pages, EveryBrowseStoresTheChoiceUnlessCancelledAndNeedsADocumentToTheEnd) {
    OpenMaterials();
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    struct {
        int page, browse, field;
        const char* (*stored)();
    } rows[] = {
        {kRend, IDC_REND_BACKFILE_BROWSE, IDC_REND_BACKFILE, [] { return R()->GetBackFilename(); }},
        {kCam, IDC_CAM_BOKEHFILE_BROWSE, IDC_CAM_BOKEHFILE, [] { return C()->GetBokehFilename(); }},
        {kSky, IDC_LIGHTSKY_BROWSE, IDC_LIGHTSKY_IMAGE, [] { return S()->GetFilename(); }},
        {kDir, IDC_LIGHTDIR_BROWSE, IDC_LIGHTDIR_IMAGE, [] { return D()->GetFilename(); }},
        {kPoint, IDC_LIGHTPOINT_BROWSE, IDC_LIGHTPOINT_IMAGE, [] { return P()->GetFilename(); }},
        {kBase1, IDC_MTLB1_SPECULAR_BROWSE, IDC_MTLB1_SPECULAR_FILE,
         [] { return Map(kSpec)->GetFilename(); }},
        {kBase1, IDC_MTLB1_EMISSION_BROWSE, IDC_MTLB1_EMISSION_FILE,
         [] { return Map(kEmit)->GetFilename(); }},
        {kBase1, IDC_MTLB1_REFLECTION_BROWSE, IDC_MTLB1_REFLECTION_FILE,
         [] { return Map(kRefl)->GetFilename(); }},
        {kComm, IDC_COMM_PYRELL_BROWSE, IDC_COMM_PYRELL, [] { return (const char*)Main()->GetPyrellPath(); }},
    };
    for (const auto& row : rows) {
        const std::string before = row.stored();
        EXPECT_TRUE(Dialog(row.page, row.browse, Cancel())) << row.browse;
        EXPECT_EQ(before, row.stored()) << row.browse;
        Dialog(row.page, row.browse, ChooseFile(self));
        EXPECT_STRCASEEQ(self, row.stored()) << row.browse;
        EXPECT_STRCASEEQ(self, TextOf(PageEdit(Page(row.page), row.field)).c_str()) << row.browse;
    }
    // A document closed while the dialog is open takes no choice, nor shows it; once it is closed the
    // record pages open no dialog.
    for (const auto& row : rows) {
        OpenMaterials();
        EXPECT_TRUE(Dialog(row.page, row.browse, [&](HWND dialog) {
            SendEvent(201);
            ChooseFile(self)(dialog);
        })) << row.browse;
        EXPECT_STRCASEEQ(row.page == kComm ? self : "", TextOf(PageEdit(Page(row.page), row.field)).c_str())
            << row.browse;
        EXPECT_EQ(Dialog(row.page, row.browse, Cancel()), row.page == kComm) << row.browse;
    }
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
    // A list item left over from another model is not taken up.
    RENDPYL_LIGHTDIR stranger;
    HWND list = GetDlgItem(Page(kDir), IDC_LIGHTDIR_LIST);
    SendMessageA(list, LB_SETITEMDATA, SendMessageA(list, LB_ADDSTRING, 0, LPARAM("stranger")),
                 LPARAM(&stranger));
    Press(kDir, IDC_LIGHTDIR_LIST, 1);
    EXPECT_STREQ("Light1", D()->GetName());
    SendEvent(201); // without a document nothing is created
    Press(kDir, IDC_LIGHTDIR_NEW);
    EXPECT_EQ("  0.00 0.00 1.00", DirShown());
}

TEST_F(Pages, TheStripsStartOnTheirFirstPagesAndAMaterialShowsItsHostsPartClampedAndKeepsItsOwnMaps) {
    EXPECT_EQ("1000010010", Visible());
    OpenMaterials("[2, -1, 0.5]", false);
    ShowPaneTab(2);
    Press(kMtl, IDC_MTL_LIST, 1);
    std::string host;
    for (int id : {IDC_MTLB1_DIFFUSE_TEX, IDC_MTLB1_TRANSPARENCY_TEX, IDC_MTLB1_NORMAL_TEX})
        host += " " + TextOf(GetDlgItem(Page(kBase1), id));
    EXPECT_EQ(TextOf(GetDlgItem(Page(kMtl), IDC_MTL_NAME)) + host, "red red.bmp redalpha.bmp redbump.bmp");
    EXPECT_EQ("255 0 127", Shown({kBase1, IDC_MTLB1_DIFFUSE_COL, "", nullptr}));
    const UBMPDAT& image = Main()->GetPropertyPane()->GetMtlPage().GetPreview().GetImage();
    RGBCOLOR centre = image.GetPixel(image.GetWidth() / 2 + 1, image.GetHeight() / 2 + 1);
    EXPECT_EQ(RGBCOLOR(255, 0, 127, centre.a), centre);
    ClickTab(Main()->GetPropertyPane()->GetMtlPage().GetTabTable().GetHwnd(), 1, Page(kMtl), IDC_MTL_TAB);
    EXPECT_EQ("0010010001", Visible());
    // A typed file name stores only its own map, even with another field edited but not committed.
    SetWindowTextA(PageEdit(Page(kBase1), IDC_MTLB1_EMISSION_FILE), "glow.bmp");
    EnterText(Page(kBase1), IDC_MTLB1_SPECULAR_FILE, "C:\\spec.bmp");
    EXPECT_STREQ("", Map(kEmit)->GetFilename());
    EXPECT_STREQ("", Model()->GetMtl(0)->FindMap(kSpec)->GetFilename()); // untouched
    // A record whose host material is gone shows and keeps its own maps, and nothing of the host's.
    M()->ID = 999;
    Map(kRefl)->scale = 2.5f;
    Main()->GetPropertyPane()->GetMtlPage().Refresh();
    EXPECT_EQ("", TextOf(GetDlgItem(Page(kBase1), IDC_MTLB1_DIFFUSE_TEX)));
    EXPECT_EQ("C:\\spec.bmp", TextOf(PageEdit(Page(kBase1), IDC_MTLB1_SPECULAR_FILE)));
    Press(kBase1, IDC_MTLB1_HEIGHTMAP); // any edit stores the whole page
    EXPECT_STREQ("C:\\spec.bmp", Map(kSpec)->GetFilename());
    EXPECT_EQ(2.5f, Map(kRefl)->scale);
}

TEST_F(Pages, AnEditStoresTheWholePageButNoNumberTheUserDidNotType) {
    // Elements with attributes as the settings writer writes them, with more digits than the fields show,
    // and the attribute the edits below type.
    const struct {
        std::string name, attributes, typed;
    } elements[] = {
        {"renderer", R"(["anisotropy","0.123456"],["origin","0.123000 0.654000 -1.987000"])", ""},
        {"lightsky", R"(["col","0.123000 0.456000 0.789000"])", R"(["scale","0.500000"])"},
        {"lightdir",
         R"(["col","0.123000 0.456000 0.789000"],["scale","0.755000"],["dir","-0.281600 0.748800 -0.600000"],)"
         R"(["camtrace","0"])",
         R"(["name","Key"])"}};
    std::string children;
    for (const auto& element : elements)
        children += (children.empty() ? "" : ",") +
                    ("{ \"name\": \"" + element.name + "\", \"attributes\": [" + element.attributes + "] }");
    SendOpen(OpenHostDocument(R"({ "settings": { "name": "plugin", "children": [ { "name": "model",
        "attributes": [["ver", "10000"]], "children": [ )" +
                              children + " ] } ] } }"));
    Press(kDir, IDC_LIGHTDIR_LIST, 0);
    SendMessageA(PageEdit(Page(kRend), IDC_REND_WIDTH), WM_CHAR, VK_RETURN, 1);
    EnterText(Page(kDir), IDC_LIGHTDIR_NAME, "Key");
    EnterText(Page(kSky), IDC_LIGHTSKY_SCALE, "0.5");
    SendSave(hxhost::DocumentHandle());
    // Each element keeps every value as it was, beside the one typed.
    const nlohmann::json saved = nlohmann::json::parse(hxhost::SettingsJson());
    std::vector<std::string> missing;
    for (const auto& element : elements) {
        std::string written;
        for (const nlohmann::json& child : saved["children"][0]["children"])
            if (child["name"] == element.name)
                for (const nlohmann::json& pair : child["attributes"])
                    written += pair.dump() + ",";
        for (const nlohmann::json& pair : nlohmann::json::parse("[" + element.attributes + "]"))
            if (written.find(pair.dump() + ",") == std::string::npos)
                missing.push_back(element.name + pair.dump());
        if (!element.typed.empty() && written.find(element.typed + ",") == std::string::npos)
            missing.push_back(element.name + element.typed);
    }
    EXPECT_EQ(std::vector<std::string>(), missing) << saved.dump();
    // Typed over the text that shows it, a value applies as typed.
    const std::string shown = TextOf(PageEdit(Page(kRend), IDC_REND_ANISOTROPY));
    EnterText(Page(kRend), IDC_REND_ANISOTROPY, "0.12");
    EXPECT_EQ(std::pair(shown, R()->anisotropy.value), std::pair(std::string("0.12"), 0.12f));
}

// The host view's camera is shown as every other number, whatever locale the process has set. The view
// turns a quarter about y, and its translation is (1.5, -2.25, 10): the camera stands at (-10, -2.25, 1.5)
// and looks 10 along -x; the projection's 1.7320508 is 1 / tan 30 degrees, a field of view of 60.
TEST_F(Pages, TheHostCameraIsShownWithADecimalPointUnderAnyLocale) {
    const int ids[] = {IDC_CAM_POS_X,    IDC_CAM_POS_Y, IDC_CAM_POS_Z, IDC_CAM_LOOKAT_X, IDC_CAM_LOOKAT_Y,
                       IDC_CAM_LOOKAT_Z, IDC_CAM_UP_X,  IDC_CAM_UP_Y,  IDC_CAM_UP_Z,     IDC_CAM_FOV};
    const std::vector<std::string> expected = {"-10.00", "-2.25", "1.50", "-20.00", "-2.25",
                                               "1.50",   "0.00",  "1.00", "0.00",   "60.00"};
    SendOpen(OpenHostDocument(R"({ "scene": { "view": [0,0,-1,0, 0,1,0,0, 1,0,0,0, 1.5,-2.25,10,1],
        "proj": [1.7320508,0,0,0, 0,1.7320508,0,0, 0,0,1,1, 0,0,-1,0] }, "settings": { "name": "plugin" } })"));
    for (const char* locale : {"C", "German_Germany.1252"}) {
        EXPECT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale;
        Main()->GetPropertyPane()->GetCameraPage().SetDlgData();
        std::vector<std::string> texts;
        for (int id : ids)
            texts.push_back(TextOf(GetDlgItem(Page(kCam), id)));
        EXPECT_EQ(texts, expected) << locale;
    }
    std::setlocale(LC_ALL, "C");
}
