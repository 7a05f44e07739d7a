#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/trace.h"
#include "plugin_fixture.h"
#include "tools/hxhost/eventoptions.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

std::vector<int> UndoKeys() {
    std::vector<int> keys;
    UNDOBUFF2& undo = Plugin()->GetUndo();
    for (int i = 0; i < undo.GetCount(); ++i)
        keys.push_back(undo.GetEntry(i)->key);
    return keys;
}

// Settings that differ from every default: output size, lens, sky, one light of each kind, and the
// renderer's values of both materials.
void EditSettings(RENDPYL_MODEL* model) {
    model->GetRender()->width = 320;
    model->GetRender()->height = 240;
    model->GetCamera()->film_size.value = 0.035f;
    model->GetLightSky()->scale.value = 2.0f;
    Main()->GetDoc()->NewDirLight()->scale.value = 3.0f;
    Main()->GetDoc()->NewPointLight()->SetPos(FVEC3(250, -5, 2));
    model->FindMtlById(1001)->axis.value = FVEC3(1, 0, 0);
    model->FindMtlById(1002)->ior.value = FVEC2(1.5f, 1.5f);
}

void ExpectEditedSettings(RENDPYL_MODEL* model) {
    ASSERT_TRUE(model);
    EXPECT_EQ(model->GetRender()->width, 320);
    EXPECT_EQ(model->GetRender()->height, 240);
    EXPECT_EQ(model->GetCamera()->film_size.value, 0.035f);
    EXPECT_EQ(model->GetLightSky()->scale.value, 2.0f);
    ASSERT_EQ(model->GetDirLightNum(), 1);
    EXPECT_EQ(model->GetDirLight(0)->scale.value, 3.0f);
    ASSERT_EQ(model->GetPointLightNum(), 1);
    EXPECT_EQ(model->GetPointLight(0)->GetPos().y, -5.0f);
    ASSERT_TRUE(model->FindMtlById(1002));
    EXPECT_EQ(model->FindMtlById(1002)->ior.value.x, 1.5f);
}

} // namespace

TEST(PluginDocument, OpenReadsSaveWritesAndShiftSkipsBoth) {
    DeleteSettingsKey();
    PluginSession session;
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    RENDPYL_MODEL* model = Main()->GetScene();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->GetMtlNum(), 2);
    EXPECT_EQ(model->GetRender()->width, 300);
    EXPECT_TRUE(Plugin()->IsDocumentOpen());
    EditSettings(model);
    EXPECT_EQ(SendSave(doc), 1);
    EXPECT_NE(hxhost::SettingsJson().find("\"model\""), std::string::npos);

    SendEvent(201);
    EXPECT_FALSE(Main()->GetScene());
    EXPECT_FALSE(Main()->GetHostDoc());
    EXPECT_FALSE(Plugin()->IsDocumentOpen());

    SendOpen(doc);
    ExpectEditedSettings(Main()->GetScene());
    EXPECT_EQ(Main()->GetDoc()->GetCurDirLight(), Main()->GetScene()->GetDirLight(0));

    {
        ShiftHeld shift;
        SendOpen(doc);
        EXPECT_EQ(Main()->GetScene()->GetRender()->width, 300);
        EXPECT_EQ(Main()->GetScene()->GetDirLightNum(), 0);
        EXPECT_EQ(Main()->GetScene()->GetMtlNum(), 2);
        EXPECT_EQ(SendSave(doc), 0);
        EXPECT_EQ(hxhost::SettingsJson().find("\"model\""), std::string::npos);
    }
    SendEvent(201);
    // Saving with no document open writes nothing and keeps the host's element as it was.
    EXPECT_EQ(SendSave(doc), 0);
}

TEST(PluginDocument, UndoSnapshotsFollowTheHostsStates) {
    PluginSession session;
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    EXPECT_EQ(UndoKeys(), std::vector<int>{0});
    for (int state = 1; state <= 4; ++state)
        SendUndoState(doc, state, 32);
    EXPECT_EQ(UndoKeys(), (std::vector<int>{0, 1, 2, 3, 4}));
    SendUndoState(doc, 5, 3);
    EXPECT_EQ(UndoKeys(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(Plugin()->GetUndo().GetPos(), 3);
    // Reopening starts a fresh history.
    SendOpen(doc);
    EXPECT_EQ(UndoKeys(), std::vector<int>{0});
    // Without a model, no snapshot is taken.
    SendEvent(201);
    SendUndoState(doc, 1, 32);
    EXPECT_EQ(UndoKeys(), std::vector<int>{0});
}

TEST(PluginDocument, UndoAndRedoKeepTheSettingsAndFollowTheHostsMaterials) {
    PluginSession session;
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    EditSettings(Main()->GetScene());
    SendUndoState(doc, 1, 32);

    // The host gained a material before undoing.
    doc = OpenHostDocument(DocumentJson(R"({ "name": "glass", "uid": 1003 })"));
    SendUndo(doc, 0);
    RENDPYL_MODEL* model = Main()->GetScene();
    ExpectEditedSettings(model);
    EXPECT_EQ(model->GetDoc().Handle(), doc);
    ASSERT_EQ(model->GetMtlNum(), 3);
    RENDPYL_MTL* glass = model->FindMtlById(1003);
    ASSERT_TRUE(glass);
    EXPECT_TRUE(glass->ior.IsDefault());
    EXPECT_TRUE(glass->axis.IsDefault());
    EXPECT_EQ(Main()->GetDoc()->GetCurMtl(), model->GetMtl(0));

    // The host dropped a material: its record stays, and comes back with its values on redo.
    doc = OpenHostDocument(DocumentJson(R"({ "name": "glass", "uid": 1003 })", false));
    SendUndo(doc, 1, true);
    model = Main()->GetScene();
    ExpectEditedSettings(model);
    ASSERT_TRUE(model->FindMtlById(1001));
    doc = OpenHostDocument(DocumentJson(R"({ "name": "glass", "uid": 1003 })"));
    SendUndo(doc, 0);
    EXPECT_EQ(Main()->GetScene()->FindMtlById(1001)->axis.value.x, 1.0f);
    EXPECT_EQ(Main()->GetScene()->GetMtlNum(), 3);

    // A state without a snapshot still follows the host document.
    doc = OpenHostDocument(
        DocumentJson(R"({ "name": "glass", "uid": 1003 }, { "name": "leaf", "uid": 1004 })"));
    SendUndo(doc, 17);
    EXPECT_TRUE(Main()->GetScene()->FindMtlById(1004));
    ExpectEditedSettings(Main()->GetScene());
    hxhost::EventOptions options;
    options.Int("state", 0);
    EXPECT_FALSE(SendEvent(210, options.List())); // undo and redo never report to the host
}

TEST(PluginDocument, MaterialListEventAddsRecordsForNewHostMaterials) {
    PluginSession session;
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    Main()->GetScene()->FindMtlById(1002)->ior.value = FVEC2(2, 2);
    doc = OpenHostDocument(DocumentJson(R"({ "name": "leaf", "uid": 1004 })"));
    Main()->GetScene()->SetDoc(doc);
    SendEvent(230);
    EXPECT_EQ(Main()->GetScene()->GetMtlNum(), 3);
    EXPECT_TRUE(Main()->GetScene()->FindMtlById(1004));
    EXPECT_EQ(Main()->GetScene()->FindMtlById(1002)->ior.value.x, 2.0f);
}

TEST(PluginDocument, EventsBeforeInitialiseOrAfterExitAreHarmless) {
    ASSERT_FALSE(Main());
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    SendActivate(TRUE);
    EXPECT_TRUE(Plugin()->IsActivated(doc));
    SendUndoState(doc, 1, 32);
    SendUndo(doc, 0);
    SendUndo(doc, 1, true);
    EXPECT_EQ(SendSave(doc), 0);
    SendEvent(230);
    SendEvent(201);
    SendActivate(FALSE);
    EXPECT_FALSE(Plugin()->IsActivated(doc));
    EXPECT_FALSE(Main());
}

namespace {

std::vector<std::string> traced;
void Collect(void*, const char* text) {
    traced.push_back(text);
}

bool Traced(const std::string& line) {
    for (const std::string& t : traced)
        if (t.compare(0, line.size(), line) == 0) return true;
    return false;
}

} // namespace

TEST(PluginDocument, ActivationShowsAndRefreshesOnlyWithADocument) {
    PluginSession session;
    SetTrace(nullptr, Collect);
    traced.clear();
    SendActivate(TRUE);
    EXPECT_TRUE(IsWindowVisible(Main()->GetHwnd()));
    EXPECT_TRUE(Traced("Activate:1"));
    EXPECT_FALSE(Traced("UpdateAll:"));
    HXDocHandle doc = OpenHostDocument(DocumentJson());
    SendOpen(doc);
    traced.clear();
    SendActivate(TRUE);
    EXPECT_TRUE(Traced("UpdateAll:(1,1,1)"));
    traced.clear();
    SendActivate(FALSE);
    EXPECT_FALSE(IsWindowVisible(Main()->GetHwnd()));
    EXPECT_FALSE(Traced("UpdateAll:"));
    EXPECT_FALSE(Plugin()->IsActivated(doc));
    ResetTrace();
}
