#include <gtest/gtest.h>

#include "recording_plugin.h"

namespace {

HXDocHandle const kDoc = reinterpret_cast<HXDocHandle>(0x1000);
HXSceneHandle const kScene = reinterpret_cast<HXSceneHandle>(0x2000);
HXXmlHandle const kElem = reinterpret_cast<HXXmlHandle>(0x3000);

void* Int(int& value) {
    return &value;
}

class Dispatch : public ::testing::Test {
  protected:
    RecordingCommandPlugin plugin;

    BOOL Send(int event, void* option) { return DispatchEvent(&plugin, kDoc, event, option); }
};

TEST_F(Dispatch, EventsOutsideTheTableReturnZeroAndCallNothing) {
    int flag = 1;
    for (int event : {0, 3, 99, 104, 131, 139, 142, 203, 213, 223, 232, 239, 241, -1, 100000}) {
        EXPECT_EQ(0, Send(event, &flag)) << event;
    }
    EXPECT_TRUE(plugin.calls.empty());
}

TEST_F(Dispatch, EachEventReachesItsHandlerAndAnswersAsTheTableSays) {
    struct Case {
        int event;
        const char* handler;
        BOOL result; // -1: the handler's own answer
    };
    // The mouse events are covered with their fields below.
    const Case cases[] = {
        {1, "Initialize", -1},
        {2, "Exit", 1},
        {100, "Activate", -1},
        {101, "IsActivated", -1},
        {102, "OnMinimize", 1},
        {103, "OnReceiveUserMessage", 1},
        {110, "OnDraw", 1},
        {140, "OnKey140", -1},
        {141, "OnKey141", -1},
        {200, "OnNewDocument", 1},
        {201, "OnEndDocument", 1},
        {202, "OnSaveDocument", 1},
        {210, "OnUndo", -1},
        {211, "OnRedo", -1},
        {212, "OnUpdateUndo", 1},
        {220, "OnUpdateObjectList", 1},
        {221, "OnObjectModified", 1},
        {222, "OnObjectSelected", 1},
        {230, "OnUpdateMaterialList", 1},
        {231, "OnMaterialModified", 1},
        {240, "OnUpdateScene", 1},
    };
    int flag = 1;
    HXEventParam empty[] = {{nullptr, nullptr}};
    for (const Case& c : cases) {
        plugin.calls.clear();
        void* option = (c.event == 100 || c.event == 102) ? static_cast<void*>(&flag) : empty;
        EXPECT_EQ(c.result == -1 ? plugin.answer : c.result, Send(c.event, option)) << c.event;
        ASSERT_EQ(1u, plugin.calls.size()) << c.event;
        EXPECT_EQ(c.handler, plugin.Last().handler) << c.event;
        EXPECT_EQ(c.event >= 100 ? kDoc : nullptr, plugin.Last().doc) << c.event;
    }
}

TEST_F(Dispatch, ActivateAndMinimizeReadTheFlagAndNeedOne) {
    int flag = 5;
    Send(100, &flag);
    EXPECT_EQ(std::vector<intptr_t>{5}, plugin.Last().args);
    plugin.calls.clear();
    EXPECT_EQ(0, Send(100, nullptr));
    EXPECT_EQ(0, Send(102, nullptr));
    EXPECT_TRUE(plugin.calls.empty());
}

TEST_F(Dispatch, UserMessageDeliversItsOptionsAndWritesTheResultBack) {
    int product = 0x11, id = 0x22, result = 0x55;
    char description[] = "d", message[] = "m";
    HXEventParam list[] = {{"src_product", Int(product)}, {"src_id", Int(id)},
                           {"description", description},  {"message", message},
                           {"result", Int(result)},       {nullptr, nullptr}};
    EXPECT_EQ(1, Send(103, list));
    EXPECT_EQ((std::vector<intptr_t>{0x11, 0x22, intptr_t(description), intptr_t(message)}),
              plugin.Last().args);
    EXPECT_EQ(7, result);
    // Without a result target the handler is still called and the event answers one.
    HXEventParam nullTarget[] = {{"result", nullptr}, {nullptr, nullptr}};
    EXPECT_EQ(1, Send(103, nullTarget));
    EXPECT_EQ((std::vector<intptr_t>{0, 0, 0, 0}), plugin.Last().args);
}

TEST_F(Dispatch, DrawTakesSceneAndSizeWithDefaultsOfOne) {
    int width = 640, height = 480;
    HXEventParam full[] = {
        {"scene", kScene}, {"width", Int(width)}, {"height", Int(height)}, {nullptr, nullptr}};
    Send(110, full);
    EXPECT_EQ((std::vector<intptr_t>{intptr_t(kScene), 640, 480}), plugin.Last().args);
    HXEventParam sceneOnly[] = {{"scene", kScene}, {nullptr, nullptr}};
    Send(110, sceneOnly);
    EXPECT_EQ((std::vector<intptr_t>{intptr_t(kScene), 1, 1}), plugin.Last().args);
    Send(110, nullptr);
    EXPECT_EQ((std::vector<intptr_t>{0, 1, 1}), plugin.Last().args);
    // A null value gives the default; the first of two equal keys wins; keys are case-sensitive.
    int first = 10, second = 20;
    HXEventParam odd[] = {{"Scene", kScene},
                          {"width", Int(first)},
                          {"width", Int(second)},
                          {"height", nullptr},
                          {nullptr, nullptr}};
    Send(110, odd);
    EXPECT_EQ((std::vector<intptr_t>{0, 10, 1}), plugin.Last().args);
    // The list ends at the first null key.
    HXEventParam cut[] = {{nullptr, nullptr}, {"width", Int(first)}, {nullptr, nullptr}};
    EXPECT_EQ(3, GetEventParamInt(cut, "width", 3));
}

TEST_F(Dispatch, MouseEventsFillPositionWheelAndSceneAndPassTheHandlersAnswer) {
    int buttons = 0, x = 12, y = -34, wheel = 120;
    HXEventParam list[] = {{"scene", kScene},       {"button_state", Int(buttons)}, {"mouse_pos_x", Int(x)},
                           {"mouse_pos_y", Int(y)}, {"mouse_wheel", Int(wheel)},    {nullptr, nullptr}};
    for (int event = 120; event <= 130; ++event) {
        plugin.answer = event;
        EXPECT_EQ(event, Send(event, list));
        const RecordedCall& call = plugin.Last();
        EXPECT_EQ("OnMouse" + std::to_string(event), call.handler);
        EXPECT_EQ(std::vector<intptr_t>{intptr_t(kScene)}, call.args);
        EXPECT_EQ(12, call.mouse.x);
        EXPECT_EQ(-34, call.mouse.y);
        EXPECT_EQ(120, call.mouse.wheel);
    }
}

std::vector<int> Flags(const HXMouseState& m) {
    return {m.lbutton, m.mbutton, m.rbutton, m.shift, m.control, m.bit20};
}

TEST_F(Dispatch, ButtonStateBitsMapToTheSixFlagsInOrder) {
    int buttons = 0;
    HXEventParam list[] = {{"button_state", Int(buttons)}, {nullptr, nullptr}};
    const int bits[] = {0x01, 0x10, 0x02, 0x04, 0x08, 0x20};
    for (int i = 0; i < 6; ++i) {
        buttons = bits[i];
        std::vector<int> expected(6, 0);
        expected[i] = 1;
        Send(120, list);
        EXPECT_EQ(expected, Flags(plugin.Last().mouse)) << std::hex << bits[i];
        Send(140, list);
        EXPECT_EQ(expected, Flags(plugin.Last().mouse)) << std::hex << bits[i];
    }
    buttons = 0x3F;
    Send(125, list);
    EXPECT_EQ(std::vector<int>(6, 1), Flags(plugin.Last().mouse));
    buttons = 0x40;
    Send(125, list);
    EXPECT_EQ(std::vector<int>(6, 0), Flags(plugin.Last().mouse));
}

TEST_F(Dispatch, KeyEventsPassTheKeyAndNoPosition) {
    int key = 'A', buttons = 0x04, x = 5, y = 6, wheel = 7;
    HXEventParam list[] = {{"scene", kScene},       {"key", Int(key)},       {"button_state", Int(buttons)},
                           {"mouse_pos_x", Int(x)}, {"mouse_pos_y", Int(y)}, {"mouse_wheel", Int(wheel)},
                           {nullptr, nullptr}};
    for (int event : {140, 141}) {
        Send(event, list);
        const RecordedCall& call = plugin.Last();
        EXPECT_EQ((std::vector<intptr_t>{intptr_t(kScene), 'A'}), call.args);
        EXPECT_EQ(0, call.mouse.x);
        EXPECT_EQ(0, call.mouse.y);
        EXPECT_EQ(0, call.mouse.wheel);
        EXPECT_EQ(1, call.mouse.shift);
    }
}

TEST_F(Dispatch, MouseAndKeyEventsNeedACommandPlugin) {
    RecordingStationPlugin station;
    int buttons = 0x3F;
    HXEventParam list[] = {{"button_state", Int(buttons)}, {nullptr, nullptr}};
    for (int event : {120, 121, 122, 123, 126, 130, 140, 141}) {
        EXPECT_EQ(0, DispatchEvent(&station, kDoc, event, list)) << event;
    }
    EXPECT_TRUE(station.calls.empty());
    EXPECT_EQ(1, DispatchEvent(&station, kDoc, 110, list));
    EXPECT_EQ(std::vector<std::string>{"OnDraw"}, station.calls);
}

TEST_F(Dispatch, NewDocumentGetsElementAndFileNameWithSavedZero) {
    char filename[] = "C:\\doc.hxd";
    HXEventParam list[] = {{"xml_elem", kElem}, {"filename", filename}, {nullptr, nullptr}};
    EXPECT_EQ(1, Send(200, list));
    const RecordedCall& call = plugin.Last();
    EXPECT_EQ(std::vector<intptr_t>{intptr_t(filename)}, call.args);
    EXPECT_EQ(kElem, call.param.elem);
    EXPECT_EQ(0, call.param.saved);
}

TEST_F(Dispatch, SaveMarksSaveUidOnlyWhenTheHandlerSavedAndTheKeyHasATarget) {
    int uid = 0x55;
    HXEventParam withUid[] = {{"xml_elem", kElem}, {"save_uid", Int(uid)}, {nullptr, nullptr}};
    HXEventParam withoutUid[] = {{"xml_elem", kElem}, {nullptr, nullptr}};
    HXEventParam nullUid[] = {{"save_uid", nullptr}, {nullptr, nullptr}};

    plugin.saved = 0;
    EXPECT_EQ(1, Send(202, withUid));
    EXPECT_EQ(0x55, uid);
    EXPECT_EQ(kElem, plugin.Last().param.elem);
    EXPECT_EQ(0, plugin.Last().param.saved);

    plugin.saved = 3;
    EXPECT_EQ(1, Send(202, withoutUid));
    EXPECT_EQ(1, Send(202, nullUid));
    EXPECT_EQ(1, Send(202, withUid));
    EXPECT_EQ(1, uid);
    // Every handler call starts from a zeroed block, whatever the previous one left.
    EXPECT_EQ(0, plugin.Last().param.saved);
}

TEST_F(Dispatch, UndoRedoAndUndoUpdateCarryStateAndSize) {
    int state = 42, size = 8;
    HXEventParam list[] = {{"state", Int(state)}, {"size", Int(size)}, {nullptr, nullptr}};
    Send(211, list);
    EXPECT_EQ(std::vector<intptr_t>{42}, plugin.Last().args);
    Send(212, list);
    EXPECT_EQ((std::vector<intptr_t>{42, 8}), plugin.Last().args);
    Send(212, nullptr);
    EXPECT_EQ((std::vector<intptr_t>{0, 0}), plugin.Last().args);
}

} // namespace
