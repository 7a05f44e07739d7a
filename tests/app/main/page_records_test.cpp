#include <gtest/gtest.h>
#include <functional>
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

DLP_RENDPYRELL& Pane() {
    return *Main()->GetPropertyPane();
}
HWND Comm() {
    return Pane().GetCommPage().GetHwnd();
}
HWND Rend() {
    return Pane().GetRendPage().GetHwnd();
}
HWND Cam() {
    return Pane().GetCameraPage().GetHwnd();
}
HWND Sky() {
    return Pane().GetLightPage().GetSkyPage().GetHwnd();
}
HWND Dir() {
    return Pane().GetLightPage().GetDirPage().GetHwnd();
}
HWND Point() {
    return Pane().GetLightPage().GetPointPage().GetHwnd();
}
HWND Base1() {
    return Pane().GetMtlPage().GetBase1().GetHwnd();
}
RENDPYL_MODEL* Model() {
    return Main()->GetScene();
}
RENDPYL_MTLMAP* CurMap(int type) {
    return Main()->GetDoc()->GetCurMtl()->FindMap(type);
}

// An open document with a directional and a point light, each current on its page.
void OpenWithLights() {
    SendOpen(OpenHostDocument(DocumentJson()));
    ClickItem(Dir(), IDC_LIGHTDIR_NEW);
    ClickItem(Point(), IDC_LIGHTPOINT_NEW);
}

void Command(HWND page, int id) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

} // namespace

TEST(PageRecords, AFileChosenAfterTheDocumentClosedIsNeitherStoredNorShown) {
    struct Row {
        HWND (*page)();
        int browse, field;
    } rows[] = {
        {Rend, IDC_REND_BACKFILE_BROWSE, IDC_REND_BACKFILE},
        {Cam, IDC_CAM_BOKEHFILE_BROWSE, IDC_CAM_BOKEHFILE},
        {Sky, IDC_LIGHTSKY_BROWSE, IDC_LIGHTSKY_IMAGE},
        {Dir, IDC_LIGHTDIR_BROWSE, IDC_LIGHTDIR_IMAGE},
        {Point, IDC_LIGHTPOINT_BROWSE, IDC_LIGHTPOINT_IMAGE},
        {Base1, IDC_MTLB1_SPECULAR_BROWSE, IDC_MTLB1_SPECULAR_FILE},
        {Base1, IDC_MTLB1_EMISSION_BROWSE, IDC_MTLB1_EMISSION_FILE},
        {Base1, IDC_MTLB1_REFLECTION_BROWSE, IDC_MTLB1_REFLECTION_FILE},
    };
    PluginSession session;
    for (const Row& row : rows) {
        OpenWithLights();
        ModalAction closeFirst("Load", [](HWND dialog) {
            SendEvent(201);
            ChooseFile("C:\\windows\\win.ini")(dialog);
        });
        Command(row.page(), row.browse);
        EXPECT_TRUE(ModalAction::Acted()) << row.field;
        EXPECT_EQ("", TextOf(PageEdit(row.page(), row.field))) << row.field;
    }
}

TEST(PageRecords, ASceneSavedAfterTheDocumentClosedWritesNothing) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    DeleteFileA("closed.pyl");
    ModalAction closeFirst("SavePYL", [](HWND dialog) {
        SendEvent(201);
        ChooseFile("closed.pyl")(dialog);
    });
    EXPECT_EQ(0, Main()->SavePYL());
    EXPECT_TRUE(ModalAction::Acted());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("closed.pyl"));
}

TEST(PageRecords, AMaterialWhoseHostMaterialIsGoneShowsAndKeepsItsOwnMaps) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson(R"({ "name": "tex", "uid": 1003, "texture": "t.bmp" })")));
    CELSDOC* doc = Main()->GetDoc();
    doc->SetCurMtl(Model()->GetMtl(2));
    Pane().GetMtlPage().Refresh();
    EXPECT_EQ("t.bmp", TextOf(GetDlgItem(Base1(), IDC_MTLB1_DIFFUSE_TEX)));
    RENDPYL_MTL* orphan = Model()->GetMtl(1);
    orphan->ID = 999;
    orphan->FindMap(RENDPYL_MAP_SPECULAR)->SetFilename("orphan.bmp");
    orphan->FindMap(RENDPYL_MAP_REFLECTION)->scale = 2.5f;
    doc->SetCurMtl(orphan);
    Pane().GetMtlPage().Refresh();
    EXPECT_EQ("", TextOf(GetDlgItem(Base1(), IDC_MTLB1_DIFFUSE_TEX)));
    EXPECT_EQ("orphan.bmp", TextOf(PageEdit(Base1(), IDC_MTLB1_SPECULAR_FILE)));
    // Any edit stores the whole page: the record's own values stay.
    Command(Base1(), IDC_MTLB1_HEIGHTMAP);
    EXPECT_STREQ("orphan.bmp", orphan->FindMap(RENDPYL_MAP_SPECULAR)->GetFilename());
    EXPECT_EQ(2.5f, orphan->FindMap(RENDPYL_MAP_REFLECTION)->scale);
}

TEST(PageRecords, TextFieldsTakeWhatTheirRecordsHoldAndStoreItWhole) {
    struct Row {
        HWND (*page)();
        int id;
        std::function<const char*()> stored;
    } rows[] = {
        {Comm, IDC_COMM_PYRELL, [] { return Main()->GetPyrellPath(); }},
        {Comm, IDC_COMM_TMPPATH, [] { return Main()->GetTmpPath(); }},
        {Rend, IDC_REND_BACKFILE, [] { return Model()->GetRender()->GetBackFilename(); }},
        {Cam, IDC_CAM_BOKEHFILE, [] { return Model()->GetCamera()->GetBokehFilename(); }},
        {Sky, IDC_LIGHTSKY_IMAGE, [] { return Model()->GetLightSky()->GetFilename(); }},
        {Dir, IDC_LIGHTDIR_NAME, [] { return Main()->GetDoc()->GetCurDirLight()->GetName(); }},
        {Dir, IDC_LIGHTDIR_IMAGE, [] { return Main()->GetDoc()->GetCurDirLight()->GetFilename(); }},
        {Point, IDC_LIGHTPOINT_NAME, [] { return Main()->GetDoc()->GetCurPointLight()->GetName(); }},
        {Point, IDC_LIGHTPOINT_IMAGE, [] { return Main()->GetDoc()->GetCurPointLight()->GetFilename(); }},
        {Base1, IDC_MTLB1_SPECULAR_FILE, [] { return CurMap(RENDPYL_MAP_SPECULAR)->GetFilename(); }},
        {Base1, IDC_MTLB1_EMISSION_FILE, [] { return CurMap(RENDPYL_MAP_EMISSION)->GetFilename(); }},
        {Base1, IDC_MTLB1_REFLECTION_FILE, [] { return CurMap(RENDPYL_MAP_REFLECTION)->GetFilename(); }},
    };
    // Shift-JIS double-byte characters after one single-byte one: the whole ones that fit are kept.
    std::string typed = "a";
    for (int i = 0; i < 1500; i++)
        typed += "\x82\xa0";
    {
        PluginSession session;
        OpenWithLights();
        for (const Row& row : rows) {
            HWND edit = PageEdit(row.page(), row.id);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
            SendMessageA(edit, WM_CHAR, VK_RETURN, 1);
            EXPECT_EQ(typed.substr(0, 1023), TextOf(edit)) << row.id;
            EXPECT_EQ(TextOf(edit), row.stored()) << row.id;
        }
    }
    DeleteSettingsKey();
}
