// The settings model and document: records matched to host materials by unique ID, light naming and
// the current selections.
#include "tests/scene/scenehost.h"

#include "scene/celsdoc.h"

namespace {

// A host material gained gets a default record; the record of one the host lost stays, without host
// material, so that a redo brings its settings back. Names longer than a name buffer are cut.
TEST(RendpylModel, MaterialRecordsFollowTheHostByUniqueId) {
    HXDoc doc =
        OpenDoc(R"({"materials": [{"name": "red", "uid": 1001}, null, {"name": "blue", "uid": 1003}]})");
    RENDPYL_MODEL model;
    EXPECT_EQ(model.SyncHostMtls(), 0);
    model.SetDoc(doc);
    EXPECT_EQ(model.SyncHostMtls(), 2);
    EXPECT_EQ(model.SyncHostMtls(), 0);
    EXPECT_EQ(model.FindMtlByHost(doc.GetMaterial(2)), model.FindMtlById(1003));
    doc = OpenDoc(R"({"materials": [{"name": "blue", "uid": 1003}, {"name": ")" + std::string(300, 'n') +
                  R"(", "uid": 1004}]})");
    model.SetDoc(doc);
    EXPECT_EQ(model.SyncHostMtls(), 1);
    std::string records;
    for (int i = 0; i < model.GetMtlNum(); i++) {
        char name[256] = "stale";
        model.GetMtl(i)->GetName(name);
        records += std::to_string(model.GetMtl(i)->ID) + ":" + name + " ";
    }
    EXPECT_EQ(records, "1001: 1003:blue 1004:" + std::string(255, 'n') + " ");
    EXPECT_FALSE(model.GetMtl(0)->GetHostMtl());
    EXPECT_FALSE(model.FindMtlByName("red"));
    EXPECT_EQ(model.FindMtlByName("blue"), model.FindMtlById(1003));
}

// Without a model nothing is made or current. A deleted light hands over to the one before it, or to
// the new first one; a light the model does not hold is not deleted. New lights take the lowest free
// number of their kind; a light renamed by the user frees its number.
TEST(Celsdoc, LightsTakeTheLowestFreeNumberAndHandOverOnDelete) {
    CELSDOC doc;
    doc.SetRenderSize(1, 2);
    EXPECT_FALSE(doc.NewDirLight() || doc.ResetCur() || doc.GetMtlNum() || doc.GetNewDirLightNo());
    doc.SetScene(doc.NewScene());
    RENDPYL_LIGHTDIR* l[4];
    for (auto& light : l)
        light = doc.NewDirLight();
    EXPECT_EQ(doc.GetScene()->FindDirLight("Light3"), l[3]);
    EXPECT_EQ(doc.DeleteDirLight(l[0]), l[1]);
    EXPECT_TRUE(doc.IsCurDirLight(l[1]));
    EXPECT_EQ(doc.DeleteDirLight(l[3]), l[2]);
    EXPECT_EQ(doc.GetNewDirLightNo(), 0);
    RENDPYL_LIGHTDIR* e = doc.NewDirLight();
    EXPECT_STREQ(doc.NewDirLight()->GetName(), "Light3");
    EXPECT_EQ(doc.DeleteDirLight(l[2]), l[1]);
    EXPECT_EQ(doc.GetDirLight(1), e);
    RENDPYL_LIGHTDIR foreign;
    doc.SetCurDirLight(e);
    EXPECT_EQ(doc.DeleteDirLight(&foreign), l[1]);
    EXPECT_EQ(doc.GetDirLightNum(), 3);
    doc.DeleteAllDirLights();
    EXPECT_FALSE(doc.GetCurDirLight());
    doc.NewPointLight()->SetName("light1");
    EXPECT_STREQ(doc.NewPointLight()->GetName(), "Light0");
    EXPECT_STREQ(doc.NewPointLight()->GetName(), "Light1");
    EXPECT_EQ(doc.DeletePointLight(doc.GetPointLight(2)), doc.GetPointLight(1));
    EXPECT_EQ(doc.DeletePointLight(doc.GetPointLight(1)), doc.GetPointLight(0));
    EXPECT_EQ(doc.DeletePointLight(doc.GetPointLight(0)), nullptr);
}

// Only records of the current model become current; a new model leaves nothing of the old current.
TEST(Celsdoc, CurrentRecordsBelongToTheCurrentModel) {
    CELSDOC doc;
    doc.SetScene(doc.NewScene());
    RENDPYL_MTL foreign;
    doc.SetCurMtl(&foreign);
    EXPECT_FALSE(doc.GetCurMtl());
    RENDPYL_MTL* m0 = doc.GetScene()->AddMtl();
    RENDPYL_MTL* m1 = doc.GetScene()->AddMtl();
    RENDPYL_LIGHTDIR* l = doc.NewDirLight();
    EXPECT_EQ(doc.ResetCur(), 1);
    EXPECT_EQ(doc.GetCurMtl(), m0);
    EXPECT_EQ(doc.GetCurDirLight(), l);
    doc.SetCurMtl(m1);
    doc.SetCurMtl(&foreign);
    doc.SetCurMtl(nullptr);
    EXPECT_EQ(doc.GetCurMtl(), m1);
    doc.DeleteScene();
    doc.SetScene(doc.NewScene());
    EXPECT_EQ(doc.ResetCur(), 1);
    EXPECT_FALSE(doc.GetCurMtl() || doc.GetCurDirLight());
}

} // namespace
