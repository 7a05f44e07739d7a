#include <gtest/gtest.h>
#include <string>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/page_camids.h"
#include "scene/rendpyl_model.h"
#include "tools/hxhost/lib/document.h"

namespace {

HWND CamPage() {
    return Main()->GetPropertyPane()->GetCameraPage().GetHwnd();
}

std::string Shown(int id) {
    return TextOf(PageEdit(CamPage(), id));
}

// The view statics in item order: position, look-at point, up vector, then the field of view.
std::string ViewShown() {
    const int ids[] = {IDC_CAM_POS_X,    IDC_CAM_POS_Y, IDC_CAM_POS_Z, IDC_CAM_LOOKAT_X, IDC_CAM_LOOKAT_Y,
                       IDC_CAM_LOOKAT_Z, IDC_CAM_UP_X,  IDC_CAM_UP_Y,  IDC_CAM_UP_Z,     IDC_CAM_FOV};
    std::string all;
    for (int id : ids)
        all += Shown(id) + " ";
    return all;
}

RENDPYL_CAMERA* Camera() {
    RENDPYL_MODEL* model = Main()->GetScene();
    return model ? model->GetCamera() : nullptr;
}

// A document whose view looks along +z from (3, 4, 25) with a 90 degree field of view.
HXDocHandle OpenViewedDocument() {
    HXDocHandle doc = OpenHostDocument(R"({ "scene": { "view": [1,0,0,0, 0,1,0,0, 0,0,1,0, 3,4,25,1],
                                                      "proj": [1,0,0,0, 0,1,0,0, 0,0,1,1, 0,0,0,0] },
                                           "settings": { "name": "plugin" } })");
    SendOpen(doc);
    return doc;
}

// The user moves the host's view back and zooms in.
void MoveHostView(HXDocHandle doc) {
    auto* host = reinterpret_cast<hxhost::Document*>(doc);
    host->scene.view[14] = 40.0f;
    host->scene.proj[0] = 2.0f;
}

struct CameraSession : PluginSession {
    CameraSession() {
        SendActivate(TRUE);
        PumpMessages();
    }
    ~CameraSession() { SendActivate(FALSE); }
};

} // namespace

TEST(CameraPage, ShowsTheLensAndTheHostViewAndRedrawRereadsBoth) {
    CameraSession session;
    HXDocHandle doc = OpenViewedDocument();
    ASSERT_TRUE(Camera());
    EXPECT_EQ("24.00", Shown(IDC_CAM_FILMSIZE));
    EXPECT_EQ("3.00 4.00 25.00 3.00 4.00 50.00 0.00 1.00 0.00 90.00 ", ViewShown());

    // A film size read from a document keeps two decimals of millimetres on the page.
    Camera()->film_size.value = 0.024567f;
    Camera()->SetBokehFilename("C:\\lens\\hex.bmp");
    MoveHostView(doc);
    ClickItem(CamPage(), IDC_CAM_REDRAW);
    EXPECT_EQ("24.57", Shown(IDC_CAM_FILMSIZE));
    EXPECT_EQ("C:\\lens\\hex.bmp", Shown(IDC_CAM_BOKEHFILE));
    EXPECT_EQ("3.00 4.00 40.00 3.00 4.00 80.00 0.00 1.00 0.00 53.13 ", ViewShown());
    EXPECT_EQ(40.0f, Camera()->GetPos().z);
}

TEST(CameraPage, AnEditStoresTheWholePageFilmSizeInMetres) {
    CameraSession session;
    OpenViewedDocument();
    Camera()->film_size.value = 0.024567f;
    Main()->UpdateAll();
    EnterText(CamPage(), IDC_CAM_DISTORTION, "0.5");
    EXPECT_EQ(0.5f, Camera()->distortion.value);
    EXPECT_FLOAT_EQ(0.02457f, Camera()->film_size.value);

    EnterText(CamPage(), IDC_CAM_FILMSIZE, "35");
    EXPECT_EQ(0.035f, Camera()->film_size.value);
    EnterText(CamPage(), IDC_CAM_BOKEH_Y, "0.25");
    EXPECT_EQ(FVEC3(1, 0.25f, 1), Camera()->bokeh.value);
    EnterText(CamPage(), IDC_CAM_OBLIQUE_X, "-2");
    EXPECT_EQ(FVEC2(-2, 0), Camera()->oblique.value);
    EnterText(CamPage(), IDC_CAM_BOKEHFILE, "D:\\b.bmp");
    EXPECT_STREQ("D:\\b.bmp", Camera()->GetBokehFilename());

    // The check is acted upon at once and takes along what is typed but not yet committed.
    SetWindowTextA(PageEdit(CamPage(), IDC_CAM_FOCALRATIO), "2.8");
    ClickItem(CamPage(), IDC_CAM_USEFOCALRATIO);
    EXPECT_EQ(1, Camera()->use_focalratio.value);
    EXPECT_EQ(2.8f, Camera()->focalratio.value);
}

TEST(CameraPage, WithoutADocumentNothingIsWrittenAndMarkedFieldsAnswerInOrder) {
    CameraSession session;
    HXDocHandle doc = OpenViewedDocument();
    SendEvent(201);
    std::string view = ViewShown();
    // Edits with no document open reach no record; the fields stay marked as changed.
    EnterText(CamPage(), IDC_CAM_OBLIQUE_X, "7");
    EnterText(CamPage(), IDC_CAM_BOKEH_X, "5");
    ClickItem(CamPage(), IDC_CAM_USEFOCALRATIO);
    {
        ModalAction browse("Load", Cancel());
        ClickItem(CamPage(), IDC_CAM_BOKEHFILE_BROWSE);
        EXPECT_FALSE(ModalAction::Acted());
    }
    MoveHostView(doc);
    ClickItem(CamPage(), IDC_CAM_REDRAW);
    EXPECT_EQ(view, ViewShown());

    SendOpen(doc);
    ASSERT_TRUE(Camera());
    EXPECT_EQ(FVEC3(1, 1, 1), Camera()->bokeh.value);
    EXPECT_EQ(0, Camera()->use_focalratio.value);
    // Each marked field answers one command, and stores the page as it shows the new record.
    auto command = [] {
        Camera()->distortion.value = 9.0f;
        SendMessageA(CamPage(), WM_COMMAND, IDC_CAM_DISTORTION, 0);
        return Camera()->distortion.value;
    };
    EXPECT_EQ(1.0f, command()); // bokeh
    EXPECT_EQ(1.0f, command()); // oblique
    EXPECT_EQ(9.0f, command()); // none left
    EXPECT_EQ(FVEC3(1, 1, 1), Camera()->bokeh.value);
}

TEST(CameraPage, BrowsingSetsTheBokehImageUnlessCancelled) {
    CameraSession session;
    OpenViewedDocument();
    Camera()->distortion.value = 0.123f; // shown as 0.12, and not stored by browsing
    {
        ModalAction cancel("Load", Cancel());
        ClickItem(CamPage(), IDC_CAM_BOKEHFILE_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STREQ("", Camera()->GetBokehFilename());
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    {
        ModalAction choose("Load", ChooseFile(self));
        ClickItem(CamPage(), IDC_CAM_BOKEHFILE_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STRCASEEQ(self, Camera()->GetBokehFilename());
    EXPECT_STRCASEEQ(self, Shown(IDC_CAM_BOKEHFILE).c_str());
    EXPECT_EQ(0.123f, Camera()->distortion.value);
}
