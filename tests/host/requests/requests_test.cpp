#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/hxexports.h"
#include "host/hxhostfn.h"
#include "host/hxrequest.h"
#include "sender.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

HXDocHandle const kDoc = reinterpret_cast<HXDocHandle>(0x1000);
HXSceneHandle const kScene = reinterpret_cast<HXSceneHandle>(0x2000);

struct Sent {
    int code;
    HXSendMessageInfo info;
    std::vector<std::string> keys;
};

// A host that records each request, then lets the test answer through the list as the host would.
std::vector<Sent> gSent;
std::function<void(HXEventParam*)> gAnswer;
int gReturn = 0;

int __cdecl RecordingHost(int code, HXSendMessageInfo* info) {
    Sent sent = {code, *info, {}};
    for (HXEventParam* p = info->params; p->key; ++p)
        sent.keys.push_back(p->key);
    gSent.push_back(sent);
    if (gAnswer) gAnswer(info->params);
    return gReturn;
}

HXEventParam& Pair(HXEventParam* list, const char* key) {
    for (; list->key; ++list)
        if (std::string(list->key) == key) return *list;
    ADD_FAILURE() << "no option " << key;
    static HXEventParam none;
    return none;
}
int& IntAt(HXEventParam* list, const char* key) {
    return *static_cast<int*>(Pair(list, key).value);
}

class Requests : public testing::Test {
  protected:
    void SetUp() override {
        saved_ = hxfn::HX_SendMessage;
        hxfn::HX_SendMessage = RecordingHost;
        gSent.clear();
        gAnswer = nullptr;
        gReturn = 0;
    }
    void TearDown() override { hxfn::HX_SendMessage = saved_; }

    const Sent& Only() {
        EXPECT_EQ(1u, gSent.size());
        return gSent.back();
    }

    Sender plugin;

  private:
    hxfn::HX_SendMessage_t saved_ = nullptr;
};

using Keys = std::vector<std::string>;

// A few requests stand for the rest: no keys, keys with a result, and the option block whose keys go
// out in the host's order rather than the block's field order.
TEST_F(Requests, SendTheirCodeAndKeysInTheHostsOrderUnderTheSendersIdentity) {
    HXEditOption edit;
    const struct {
        std::function<void()> call;
        int code;
        Keys keys;
    } cases[] = {
        {[&] { plugin.Request100(); }, 100, {}},
        {[&] { plugin.SendUserMessage(kDoc, 1, 2, "d", nullptr); },
         101,
         {"document", "target_product", "target_id", "description", "message", "result"}},
        {[&] { plugin.GetEditOption(edit); },
         500,
         {"edit_vertex", "edit_line", "edit_face", "select_rect", "select_rope", "symmetry",
          "symmetry_distance", "cur_obj_only", "snap_x", "snap_y", "snap_z", "coordinate_type", "snap_grid"}},
    };
    for (const auto& c : cases) {
        gSent.clear();
        c.call();
        const Sent& sent = Only();
        EXPECT_EQ(c.code, sent.code);
        EXPECT_EQ(c.keys, sent.keys) << c.code;
        EXPECT_EQ(0x1Au, sent.info.product) << c.code;
        EXPECT_EQ(0xB00u, sent.info.id) << c.code;
        EXPECT_EQ(0u, sent.info.reserved) << c.code;
    }
}

TEST_F(Requests, ValuesTravelAsThemselvesOrAsPointersAndAnswersComeBack) {
    int message = 0;
    gAnswer = [&](HXEventParam* list) {
        EXPECT_EQ(kDoc, Pair(list, "document").value);
        EXPECT_EQ(0x55u, *static_cast<DWORD*>(Pair(list, "target_product").value));
        EXPECT_STREQ("about", static_cast<const char*>(Pair(list, "description").value));
        EXPECT_EQ(&message, Pair(list, "message").value);
        EXPECT_EQ(0, IntAt(list, "result"));
        IntAt(list, "result") = 42;
    };
    gReturn = 9; // the function's own answer is not the request's
    EXPECT_EQ(42, plugin.SendUserMessage(kDoc, 0x55, 0x66, "about", &message));

    // Here the answer is the result pointer itself.
    gAnswer = [](HXEventParam* list) {
        EXPECT_EQ(3, IntAt(list, "visibility"));
        EXPECT_EQ(nullptr, Pair(list, "result").value);
        Pair(list, "result").value = reinterpret_cast<void*>(intptr_t(-7));
    };
    EXPECT_EQ(-7, plugin.SetWindowVisibility(kDoc, 3, 1));

    gAnswer = nullptr;
    gReturn = 17;
    EXPECT_EQ(17, plugin.Request100());
}

// Without a host function nothing is called at all.
TEST_F(Requests, OutValuesKeepTheirStartWhenTheHostWritesNothingOrIsMissing) {
    for (auto host : {RecordingHost, static_cast<hxfn::HX_SendMessage_t>(nullptr)}) {
        hxfn::HX_SendMessage = host;
        int index = 99;
        EXPECT_EQ(0, plugin.Request201(kDoc, &index, 0));
        EXPECT_EQ(-1, index);
        EXPECT_EQ(-1, plugin.Request300(kDoc));
        EXPECT_EQ(plugin.SnapPosition(kScene, HXPOINT{1, 2, 3}, 4), (HXPOINT{0, 0, 0}));
        EXPECT_EQ(0, plugin.SetWindowVisibility(kDoc, 1, 1));
        EXPECT_EQ(0, plugin.Request502(1));
        EXPECT_EQ(0, plugin.SendUserMessage(kDoc, 1, 2, "", nullptr));
        EXPECT_EQ(0, plugin.Request100());
    }
    EXPECT_EQ(7u, gSent.size());
    hxfn::HX_SendMessage = RecordingHost;

    // Without a place for the index the request still goes out.
    gAnswer = [](HXEventParam* list) {
        IntAt(list, "index") = 4;
        Pair(list, "result").value = reinterpret_cast<void*>(intptr_t(1));
    };
    EXPECT_EQ(1, plugin.Request201(kDoc, nullptr, 0));
    int index = 0;
    EXPECT_EQ(1, plugin.Request201(kDoc, &index, 2));
    EXPECT_EQ(4, index);

    gAnswer = [](HXEventParam* list) { IntAt(list, "result") = 8; };
    EXPECT_EQ(8, plugin.Request300(kDoc));
}

TEST_F(Requests, OptionBlocksAreZeroedThenFilledByName) {
    HXSceneOption scene;
    std::memset(&scene, 0x7F, sizeof scene);
    plugin.GetSceneOption(kScene, scene);
    EXPECT_EQ(0, scene.show_vertex | scene.show_line | scene.show_face | scene.front_only | scene.show_bkimg);

    HXEditOption edit;
    std::memset(&edit, 0x7F, sizeof edit);
    gAnswer = nullptr;
    plugin.GetEditOption(edit);
    const int* field = &edit.edit_vertex;
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(0, field[i]) << i;

    // Field order, which differs from the host's list order.
    const char* editKeys[] = {"edit_vertex",     "edit_line", "edit_face", "select_rect",
                              "select_rope",     "snap_x",    "snap_y",    "snap_z",
                              "coordinate_type", "snap_grid", "symmetry",  "symmetry_distance",
                              "cur_obj_only"};
    gAnswer = [&](HXEventParam* list) {
        for (int i = 0; i < 13; ++i)
            IntAt(list, editKeys[i]) = 100 + i;
    };
    plugin.GetEditOption(edit);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(100 + i, field[i]) << editKeys[i];
}

TEST_F(Requests, SnapPositionSendsACopyOfThePointAndReturnsTheHostsPoint) {
    HXPOINT point = {1, 2, 3};
    gAnswer = [&](HXEventParam* list) {
        HXPOINT* pos = static_cast<HXPOINT*>(Pair(list, "pos").value);
        EXPECT_NE(&point, pos);
        EXPECT_EQ(2.0f, pos->y);
        EXPECT_EQ(6, IntAt(list, "type"));
        pos->x = 50; // the host may scribble on its copy
        *static_cast<HXPOINT*>(Pair(list, "result").value) = HXPOINT{4, 5, 6};
    };
    EXPECT_EQ(plugin.SnapPosition(kScene, point, 6), (HXPOINT{4, 5, 6}));
    EXPECT_EQ(1.0f, point.x);
}

TEST_F(Requests, HitTestBuildsTheTestTypeAndReportsTheHit) {
    int testType = -1;
    gAnswer = [&](HXEventParam* list) {
        testType = IntAt(list, "test_type");
        EXPECT_EQ(0, IntAt(list, "hit_type"));
    };
    const struct { int vertex, line, face, type; } flags[] = {{0, 0, 0, 0}, {5, 0, 0, 1}, {0, -1, 1, 6}};
    for (const auto& f : flags) {
        HXHitTestParam param = {};
        param.test_vertex = f.vertex;
        param.test_line = f.line;
        param.test_face = f.face;
        param.hit_type = 3; // left from an earlier test
        EXPECT_FALSE(plugin.HitTest(kScene, 0, 0, param));
        EXPECT_EQ(f.type, testType);
        EXPECT_EQ(0, param.hit_type);
    }

    HXObjHandle object = reinterpret_cast<HXObjHandle>(0x4000);
    gAnswer = [&](HXEventParam* list) {
        EXPECT_EQ(320, IntAt(list, "x"));
        EXPECT_EQ(-20, IntAt(list, "y"));
        IntAt(list, "hit_type") = 2;
        *static_cast<HXPOINT*>(Pair(list, "hit_pos").value) = HXPOINT{7, 8, 9};
        *static_cast<HXObjHandle*>(Pair(list, "hit_object").value) = object;
        IntAt(list, "hit_vertex") = 11;
        IntAt(list, "hit_line") = 12;
        IntAt(list, "hit_face") = 13;
    };
    HXHitTestParam param = {};
    param.test_line = 1;
    EXPECT_TRUE(plugin.HitTest(kScene, 320, -20, param));
    EXPECT_EQ(2, param.hit_type);
    EXPECT_EQ(8.0f, param.hit_pos.y);
    EXPECT_EQ(object, param.hit_object);
    EXPECT_EQ(11, param.hit_vertex);
    EXPECT_EQ(12, param.hit_line);
    EXPECT_EQ(13, param.hit_face);
    EXPECT_EQ(1, param.test_line);
}

TEST_F(Requests, ReachTheStandInHostThroughItsExports) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_TRUE(HXInit(path));
    hxhost::ClearCallLog();
    plugin.RedrawScene(kScene);
    EXPECT_EQ(1, hxhost::CountCalls("HX_SendMessage"));
    EXPECT_TRUE(gSent.empty());
}

} // namespace
