// The settings model and document: records matched to host materials by unique ID, light naming and
// the current selections.
#include "tests/scene/scenehost.h"

#include "scene/celsdoc.h"

#include <functional>

namespace {

// A host material gained gets a default record; the record of one the host lost stays, without host
// material, so that a redo brings its settings back. Names longer than a name buffer are cut.
TEST(RendpylModel, MaterialRecordsFollowTheHostByUniqueId) {
    HXDoc doc =
        OpenDoc(R"({"materials": [{"name": "red", "uid": 1001}, null, {"name": "blue", "uid": 1003}]})");
    RENDPYL_MODEL model;
    EXPECT_EQ(model.SyncHostMtls(), 0);
    model.SetDoc(doc);
    EXPECT_EQ(std::tuple(2, 0), (std::tuple{model.SyncHostMtls(), model.SyncHostMtls()}));
    EXPECT_EQ(model.FindMtlByHost(doc.GetMaterial(2)), model.GetMtl(1)); // records in the host's order
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
    // The lost material's record has no host material, so no name to be found by.
    EXPECT_EQ(std::tuple(false, nullptr, model.GetMtl(1)),
              std::tuple(bool(model.GetMtl(0)->GetHostMtl()), model.FindMtlByName("red"),
                         model.FindMtlByName("blue")));
}

// Every text setter of the records cuts a text longer than its field at a whole Shift-JIS character:
// of 600 double-byte characters the 512th would need bytes 1022 and 1023 of 1024, so it stays out; one
// single-byte character first moves the boundary. Null is empty text.
TEST(RendpylModel, TextSettersCutAtAWholeCharacter) {
    RENDPYL_RENDER r;
    RENDPYL_CAMERA c;
    RENDPYL_LIGHTSKY s;
    RENDPYL_LIGHTDIR d;
    RENDPYL_LIGHTPOINT p;
    RENDPYL_MTLMAP m;
    const std::function<const char*(const char*)> setters[] = {
        [&](const char* t) { return r.SetBackFilename(t), r.GetBackFilename(); },
        [&](const char* t) { return c.SetBokehFilename(t), c.GetBokehFilename(); },
        [&](const char* t) { return s.SetFilename(t), s.GetFilename(); },
        [&](const char* t) { return d.SetName(t), d.GetName(); },
        [&](const char* t) { return d.SetFilename(t), d.GetFilename(); },
        [&](const char* t) { return p.SetName(t), p.GetName(); },
        [&](const char* t) { return p.SetFilename(t), p.GetFilename(); },
        [&](const char* t) { return m.SetFilename(t), m.GetFilename(); }};
    std::string wide;
    for (int i = 0; i < 600; ++i)
        wide += "光"; // its second byte is also a first byte
    const std::string rows[][2] = {{wide, wide.substr(0, 1022)},
                                   {"x" + wide, ("x" + wide).substr(0, 1023)},
                                   {std::string(2000, 'a'), std::string(1023, 'a')}};
    for (size_t i = 0; i < std::size(setters); i++) {
        for (const auto& row : rows)
            EXPECT_EQ(setters[i](row[0].c_str()), row[1]) << i;
        EXPECT_STREQ(setters[i](nullptr), "") << i;
    }
}

// Without a model nothing is made or current. A deleted light hands over to the one before it, or to
// the new first one; a light the model does not hold is not deleted. New lights take the lowest free
// number of their kind; a light renamed by the user frees its number.
TEST(Celsdoc, LightsAndCurrentRecords) {
    CELSDOC doc;
    doc.SetRenderSize(1, 2);
    EXPECT_EQ(
        (std::vector<int>{!!doc.NewDirLight(), doc.ResetCur(), doc.GetMtlNum(), doc.GetNewDirLightNo()}),
        std::vector<int>(4, 0));
    doc.SetScene(doc.NewScene());
    RENDPYL_LIGHTDIR* l[4];
    for (auto& light : l)
        light = doc.NewDirLight();
    EXPECT_EQ(doc.GetScene()->FindDirLight("Light3"), l[3]);
    EXPECT_EQ(std::tuple(l[1], 1, l[2], 0), (std::tuple{doc.DeleteDirLight(l[0]), doc.IsCurDirLight(l[1]),
                                                        doc.DeleteDirLight(l[3]), doc.GetNewDirLightNo()}));
    RENDPYL_LIGHTDIR* e = doc.NewDirLight();
    EXPECT_STREQ(doc.NewDirLight()->GetName(), "Light3");
    EXPECT_EQ(std::tuple(l[1], e), (std::tuple{doc.DeleteDirLight(l[2]), doc.GetDirLight(1)}));
    RENDPYL_LIGHTDIR foreign;
    doc.SetCurDirLight(e);
    EXPECT_EQ(std::tuple(l[1], 3), (std::tuple{doc.DeleteDirLight(&foreign), doc.GetDirLightNum()}));
    doc.DeleteAllDirLights();
    EXPECT_FALSE(doc.GetCurDirLight());
    RENDPYL_LIGHTPOINT* first = doc.NewPointLight();
    first->SetName("light1");
    RENDPYL_LIGHTPOINT* points[3] = {first, doc.NewPointLight(), doc.NewPointLight()};
    EXPECT_EQ(std::pair(std::string("Light0"), std::string("Light1")),
              std::pair(std::string(points[1]->GetName()), std::string(points[2]->GetName())));
    // Each deleted point light hands over to the one before it, the first to none.
    EXPECT_EQ(std::tuple(points[1], points[0], nullptr),
              (std::tuple{doc.DeletePointLight(points[2]), doc.DeletePointLight(points[1]),
                          doc.DeletePointLight(points[0])}));
    // Only records of the current model become current; a new model leaves nothing of the old current.
    RENDPYL_MTL foreignMtl;
    doc.SetCurMtl(&foreignMtl);
    EXPECT_FALSE(doc.GetCurMtl());
    RENDPYL_MTL* m0 = doc.GetScene()->AddMtl();
    RENDPYL_MTL* m1 = doc.GetScene()->AddMtl();
    RENDPYL_LIGHTDIR* sun = doc.NewDirLight();
    EXPECT_EQ(std::tuple(1, m0, sun), (std::tuple{doc.ResetCur(), doc.GetCurMtl(), doc.GetCurDirLight()}));
    doc.SetCurMtl(m1);
    doc.SetCurMtl(&foreignMtl);
    doc.SetCurMtl(nullptr);
    EXPECT_EQ(doc.GetCurMtl(), m1);
    doc.DeleteScene();
    doc.SetScene(doc.NewScene());
    EXPECT_EQ(std::tuple(1, nullptr, nullptr),
              (std::tuple{doc.ResetCur(), doc.GetCurMtl(), doc.GetCurDirLight()}));
}

} // namespace
