#include <cstring>
#include <tuple>

#include <gtest/gtest.h>

#include "base/trace.h"
#include "host/hxexports.h"
#include "host/hxhostfn.h"
#include "host/hxwrap.h"
#include "recording_plugin.h"

namespace {

HXSceneHandle const kScene = reinterpret_cast<HXSceneHandle>(0x2000);

RecordingCommandPlugin* g_plugin; // what the exports reach

class Dispatch : public ::testing::Test {
  protected:
    RecordingCommandPlugin plugin;
    Dispatch() { g_plugin = &plugin; }

    BOOL Send(int event, void* option) { return DispatchEvent(&plugin, nullptr, event, option); }
};

TEST_F(Dispatch, EachEventReachesItsHandlerWithItsOptionsAndAnswersAsTheTableSays) {
    int v[] = {17, 34, 640, 480, 10, 20, 42, 8, 'A', 12, -34, 120};
    // Each button bit is set in a different set of these, so any two swapped flags show; 0x40 is no flag.
    int bits[] = {0x4B, 0x32, 0x2C};
    char t[] = "t";
    const std::vector<HXEventParam> message = {
        {"src_product", &v[0]}, {"src_id", &v[1]}, {"description", t}, {"message", t}};
    // Keys are case-sensitive, the first of two equal keys wins, a null value is no value.
    const std::vector<HXEventParam> odd = {
        {"Scene", kScene}, {"width", &v[4]}, {"width", &v[5]}, {"height", nullptr}};
    const std::vector<HXEventParam> mouse = {
        {"scene", kScene}, {"mouse_pos_x", &v[9]}, {"mouse_pos_y", &v[10]}, {"mouse_wheel", &v[11]}};
    // A key event reads no position.
    const std::vector<HXEventParam> key = {
        {"key", &v[8]}, {"mouse_pos_x", &v[9]}, {"button_state", &bits[2]}};
    struct Row {
        int event;
        std::string handler;               // empty: no handler is called
        BOOL answer;                       // 2: the handler's own answer, passed through
        std::vector<HXEventParam> options; // sent with a closing null key; none: a null list
        std::vector<intptr_t> args;
    };
    std::vector<Row> rows = {
        {1, "Initialize", 2, {}, {}},
        {2, "Exit", 1, {}, {}},
        {100, "Activate", 2, {}, {5}}, // 100 and 102 point at a flag instead of a list
        {101, "IsActivated", 2, {}, {}},
        {102, "OnMinimize", 1, {}, {5}},
        {103, "OnReceiveUserMessage", 1, message, {17, 34, P(t), P(t)}},
        {110, "OnDraw", 1, {{"scene", kScene}, {"width", &v[2]}, {"height", &v[3]}}, {P(kScene), 640, 480}},
        {110, "OnDraw", 1, {}, {0, 1, 1}},
        {110, "OnDraw", 1, odd, {0, 10, 1}},
        {110, "OnDraw", 1, {{nullptr, nullptr}, {"width", &v[4]}}, {0, 1, 1}}, // the list ends at a null key
        {120, "OnMouse120", 2, mouse, {P(kScene), 12, -34, 120, 0, 0, 0, 0, 0, 0}},
        {121, "OnMouse121", 2, {{"button_state", &bits[0]}}, {0, 0, 0, 0, 1, 0, 1, 0, 1, 0}},
        {122, "OnMouse122", 2, {{"button_state", &bits[1]}}, {0, 0, 0, 0, 0, 1, 1, 0, 0, 1}},
        {123, "OnMouse123", 2, {{"button_state", &bits[2]}}, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1}},
        {140, "OnKey140", 2, {}, std::vector<intptr_t>(11, 0)},
        {141, "OnKey141", 2, key, {0, 'A', 0, 0, 0, 0, 0, 0, 1, 1, 1}},
        {200, "OnNewDocument", 1, {{"xml_elem", &v[0]}, {"filename", t}}, {P(t), P(&v[0]), 0}},
        {201, "OnEndDocument", 1, {}, {}},
        {202, "OnSaveDocument", 1, {}, {0, 0, 0}},
        {210, "OnUndo", 2, {}, {0}},
        {211, "OnRedo", 2, {{"state", &v[6]}}, {42}},
        {212, "OnUpdateUndo", 1, {{"state", &v[6]}, {"size", &v[7]}}, {42, 8}},
        {220, "OnUpdateObjectList", 1, {}, {}},
        {221, "OnObjectModified", 1, {}, {}},
        {222, "OnObjectSelected", 1, {}, {}},
        {230, "OnUpdateMaterialList", 1, {}, {}},
        {231, "OnMaterialModified", 1, {}, {}},
        {240, "OnUpdateScene", 1, {{"scene", kScene}}, {P(kScene)}},
    };
    for (int event = 124; event <= 130; ++event)
        rows.push_back({event, "OnMouse" + std::to_string(event), 2, {}, std::vector<intptr_t>(10, 0)});
    for (int event : {0, 3, 99, 104, 131, 139, 142, 203, 213, 223, 232, 239, 241, -1, 100000})
        rows.push_back({event, "", 0, {}, {}});
    int flag = 5;
    Bare<HXStationPlugin> station; // has no mouse or key handlers
    for (const Row& row : rows) {
        std::vector<HXEventParam> list = row.options;
        list.push_back({nullptr, nullptr});
        void* option = row.options.empty() ? nullptr : list.data();
        if (row.event == 100 || row.event == 102) option = &flag;
        plugin.calls.clear();
        EXPECT_EQ(row.answer, Send(row.event, option)) << row.event;
        ASSERT_EQ(row.handler.empty() ? 0u : 1u, plugin.calls.size()) << row.event;
        if (row.handler.empty()) continue;
        EXPECT_EQ(row.handler, plugin.calls.back().handler);
        EXPECT_EQ(row.args, plugin.calls.back().args) << row.event;
        // Mouse and key events need a command plug-in.
        if (row.handler.find("OnMouse") == 0 || row.handler.find("OnKey") == 0) {
            EXPECT_EQ(FALSE, DispatchEvent(&station, nullptr, row.event, option)) << row.event;
        }
    }
}

TEST_F(Dispatch, WriteBacksReachOnlyTargetsThatExist) {
    int result = 0x55, uid = 0x55;
    HXEventParam targets[] = {{"result", &result}, {"save_uid", &uid}, {nullptr, nullptr}};
    HXEventParam none[] = {{"result", nullptr}, {"save_uid", nullptr}, {nullptr, nullptr}};
    // The handler's answer comes back; the handler saved nothing.
    EXPECT_EQ(std::tuple(1, 1, 2, 0x55), (std::tuple{Send(103, targets), Send(202, targets), result, uid}));
    plugin.saved = 3;
    // Each call starts from a zeroed block: the last handler found saved at 0, though the ones before
    // saved 3.
    EXPECT_EQ(
        std::tuple(1, 1, 1, 1, intptr_t(0)),
        (std::tuple{Send(202, none), Send(103, none), Send(202, targets), uid, plugin.calls.back().args[2]}));
    // Without the flag they point at, events 100 and 102 cannot be answered.
    EXPECT_EQ(std::tuple(0, 0, 5u),
              (std::tuple{Send(100, nullptr), Send(102, nullptr), plugin.calls.size()}));
}

void Collect(void* lines, const char* text) {
    static_cast<std::string*>(lines)->append(text);
}

// The exports that list texts ask the plug-in's kind first; only import and export plug-ins (1 and 2)
// list file types, and no class here is one of those.
TEST_F(Dispatch, ListingExportsReadThePluginsTypeFirst) {
    for (int type : {1, 2, 6, 7}) {
        plugin.type = type;
        plugin.calls.clear();
        auto text = [](const char* p) { return std::string(p ? p : "(null)"); };
        EXPECT_EQ(std::make_tuple(text(HXEnumFileType(0)), text(HXEnumFileExt(0)), text(HXEnumString(0))),
                  std::make_tuple("(null)", "(null)", type < 6 ? "(null)" : "test"))
            << type;
        ASSERT_EQ(plugin.calls.size(), 3u) << type;
        for (const RecordedCall& call : plugin.calls)
            EXPECT_EQ(call.handler, "GetPlugInType") << type;
    }
}

// A throwing handler would unwind into the host, which knows no C++ exceptions.
TEST_F(Dispatch, AHandlerThatThrowsIsTracedAndAnswersFailure) {
    std::string traced;
    SetTrace(&traced, Collect);
    for (int kind : {1, 2}) {
        plugin.throws = kind;
        EXPECT_EQ(std::tuple(FALSE, FALSE, FALSE),
                  (std::tuple{Send(1, nullptr), Send(202, nullptr), Send(125, nullptr)}));
    }
    ResetTrace();
    EXPECT_TRUE(plugin.calls.empty());
    EXPECT_NE(std::string::npos, traced.find("event 202: exception caught (std::bad_alloc)")) << traced;
    EXPECT_NE(std::string::npos, traced.find("event 125: exception caught (not a std::exception)")) << traced;
}

// A host that fills the whole buffer and leaves no terminator, and one that finds nothing.
void __cdecl FillName(HXObjHandle, char* buffer, int size) {
    std::memset(buffer, 'n', size);
}
BOOL __cdecl FindNothing(HXDocHandle, char*, const char*, int) {
    return FALSE;
}

TEST(Wrappers, TextsFromTheHostAreTextsWithinTheBufferAndNeverStale) {
    hxfn::HXObj_GetName = FillName;
    hxfn::HXDoc_FindMappingFile = FindNothing;
    char name[] = "xxxxxxxxx";
    HXObj(reinterpret_cast<HXObjHandle>(1)).GetName(name, 8);
    char path[1024] = "stale";
    HXDoc(reinterpret_cast<HXDocHandle>(1)).FindMappingFile(path, "metal.bmp", HXMAP_TEXTURE);
    EXPECT_EQ(std::tuple(std::string("nnnnnnn"), std::string("x"), std::string()),
              std::tuple(std::string(name), std::string(name + 8), std::string(path)));
    hxfn::HXObj_GetName = nullptr;
    hxfn::HXDoc_FindMappingFile = nullptr;
}

} // namespace

HXStationPlugin* GetCmdPlugin() {
    return g_plugin;
}
