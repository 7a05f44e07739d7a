#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin_fixture.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

// Settings that differ from every default: output size, lens, sky, one light of each kind, and the
// renderer's values of both materials.
void EditSettings(RENDPYL_MODEL* model) {
    model->GetRender()->width = 320;
    model->GetCamera()->film_size.value = 0.035f;
    model->GetLightSky()->scale.value = 2.0f;
    Main()->GetDoc()->NewDirLight();
    Main()->GetDoc()->NewPointLight()->SetPos(FVEC3(250, -5, 2));
    model->FindMtlById(1001)->axis.value = FVEC3(1, 0, 0);
    model->FindMtlById(1002)->ior.value = FVEC2(1.5f, 1.5f);
}

// The edited values as read back, or what stands in their place.
std::string Edited(RENDPYL_MODEL* model) {
    if (!model) return "no model";
    RENDPYL_MTL* red = model->FindMtlById(1002);
    return std::to_string(model->GetRender()->width) + " " +
           std::to_string(model->GetCamera()->film_size.value) + " " +
           std::to_string(model->GetLightSky()->scale.value) + " " + std::to_string(model->GetDirLightNum()) +
           " " + std::to_string(model->GetPointLightNum()) + " " +
           (red ? std::to_string(red->ior.value.x) : "no red");
}
const std::string kEdited = "320 0.035000 2.000000 1 1 1.500000";

const std::string kGlass = R"({ "name": "glass", "uid": 1003 })";

// The host's undo states the plug-in holds snapshots for, oldest first.
std::vector<int> UndoKeys() {
    std::vector<int> keys;
    for (int i = 0; i < Plugin()->GetUndo().GetCount(); ++i)
        keys.push_back(Plugin()->GetUndo().GetEntry(i)->key);
    return keys;
}

} // namespace

TEST(PluginDocument, OpenReadsSaveWritesAndShiftSkipsBoth) {
    PluginSession session;
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    EditSettings(Main()->GetScene());
    EXPECT_EQ(SendSave(doc), 1);
    SendEvent(201);
    SendOpen(doc);
    EXPECT_EQ(kEdited, Edited(Main()->GetScene()));
    {
        ShiftHeld shift;
        SendOpen(doc);
        EXPECT_EQ(Main()->GetScene()->GetDirLightNum(), 0);
        EXPECT_EQ(SendSave(doc), 0);
        EXPECT_EQ(hxhost::SettingsJson().find("\"model\""), std::string::npos);
    }
    SendEvent(201);
    EXPECT_EQ(SendSave(doc), 0); // no document open: nothing written
}

TEST(PluginDocument, UndoKeepsTheSettingsFollowsTheHostsMaterialsAndHoldsThisDocumentsSnapshotsOnly) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    EditSettings(Main()->GetScene());
    SendUndoState(hxhost::DocumentHandle(), 1, 32);
    // The host gained a material before undoing: it gets a default record.
    SendUndo(OpenHostDocument(DocumentJson(kGlass)), 0);
    RENDPYL_MODEL* model = Main()->GetScene();
    EXPECT_EQ(kEdited, Edited(model));
    EXPECT_EQ(model->GetDoc().Handle(), hxhost::DocumentHandle());
    ASSERT_TRUE(model->FindMtlById(1003));
    EXPECT_TRUE(model->FindMtlById(1003)->ior.IsDefault());
    EXPECT_EQ(Main()->GetDoc()->GetCurMtl(), model->GetMtl(0));
    // The host dropped a material: its record stays, and comes back with its values on redo.
    SendUndo(OpenHostDocument(DocumentJson(kGlass, false)), 1, true);
    EXPECT_EQ(kEdited, Edited(Main()->GetScene()));
    SendUndo(OpenHostDocument(DocumentJson(kGlass)), 0);
    EXPECT_EQ(Main()->GetScene()->FindMtlById(1001)->axis.value.x, 1.0f);
    EXPECT_EQ(Main()->GetScene()->GetMtlNum(), 3);
    // A state without a snapshot still follows the host document.
    SendUndo(OpenHostDocument(DocumentJson(kGlass + R"(, { "name": "leaf", "uid": 1004 })")), 17);
    EXPECT_TRUE(Main()->GetScene()->FindMtlById(1004));
    EXPECT_EQ(kEdited, Edited(Main()->GetScene()));
    // Snapshots keep to the host's undo size; reopening starts them anew, so that undo never brings
    // back the document before; without a model none is taken.
    HXDocHandle doc = hxhost::DocumentHandle();
    for (int state = 2; state <= 4; ++state)
        SendUndoState(doc, state, 32);
    SendUndoState(doc, 5, 3);
    EXPECT_EQ(UndoKeys(), (std::vector<int>{2, 3, 4, 5}));
    SendOpen(doc);
    SendUndo(doc, 5);
    EXPECT_EQ("300 0.024000 1.000000 0 0 1.000000", Edited(Main()->GetScene()));
    SendEvent(201);
    SendUndoState(doc, 6, 32);
    EXPECT_EQ(UndoKeys(), std::vector<int>{0});
}

TEST(PluginDocument, MaterialListEventAddsRecordsForNewHostMaterials) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    Main()->GetScene()->FindMtlById(1002)->ior.value = FVEC2(2, 2);
    Main()->GetScene()->SetDoc(OpenHostDocument(DocumentJson(R"({ "name": "leaf", "uid": 1004 })")));
    SendEvent(230);
    EXPECT_TRUE(Main()->GetScene()->FindMtlById(1004));
    EXPECT_EQ(Main()->GetScene()->FindMtlById(1002)->ior.value.x, 2.0f);
}

TEST(PluginDocument, EventsBeforeInitialiseOrAfterExitAreHarmless) {
    ASSERT_FALSE(Main());
    const std::vector<int> keys = UndoKeys();
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    SendActivate(TRUE);
    SendUndoState(doc, 1, 32);
    SendUndo(doc, 0);
    SendUndo(doc, 1, true);
    EXPECT_EQ(SendSave(doc), 0);
    SendEvent(230);
    SendEvent(201);
    SendActivate(FALSE);
    EXPECT_FALSE(Main());
    EXPECT_EQ(keys, UndoKeys()); // no snapshot either
}
