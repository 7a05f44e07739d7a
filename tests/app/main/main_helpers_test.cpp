#include <gtest/gtest.h>
#include <string>
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
    doc.SetCurDirLight(other.NewDirLight());
    doc.SetCurPointLight(other.NewPointLight());
    EXPECT_EQ(dir, doc.GetCurDirLight());
    EXPECT_EQ(point, doc.GetCurPointLight());
    doc.SetCurDirLight(nullptr);
    doc.SetCurPointLight(nullptr);
    EXPECT_EQ(dir, doc.GetCurDirLight());
    EXPECT_EQ(point, doc.GetCurPointLight());
}
