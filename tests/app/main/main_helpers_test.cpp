#include <gtest/gtest.h>
#include <string>
#include "app/dlp_mtlcbox.h"
#include "plugin_fixture.h"
#include "tools/hxhost/hxhostlib.h"

TEST(MainWindowHelpers, ObjectPathsLieInTheHostsObjectFolderElseBesideTheHost) {
    char path[DLMAIN::PATHSIZE];
    hxhost::SetSystemPath("C:\\hostsys");
    {
        PluginSession session;
        ASSERT_TRUE(Main()->MakeObjectPath(path, sizeof path, "ball.hxo"));
        EXPECT_STREQ("C:\\hostsys\\Object\\ball.hxo", path);
        EXPECT_FALSE(Main()->MakeObjectPath(path, 20, "ball.hxo"));
        EXPECT_STREQ("", path);
    }
    hxhost::SetSystemPath("");
    PluginSession session;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder(self, std::string(self).rfind('\\') + 1);
    ASSERT_TRUE(Main()->MakeObjectPath(path, sizeof path, "ball.hxo"));
    EXPECT_EQ(folder + "\\ball.hxo", path);
}

TEST(MainWindowHelpers, ElapsedTimeCountsWholeSecondsCut) {
    EXPECT_EQ(5u, DLMAIN::GetElapsedSeconds(DLMAIN::GetTicks() - 5500));
}

TEST(CurrentRecords, OnlyLightsOfTheOpenModelBecomeCurrent) {
    CELSDOC doc, other;
    doc.SetScene(doc.NewScene());
    other.SetScene(other.NewScene());
    RENDPYL_LIGHTDIR* dir = doc.NewDirLight();
    RENDPYL_LIGHTPOINT* point = doc.NewPointLight();
    doc.ResetCur();
    for (bool foreign : {true, false}) {
        doc.SetCurDirLight(foreign ? other.NewDirLight() : nullptr);
        doc.SetCurPointLight(foreign ? other.NewPointLight() : nullptr);
        EXPECT_EQ(dir, doc.GetCurDirLight()) << foreign;
        EXPECT_EQ(point, doc.GetCurPointLight()) << foreign;
    }
}

TEST(MaterialBox, ListsTheModelsRecordsAfterItsNoneEntryAndTellsWhichIsChosen) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    RENDPYL_MODEL* model = Main()->GetScene();
    RENDPYL_MTL stranger;
    const RENDPYL_MTL* chosen[] = {model->GetMtl(1), nullptr, model->GetMtl(0), &stranger};
    DLP_MTLCBOX box;
    ASSERT_TRUE(box.Create(Main()->GetHwnd(), 7, URECT{0, 0, 100, 200}));
    // The item count, then the record each choice leaves chosen (-1: none); without "なし" no
    // record keeps the choice, and one of another model chooses nothing.
    for (int withNone : {1, 0}) {
        box.SetList(model, withNone);
        std::string told = std::to_string(box.GetCount());
        for (const RENDPYL_MTL* mtl : chosen) {
            box.SetMtl(mtl);
            told += " " + std::to_string(model->GetMtlIndex(box.GetMtl()));
        }
        EXPECT_EQ(told, withNone ? "3 1 -1 0 -1" : "2 1 1 0 -1");
    }
}
