// The property pane and its pages, driven through their windows: tabs, typed values, file choices, and
// the fields that are special to the common, render and camera pages.
#include <gtest/gtest.h>

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
#include "tools/hxhost/lib/document.h"

namespace {

enum { kComm, kLight, kMtl, kRend, kCam, kSky, kDir, kPoint, kBase1, kBase3 };

// The pages in strip order, then the light and material sub-pages.
HWND Page(int which) {
    DLP_RENDPYRELL* p = Main()->GetPropertyPane();
    HWND pages[] = {p->GetCommPage().GetHwnd(),
                    p->GetLightPage().GetHwnd(),
                    p->GetMtlPage().GetHwnd(),
                    p->GetRendPage().GetHwnd(),
                    p->GetCameraPage().GetHwnd(),
                    p->GetLightPage().GetSkyPage().GetHwnd(),
                    p->GetLightPage().GetDirPage().GetHwnd(),
                    p->GetLightPage().GetPointPage().GetHwnd(),
                    p->GetMtlPage().GetBase1().GetHwnd(),
                    p->GetMtlPage().GetBase3().GetHwnd()};
    return pages[which];
}
RENDPYL_MODEL* Model() {
    return Main()->GetScene();
}
RENDPYL_RENDER* R() {
    return Model()->GetRender();
}
RENDPYL_CAMERA* C() {
    return Model()->GetCamera();
}
RENDPYL_MTL* M() {
    return Main()->GetDoc()->GetCurMtl();
}
RENDPYL_MTLMAP* Map(int type) {
    return M()->FindMap(type);
}

template <class T> std::string Str(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}
std::string Str(const FVEC2& v) {
    return Str(v.x) + " " + Str(v.y);
}
std::string Str(const FVEC3& v) {
    return Str(v.x) + " " + Str(v.y) + " " + Str(v.z);
}

// A session with a document open, one light of each kind, and the second material current.
struct PagesSession : PluginSession {
    PagesSession() {
        SendOpen(OpenHostDocument(DocumentJson()));
        ClickItem(Page(kDir), IDC_LIGHTDIR_NEW);
        ClickItem(Page(kPoint), IDC_LIGHTPOINT_NEW);
        Main()->GetDoc()->SetCurMtl(Model()->GetMtl(1));
        Main()->UpdateAll();
    }
};

} // namespace

TEST(PropertyPane, EachTabShowsItsOwnPageOnlyAndPagesFindTheModelAfresh) {
    PluginSession session;
    for (int i : {3, 1, 4, 2, 0}) {
        ShowPaneTab(i);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(bool(GetWindowLongA(Page(j), GWL_STYLE) & WS_VISIBLE), i == j) << i << " " << j;
    }
    // A bare page reads the model through its owner at every use.
    struct Probe : DLP_PAGE {
        Probe() : DLP_PAGE(IDD_PAGE_REND) {}
        using DLP_PAGE::GetModel;
    } page;
    EXPECT_EQ(nullptr, page.GetModel()); // no owner yet
    ASSERT_TRUE(page.Create(Main(), Main()->GetHwnd(), URECT{}));
    SendOpen(OpenHostDocument(DocumentJson()));
    EXPECT_EQ(Model(), page.GetModel());
    SendEvent(201);
    EXPECT_EQ(nullptr, page.GetModel());
    DestroyWindow(page.GetHwnd());
}

TEST(PropertyPane, TypedValuesReachTheirRecordsAndNoneWhileTheDocumentIsClosed) {
    PagesSession session;
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
        {kCam, IDC_CAM_FILMSIZE, "35", [] { return Str(C()->film_size.value); }, "0.035"}, // millimetres
        {kCam, IDC_CAM_BOKEH_Y, "0.25", [] { return Str(C()->bokeh.value); }, "1 0.25 1"},
        {kCam, IDC_CAM_OBLIQUE_X, "-2", [] { return Str(C()->oblique.value); }, "-2 0"},
        {kCam, IDC_CAM_BOKEHFILE, "D:\\b.bmp", [] { return Str(C()->GetBokehFilename()); }, "D:\\b.bmp"},
        {kBase1, IDC_MTLB1_DIFFUSE_SCALE, "2.5", [] { return Str(Map(RENDPYL_MAP_DIFFUSE)->scale); }, "2.5"},
        {kBase3, IDC_MTLB3_IOR_Y, "1.5", [] { return Str(M()->ior.value); }, "1 1.5"},
        {kSky, IDC_LIGHTSKY_SCALE, "0.75", [] { return Str(Model()->GetLightSky()->scale.value); }, "0.75"},
        {kPoint, IDC_LIGHTPOINT_X, "250", [] { return Str(Model()->GetPointLight(0)->pos); }, "250 0 0"},
        {kDir, IDC_LIGHTDIR_IMAGE, "C:\\d.bmp", [] { return Str(Model()->GetDirLight(0)->GetFilename()); },
         "C:\\d.bmp"},
        {kComm, IDC_COMM_SCALE, "25", [] { return Str(Main()->GetViewScale()); }, "10"},
        {kComm, IDC_COMM_TMPPATH, "D:\\work", [] { return Str(Main()->GetTmpPath()); }, "D:\\work"},
    };
    const int recordRows = 12; // those above the light rows, whose records every new document has
    std::string defaults[recordRows];
    for (int i = 0; i < recordRows; ++i)
        defaults[i] = rows[i].stored();
    for (const auto& row : rows) {
        EnterText(Page(row.page), row.id, row.typed);
        EXPECT_EQ(row.stored(), row.expected) << row.id << " " << row.typed;
    }
    // Each page stored itself whole at every commit: no later store took an earlier value back.
    for (const auto& row : rows)
        EXPECT_EQ(row.stored(), row.expected) << row.id << " " << row.typed;
    EXPECT_EQ("4096 10.00", TextOf(PageEdit(Page(kRend), IDC_REND_HEIGHT)) + " " +
                                TextOf(PageEdit(Page(kComm), IDC_COMM_SCALE)));
    // Fields edited while no document is open are not stored when the pages fill for the next one.
    SendEvent(201);
    for (int i = 0; i < recordRows; ++i)
        EnterText(Page(rows[i].page), rows[i].id, rows[i].typed);
    ClickItem(Page(kCam), IDC_CAM_USEFOCALRATIO);
    SendOpen(OpenHostDocument(DocumentJson()));
    for (int i = 0; i < recordRows; ++i)
        EXPECT_EQ(rows[i].stored(), defaults[i]) << rows[i].id;
    EXPECT_EQ(0, C()->use_focalratio.value);
}

TEST(PropertyPane, EveryBrowseStoresTheChoiceUnlessCancelledAndNeedsADocument) {
    PagesSession session;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    struct {
        int page, browse, field;
        const char* (*stored)();
    } rows[] = {
        {kRend, IDC_REND_BACKFILE_BROWSE, IDC_REND_BACKFILE, [] { return R()->GetBackFilename(); }},
        {kCam, IDC_CAM_BOKEHFILE_BROWSE, IDC_CAM_BOKEHFILE, [] { return C()->GetBokehFilename(); }},
        {kSky, IDC_LIGHTSKY_BROWSE, IDC_LIGHTSKY_IMAGE, [] { return Model()->GetLightSky()->GetFilename(); }},
        {kPoint, IDC_LIGHTPOINT_BROWSE, IDC_LIGHTPOINT_IMAGE,
         [] { return Model()->GetPointLight(0)->GetFilename(); }},
        {kBase1, IDC_MTLB1_SPECULAR_BROWSE, IDC_MTLB1_SPECULAR_FILE,
         [] { return Map(RENDPYL_MAP_SPECULAR)->GetFilename(); }},
        {kComm, IDC_COMM_PYRELL_BROWSE, IDC_COMM_PYRELL, [] { return (const char*)Main()->GetPyrellPath(); }},
    };
    for (const auto& row : rows) {
        const std::string before = row.stored();
        const char* title = row.page == kComm ? "Ashmoor.exe(060518)" : "Load";
        {
            ModalAction cancel(title, Cancel());
            ClickItem(Page(row.page), row.browse);
            EXPECT_TRUE(ModalAction::Acted()) << row.browse;
        }
        EXPECT_EQ(before, row.stored()) << row.browse;
        {
            ModalAction choose(title, ChooseFile(self));
            ClickItem(Page(row.page), row.browse);
        }
        EXPECT_STRCASEEQ(self, row.stored()) << row.browse;
        EXPECT_STRCASEEQ(self, TextOf(PageEdit(Page(row.page), row.field)).c_str()) << row.browse;
    }
    // With the document closed the record pages open no dialog.
    SendEvent(201);
    for (const auto& row : rows) {
        ModalAction cancel(row.page == kComm ? "Ashmoor.exe(060518)" : "Load", Cancel());
        ClickItem(Page(row.page), row.browse);
        EXPECT_EQ(ModalAction::Acted(), row.page == kComm) << row.browse;
    }
}
TEST(PropertyPane, RenderPageSizesFromTheArrowsAndTheViewAndAPickedColour) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    EnterText(Page(kRend), IDC_REND_HEIGHT, "240");
    // The up arrow lowers the value.
    HWND spin = FindWindowExA(GetDlgItem(Page(kRend), IDC_REND_HEIGHT), 0, "msctls_updown32", nullptr);
    RECT rc;
    GetClientRect(spin, &rc);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, rc.bottom / 4));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(rc.right / 2, rc.bottom / 4));
    PumpMessages();
    EXPECT_EQ(239, R()->height);
    ClickItem(Page(kRend), IDC_REND_APPLYSIZE);
    int w = 0, h = 0;
    Main()->GetViewSize(&w, &h);
    EXPECT_EQ(std::to_string(w) + " " + std::to_string(h), Str(R()->width) + " " + Str(R()->height));
    // A cancelled colour choice keeps the colour; a chosen one is stored at once with full alpha.
    R()->backcol = RGBCOLOR(10, 20, 30, 40);
    Main()->UpdateAll();
    {
        ModalAction cancel("色", Cancel());
        SendMessageA(GetDlgItem(Page(kRend), IDC_REND_BACKCOL), WM_LBUTTONUP, 0, 0);
    }
    EXPECT_EQ(RGBCOLOR(10, 20, 30, 40), R()->backcol);
    {
        ModalAction choose("色", [](HWND dlg) {
            for (int id : {706, 707, 708}) // red, green, blue
                SetDlgItemInt(dlg, id, id == 707 ? 255 : 0, FALSE);
            PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(GetDlgItem(Page(kRend), IDC_REND_BACKCOL), WM_LBUTTONUP, 0, 0);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_EQ(RGBCOLOR(0, 255, 0, 255), R()->backcol);
}

TEST(PropertyPane, CameraPageShowsTheHostViewAndRedrawRereadsIt) {
    PluginSession session;
    // The host's view looks along +z from (3, 4, 25) with a 90 degree field of view.
    HXDocHandle doc = OpenHostDocument(R"({ "scene": { "view": [1,0,0,0, 0,1,0,0, 0,0,1,0, 3,4,25,1],
                                                      "proj": [1,0,0,0, 0,1,0,0, 0,0,1,1, 0,0,0,0] },
                                           "settings": { "name": "plugin" } })");
    SendOpen(doc);
    auto shown = [] {
        std::string all;
        for (int id : {IDC_CAM_FILMSIZE, IDC_CAM_POS_Z, IDC_CAM_LOOKAT_Z, IDC_CAM_UP_Y, IDC_CAM_FOV})
            all += TextOf(PageEdit(Page(kCam), id)) + " ";
        return all;
    };
    EXPECT_EQ("24.00 25.00 50.00 1.00 90.00 ", shown());
    // The user moves the view back and zooms in; a film size keeps two decimals of millimetres.
    C()->film_size.value = 0.024567f;
    reinterpret_cast<hxhost::Document*>(doc)->scene.view[14] = 40.0f;
    reinterpret_cast<hxhost::Document*>(doc)->scene.proj[0] = 2.0f;
    ClickItem(Page(kCam), IDC_CAM_REDRAW);
    EXPECT_EQ("24.57 40.00 80.00 1.00 53.13 ", shown());
    // The check is acted upon at once and takes along what is typed but not yet committed.
    SetWindowTextA(PageEdit(Page(kCam), IDC_CAM_FOCALRATIO), "2.8");
    ClickItem(Page(kCam), IDC_CAM_USEFOCALRATIO);
    EXPECT_EQ(1, C()->use_focalratio.value);
    EXPECT_EQ(2.8f, C()->focalratio.value);
}
