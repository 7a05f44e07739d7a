#include <cstdio>
#include <cstring>

#include "base/callguard.h"
#include "host/hxplugin.h"

void* GetEventParam(const HXEventParam* list, const char* key) {
    if (!list) return nullptr;
    for (; list->key; ++list) {
        if (std::strcmp(list->key, key) == 0) return list->value;
    }
    return nullptr;
}

int GetEventParamInt(const HXEventParam* list, const char* key, int def) {
    const int* value = static_cast<const int*>(GetEventParam(list, key));
    return value ? *value : def;
}

namespace {

// Writes `value` to a write-back option; a key without a target is left alone.
void WriteBack(const HXEventParam* list, const char* key, int value) {
    if (int* target = static_cast<int*>(GetEventParam(list, key))) *target = value;
}

void SetButtons(HXMouseState& mouse, int buttons) {
    mouse.lbutton = (buttons & 0x01) ? 1 : 0;
    mouse.mbutton = (buttons & 0x10) ? 1 : 0;
    mouse.rbutton = (buttons & 0x02) ? 1 : 0;
    mouse.shift = (buttons & 0x04) ? 1 : 0;
    mouse.control = (buttons & 0x08) ? 1 : 0;
    mouse.bit20 = (buttons & 0x20) ? 1 : 0;
}

HXSceneHandle GetScene(const HXEventParam* list) {
    return static_cast<HXSceneHandle>(GetEventParam(list, "scene"));
}

typedef BOOL (HXCommandPlugin::*MouseHandler)(HXDocHandle, HXSceneHandle, HXMouseState*);

// Events 120 to 130 in order.
const MouseHandler kMouseHandlers[] = {
    &HXCommandPlugin::OnMouse120, &HXCommandPlugin::OnMouse121, &HXCommandPlugin::OnMouse122,
    &HXCommandPlugin::OnMouse123, &HXCommandPlugin::OnMouse124, &HXCommandPlugin::OnMouse125,
    &HXCommandPlugin::OnMouse126, &HXCommandPlugin::OnMouse127, &HXCommandPlugin::OnMouse128,
    &HXCommandPlugin::OnMouse129, &HXCommandPlugin::OnMouse130,
};

BOOL DispatchMouse(HXCommandPlugin* plugin, HXDocHandle doc, int event, const HXEventParam* list) {
    HXSceneHandle scene = GetScene(list);
    HXMouseState mouse = {};
    SetButtons(mouse, GetEventParamInt(list, "button_state", 0));
    mouse.x = GetEventParamInt(list, "mouse_pos_x", 0);
    mouse.y = GetEventParamInt(list, "mouse_pos_y", 0);
    mouse.wheel = GetEventParamInt(list, "mouse_wheel", 0);
    return (plugin->*kMouseHandlers[event - 120])(doc, scene, &mouse);
}

BOOL DispatchKey(HXCommandPlugin* plugin, HXDocHandle doc, int event, const HXEventParam* list) {
    HXSceneHandle scene = GetScene(list);
    const int key = GetEventParamInt(list, "key", 0);
    HXMouseState mouse = {};
    SetButtons(mouse, GetEventParamInt(list, "button_state", 0));
    return event == 140 ? plugin->OnKey140(doc, scene, key, &mouse)
                        : plugin->OnKey141(doc, scene, key, &mouse);
}

BOOL Dispatch(HXStationPlugin* plugin, HXDocHandle doc, int event, void* option) {
    const HXEventParam* list = static_cast<const HXEventParam*>(option);
    // Events 100 and 102 point straight at a flag; without one they cannot be answered.
    const BOOL* flag = static_cast<const BOOL*>(option);
    // The blocks are zeroed for every handler, so no field reaches it unset.
    HXDocParam param = {};
    switch (event) {
    case 1:
        return plugin->Initialize();
    case 2:
        plugin->Exit();
        return TRUE;
    case 100:
        return flag ? plugin->Activate(doc, *flag) : FALSE;
    case 101:
        return plugin->IsActivated(doc);
    case 102:
        if (!flag) return FALSE;
        plugin->OnMinimize(doc, *flag);
        return TRUE;
    case 103: {
        const int result = plugin->OnReceiveUserMessage(
            doc, static_cast<DWORD>(GetEventParamInt(list, "src_product", 0)),
            static_cast<DWORD>(GetEventParamInt(list, "src_id", 0)),
            static_cast<const char*>(GetEventParam(list, "description")), GetEventParam(list, "message"));
        WriteBack(list, "result", result);
        return TRUE;
    }
    case 110:
        plugin->OnDraw(doc, GetScene(list), GetEventParamInt(list, "width", 1),
                       GetEventParamInt(list, "height", 1));
        return TRUE;
    case 200:
        param.elem = static_cast<HXXmlHandle>(GetEventParam(list, "xml_elem"));
        plugin->OnNewDocument(doc, static_cast<const char*>(GetEventParam(list, "filename")), &param);
        return TRUE;
    case 201:
        plugin->OnEndDocument(doc);
        return TRUE;
    case 202:
        param.elem = static_cast<HXXmlHandle>(GetEventParam(list, "xml_elem"));
        plugin->OnSaveDocument(doc, static_cast<const char*>(GetEventParam(list, "filename")), &param);
        if (param.saved) WriteBack(list, "save_uid", 1);
        return TRUE;
    case 210:
        return plugin->OnUndo(doc, GetEventParamInt(list, "state", 0));
    case 211:
        return plugin->OnRedo(doc, GetEventParamInt(list, "state", 0));
    case 212:
        plugin->OnUpdateUndo(doc, GetEventParamInt(list, "state", 0), GetEventParamInt(list, "size", 0));
        return TRUE;
    case 220:
        plugin->OnUpdateObjectList(doc);
        return TRUE;
    case 221:
        plugin->OnObjectModified(doc);
        return TRUE;
    case 222:
        plugin->OnObjectSelected(doc);
        return TRUE;
    case 230:
        plugin->OnUpdateMaterialList(doc);
        return TRUE;
    case 231:
        plugin->OnMaterialModified(doc);
        return TRUE;
    case 240:
        plugin->OnUpdateScene(doc, GetScene(list));
        return TRUE;
    default:
        break;
    }
    if ((event >= 120 && event <= 130) || event == 140 || event == 141) {
        HXCommandPlugin* command = dynamic_cast<HXCommandPlugin*>(plugin);
        if (!command) return FALSE;
        return event <= 130 ? DispatchMouse(command, doc, event, list)
                            : DispatchKey(command, doc, event, list);
    }
    return FALSE;
}

} // namespace

BOOL DispatchEvent(HXStationPlugin* plugin, HXDocHandle doc, int event, void* option) {
    try {
        return Dispatch(plugin, doc, event, option);
    } catch (...) {
        char where[32];
        std::snprintf(where, sizeof where, "event %d", event);
        TraceCaught(where);
        return FALSE;
    }
}
