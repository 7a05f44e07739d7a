// The settings document: light naming, the current selections and life without a model.
#include "scene/celsdoc.h"

#include <gtest/gtest.h>

namespace {

TEST(Celsdoc, WithoutModelEverythingAnswersEmpty) {
    CELSDOC doc;
    EXPECT_EQ(doc.GetMtlNum(), 0);
    EXPECT_FALSE(doc.GetCurMtl());
    EXPECT_FALSE(doc.AddDirLight(nullptr));
    EXPECT_FALSE(doc.NewPointLight());
    EXPECT_EQ(doc.ResetCur(), 0);
    RENDPYL_LIGHTDIR light;
    EXPECT_EQ(doc.IsCurDirLight(&light), 0);
    EXPECT_FALSE(doc.DeleteDirLight(&light));
    int w = 7, h = 8;
    doc.GetRenderSize(w, h);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 8);
    doc.SetRenderSize(1, 2);
    doc.DeleteScene();
}

TEST(Celsdoc, LightsTakeTheLowestFreeNumberOfTheirKind) {
    CELSDOC doc;
    doc.SetScene(doc.NewScene());
    RENDPYL_LIGHTDIR* l0 = doc.NewDirLight();
    doc.NewDirLight();
    doc.NewDirLight();
    EXPECT_STREQ(doc.GetDirLight(2)->GetName(), "Light2");
    EXPECT_EQ(doc.GetNewDirLightNo(), 3);
    doc.DeleteDirLight(l0);
    EXPECT_EQ(doc.GetNewDirLightNo(), 0);
    EXPECT_STREQ(doc.NewDirLight()->GetName(), "Light0");
    EXPECT_STREQ(doc.NewDirLight()->GetName(), "Light3");
    // Point lights count on their own; a light renamed by the user frees its number.
    EXPECT_STREQ(doc.NewPointLight()->GetName(), "Light0");
    doc.GetPointLight(0)->SetName("light1");
    EXPECT_STREQ(doc.NewPointLight()->GetName(), "Light0");
    EXPECT_STREQ(doc.NewPointLight()->GetName(), "Light1");
}

TEST(Celsdoc, CurrentLightAfterDeletes) {
    CELSDOC doc;
    doc.SetScene(doc.NewScene());
    RENDPYL_LIGHTDIR* a = doc.NewDirLight();
    RENDPYL_LIGHTDIR* b = doc.NewDirLight();
    RENDPYL_LIGHTDIR* c = doc.NewDirLight();
    RENDPYL_LIGHTDIR* d = doc.NewDirLight();
    // The first: the new first light becomes current.
    EXPECT_EQ(doc.DeleteDirLight(a), b);
    EXPECT_EQ(doc.GetCurDirLight(), b);
    // The last: the one before it.
    EXPECT_EQ(doc.DeleteDirLight(d), c);
    // One in the middle of three.
    RENDPYL_LIGHTDIR* e = doc.NewDirLight();
    EXPECT_EQ(doc.DeleteDirLight(c), b);
    EXPECT_EQ(doc.GetDirLight(1), e);
    // A light the model does not hold: nothing deleted, the first becomes current.
    RENDPYL_LIGHTDIR foreign;
    doc.SetCurDirLight(e);
    EXPECT_EQ(doc.DeleteDirLight(&foreign), b);
    EXPECT_EQ(doc.GetDirLightNum(), 2);
    doc.DeleteDirLight(b);
    // The only one: none is current.
    EXPECT_EQ(doc.DeleteDirLight(e), nullptr);
    EXPECT_EQ(doc.GetCurDirLight(), nullptr);
    EXPECT_EQ(doc.GetDirLightNum(), 0);

    RENDPYL_LIGHTPOINT* p = doc.NewPointLight();
    RENDPYL_LIGHTPOINT* q = doc.NewPointLight();
    EXPECT_EQ(doc.DeletePointLight(q), p);
    EXPECT_EQ(doc.DeletePointLight(p), nullptr);
}

TEST(Celsdoc, ResetCurAndMaterials) {
    CELSDOC doc;
    doc.SetScene(doc.NewScene());
    RENDPYL_MTL foreign;
    doc.SetCurMtl(&foreign); // no material records: unchanged
    EXPECT_FALSE(doc.GetCurMtl());
    RENDPYL_MTL* m0 = doc.GetScene()->AddMtl();
    RENDPYL_MTL* m1 = doc.GetScene()->AddMtl();
    RENDPYL_LIGHTDIR* l = doc.NewDirLight();
    EXPECT_EQ(doc.ResetCur(), 1);
    EXPECT_EQ(doc.GetCurMtl(), m0);
    EXPECT_EQ(doc.GetCurDirLight(), l);
    doc.SetCurMtl(m1);
    doc.SetCurMtl(&foreign); // not a record of this model: unchanged
    doc.SetCurMtl(nullptr);
    EXPECT_EQ(doc.GetCurMtl(), m1);
    doc.DeleteAllDirLights();
    EXPECT_FALSE(doc.GetCurDirLight());

    // A new model installed in place of the old one: ResetCur refreshes all three.
    doc.DeleteScene();
    doc.SetScene(doc.NewScene());
    EXPECT_EQ(doc.ResetCur(), 1);
    EXPECT_FALSE(doc.GetCurMtl());
    EXPECT_FALSE(doc.GetCurDirLight());
}

} // namespace
