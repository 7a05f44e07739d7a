// Requests a plug-in sends to the host: one HX_SendMessage call each, parameters in an option list.
#include "host/hxrequest.h"

#include <cstdint>

#include "host/hxhostfn.h"

namespace {

// Sends `params` under request `code` in an envelope naming `sender`; the host's answer, or 0 when
// the host has no request function bound.
int Send(HXBasePlugin* sender, int code, HXEventParam* params) {
    HXSendMessageInfo info;
    sender->GetPlugInID(&info.product, &info.id);
    info.params = params;
    return hxfn::HX_SendMessage ? hxfn::HX_SendMessage(code, &info) : 0;
}

// The option's own value word, which the host may have replaced with a number.
int SlotValue(const HXEventParam& param) {
    return static_cast<int>(reinterpret_cast<intptr_t>(param.value));
}

void* Text(const char* text) {
    return const_cast<char*>(text);
}

} // namespace

int HXBasePlugin::SendUserMessage(HXDocHandle doc, DWORD product, DWORD id, const char* description,
                                  void* message) {
    int result = 0;
    HXEventParam params[] = {{"document", doc},    {"target_product", &product},
                             {"target_id", &id},   {"description", Text(description)},
                             {"message", message}, {"result", &result},
                             {nullptr, nullptr}};
    Send(this, 101, params);
    return result;
}

int HXStationPlugin::Request100() {
    HXEventParam params[] = {{nullptr, nullptr}};
    return Send(this, 100, params);
}

int HXStationPlugin::SetWindowVisibility(HXDocHandle doc, int visibility, int instant) {
    HXEventParam params[] = {{"document", doc},
                             {"visibility", &visibility},
                             {"instant", &instant},
                             {"result", nullptr},
                             {nullptr, nullptr}};
    Send(this, 200, params);
    return SlotValue(params[3]);
}

int HXStationPlugin::Request201(HXDocHandle doc, int* index, int instant) {
    int answer = -1;
    HXEventParam params[] = {{"document", doc},
                             {"index", &answer},
                             {"instant", &instant},
                             {"result", nullptr},
                             {nullptr, nullptr}};
    Send(this, 201, params);
    if (index) *index = answer;
    return SlotValue(params[3]);
}

void HXStationPlugin::Request210(HXDocHandle doc, HXObjHandle object) {
    HXEventParam params[] = {{"document", doc}, {"object", object}, {nullptr, nullptr}};
    Send(this, 210, params);
}

void HXStationPlugin::Request211(HXDocHandle doc, HXMatHandle material) {
    HXEventParam params[] = {{"document", doc}, {"material", material}, {nullptr, nullptr}};
    Send(this, 211, params);
}

int HXStationPlugin::Request300(HXDocHandle doc) {
    int result = -1;
    HXEventParam params[] = {{"document", doc}, {"result", &result}, {nullptr, nullptr}};
    Send(this, 300, params);
    return result;
}

void HXStationPlugin::GetSceneOption(HXSceneHandle scene, HXSceneOption& option) {
    option = HXSceneOption{};
    HXEventParam params[] = {{"scene", scene},
                             {"show_vertex", &option.show_vertex},
                             {"show_line", &option.show_line},
                             {"show_face", &option.show_face},
                             {"front_only", &option.front_only},
                             {"show_bkimg", &option.show_bkimg},
                             {nullptr, nullptr}};
    Send(this, 410, params);
}

int HXCommandPlugin::Request301() {
    HXEventParam params[] = {{nullptr, nullptr}};
    return Send(this, 301, params);
}

void HXCommandPlugin::RedrawScene(HXSceneHandle scene) {
    HXEventParam params[] = {{"scene", scene}, {nullptr, nullptr}};
    Send(this, 400, params);
}

int HXCommandPlugin::Request401() {
    HXEventParam params[] = {{nullptr, nullptr}};
    return Send(this, 401, params);
}

void HXCommandPlugin::GetEditOption(HXEditOption& option) {
    option = HXEditOption{};
    // The host's order, not the block's.
    HXEventParam params[] = {{"edit_vertex", &option.edit_vertex},
                             {"edit_line", &option.edit_line},
                             {"edit_face", &option.edit_face},
                             {"select_rect", &option.select_rect},
                             {"select_rope", &option.select_rope},
                             {"symmetry", &option.symmetry},
                             {"symmetry_distance", &option.symmetry_distance},
                             {"cur_obj_only", &option.cur_obj_only},
                             {"snap_x", &option.snap_x},
                             {"snap_y", &option.snap_y},
                             {"snap_z", &option.snap_z},
                             {"coordinate_type", &option.coordinate_type},
                             {"snap_grid", &option.snap_grid},
                             {nullptr, nullptr}};
    Send(this, 500, params);
}

HXPOINT HXCommandPlugin::SnapPosition(HXSceneHandle scene, const HXPOINT& point, int type) {
    HXPOINT pos = point;
    HXPOINT result = {0, 0, 0};
    HXEventParam params[] = {
        {"scene", scene}, {"type", &type}, {"pos", &pos}, {"result", &result}, {nullptr, nullptr}};
    Send(this, 501, params);
    return result;
}

bool HXCommandPlugin::HitTest(HXSceneHandle scene, int x, int y, HXHitTestParam& param) {
    int testType = (param.test_vertex ? 1 : 0) | (param.test_line ? 2 : 0) | (param.test_face ? 4 : 0);
    param.hit_type = 0;
    HXEventParam params[] = {{"scene", scene},
                             {"x", &x},
                             {"y", &y},
                             {"test_type", &testType},
                             {"hit_type", &param.hit_type},
                             {"hit_pos", &param.hit_pos},
                             {"hit_object", &param.hit_object},
                             {"hit_vertex", &param.hit_vertex},
                             {"hit_line", &param.hit_line},
                             {"hit_face", &param.hit_face},
                             {nullptr, nullptr}};
    Send(this, 411, params);
    return param.hit_type != 0;
}

int HXCommandPlugin::Request502(int index) {
    HXEventParam params[] = {{"index", &index}, {"result", nullptr}, {nullptr, nullptr}};
    Send(this, 502, params);
    return SlotValue(params[1]);
}

void HXCommandPlugin::SetMouseCursor(HCURSOR cursor) {
    HXEventParam params[] = {{"cursor", cursor}, {nullptr, nullptr}};
    Send(this, 603, params);
}

void HXCommandPlugin::SetStatusString(const char* text) {
    HXEventParam params[] = {{"string", Text(text)}, {nullptr, nullptr}};
    Send(this, 604, params);
}
