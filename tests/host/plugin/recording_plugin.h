// Plug-ins that record every handler call, so tests can see what the dispatcher delivers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/hxplugin.h"

struct RecordedCall {
    std::string handler;
    HXDocHandle doc = nullptr;
    std::vector<intptr_t> args; // scalars and pointers, in argument order after the document
    HXMouseState mouse = {};
    HXDocParam param = {}; // as the handler received it
};

class RecordingCommandPlugin : public HXCommandPlugin {
  public:
    std::vector<RecordedCall> calls;
    BOOL answer = 2;    // what BOOL handlers return: neither 0 nor 1, so a passed-through value shows
    int saved = 0;      // what the document handlers leave in HXDocParam::saved
    int userResult = 7; // OnReceiveUserMessage's answer

    const RecordedCall& Last() const { return calls.back(); }

    void GetPlugInID(DWORD* product, DWORD* id) override {
        *product = 1;
        *id = 2;
    }
    const char* GetPlugInName() override { return "recorder"; }
    const char* EnumString() override { return "recorder"; }
    BOOL Initialize() override { return Record("Initialize", nullptr, {}), answer; }
    void Exit() override { Record("Exit", nullptr, {}); }
    BOOL Activate(HXDocHandle doc, BOOL flag) override { return Record("Activate", doc, {flag}), answer; }
    BOOL IsActivated(HXDocHandle doc) override { return Record("IsActivated", doc, {}), answer; }
    void OnMinimize(HXDocHandle doc, BOOL flag) override { Record("OnMinimize", doc, {flag}); }
    int OnReceiveUserMessage(HXDocHandle doc, DWORD product, DWORD id, const char* description,
                             void* message) override {
        Record("OnReceiveUserMessage", doc,
               {intptr_t(product), intptr_t(id), intptr_t(description), intptr_t(message)});
        return userResult;
    }
    void OnDraw(HXDocHandle doc, HXSceneHandle scene, int width, int height) override {
        Record("OnDraw", doc, {intptr_t(scene), width, height});
    }
    void OnNewDocument(HXDocHandle doc, const char* filename, HXDocParam* param) override {
        RecordDocument("OnNewDocument", doc, filename, param);
    }
    void OnEndDocument(HXDocHandle doc) override { Record("OnEndDocument", doc, {}); }
    void OnSaveDocument(HXDocHandle doc, const char* filename, HXDocParam* param) override {
        RecordDocument("OnSaveDocument", doc, filename, param);
    }
    BOOL OnUndo(HXDocHandle doc, int state) override { return Record("OnUndo", doc, {state}), answer; }
    BOOL OnRedo(HXDocHandle doc, int state) override { return Record("OnRedo", doc, {state}), answer; }
    void OnUpdateUndo(HXDocHandle doc, int state, int size) override {
        Record("OnUpdateUndo", doc, {state, size});
    }
    void OnObjectModified(HXDocHandle doc) override { Record("OnObjectModified", doc, {}); }
    void OnObjectSelected(HXDocHandle doc) override { Record("OnObjectSelected", doc, {}); }
    void OnUpdateObjectList(HXDocHandle doc) override { Record("OnUpdateObjectList", doc, {}); }
    void OnMaterialModified(HXDocHandle doc) override { Record("OnMaterialModified", doc, {}); }
    void OnUpdateMaterialList(HXDocHandle doc) override { Record("OnUpdateMaterialList", doc, {}); }
    void OnUpdateScene(HXDocHandle doc, HXSceneHandle scene) override {
        Record("OnUpdateScene", doc, {intptr_t(scene)});
    }
// Each mouse handler records itself under its own name.
#define HX_RECORD_MOUSE(n)                                                                                   \
    BOOL OnMouse##n(HXDocHandle doc, HXSceneHandle scene, HXMouseState* mouse) override {                    \
        return Mouse("OnMouse" #n, doc, scene, mouse);                                                       \
    }
    HX_RECORD_MOUSE(120)
    HX_RECORD_MOUSE(121)
    HX_RECORD_MOUSE(122)
    HX_RECORD_MOUSE(123)
    HX_RECORD_MOUSE(124)
    HX_RECORD_MOUSE(125)
    HX_RECORD_MOUSE(126)
    HX_RECORD_MOUSE(127)
    HX_RECORD_MOUSE(128)
    HX_RECORD_MOUSE(129)
    HX_RECORD_MOUSE(130)
#undef HX_RECORD_MOUSE
    BOOL OnKey140(HXDocHandle doc, HXSceneHandle scene, int key, HXMouseState* mouse) override {
        return Key("OnKey140", doc, scene, key, mouse);
    }
    BOOL OnKey141(HXDocHandle doc, HXSceneHandle scene, int key, HXMouseState* mouse) override {
        return Key("OnKey141", doc, scene, key, mouse);
    }

  private:
    RecordedCall& Record(const char* handler, HXDocHandle doc, std::vector<intptr_t> args) {
        calls.push_back(RecordedCall{handler, doc, std::move(args)});
        return calls.back();
    }
    void RecordDocument(const char* handler, HXDocHandle doc, const char* filename, HXDocParam* param) {
        Record(handler, doc, {intptr_t(filename)}).param = *param;
        param->saved = saved;
    }
    BOOL Mouse(const char* handler, HXDocHandle doc, HXSceneHandle scene, HXMouseState* mouse) {
        Record(handler, doc, {intptr_t(scene)}).mouse = *mouse;
        return answer;
    }
    BOOL Key(const char* handler, HXDocHandle doc, HXSceneHandle scene, int key, HXMouseState* mouse) {
        Record(handler, doc, {intptr_t(scene), key}).mouse = *mouse;
        return answer;
    }
};

// A plug-in that is only a station: it has no mouse or key handlers.
class RecordingStationPlugin : public HXStationPlugin {
  public:
    std::vector<std::string> calls;

    void GetPlugInID(DWORD* product, DWORD* id) override {
        *product = 3;
        *id = 4;
    }
    const char* GetPlugInName() override { return "station"; }
    const char* EnumString() override { return "station"; }
    BOOL Initialize() override { return calls.push_back("Initialize"), TRUE; }
    void Exit() override { calls.push_back("Exit"); }
    BOOL Activate(HXDocHandle, BOOL) override { return calls.push_back("Activate"), TRUE; }
    BOOL IsActivated(HXDocHandle) override { return calls.push_back("IsActivated"), TRUE; }
    void OnDraw(HXDocHandle, HXSceneHandle, int, int) override { calls.push_back("OnDraw"); }
    bool ExecuteCallback(HXDocHandle, void*) override { return calls.push_back("ExecuteCallback"), true; }
};
