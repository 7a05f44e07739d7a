// A command plug-in that records every handler call, so tests see what the dispatcher delivers; it
// can be made to throw from every handler.
#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "tests/host/bareplugin.h"

inline intptr_t P(const void* pointer) {
    return reinterpret_cast<intptr_t>(pointer);
}

struct RecordedCall {
    std::string handler;
    std::vector<intptr_t> args; // after the document; a mouse block as its nine fields
};

class RecordingCommandPlugin : public Bare<HXCommandPlugin> {
  public:
    std::vector<RecordedCall> calls;
    int saved = 0;  // what the document handlers leave in HXDocParam::saved
    int throws = 0; // 1: every handler throws std::bad_alloc, 2: an int
    int type = 7;   // what GetPlugInType answers, recorded

    // Records the handler with the arguments that follow the document.
#define HX_RECORD(result, name, params, ...)                                                                 \
    result name params override {                                                                            \
        return result(Record(#name, {__VA_ARGS__}));                                                         \
    }
#define HX_RECORD_MOUSE(name)                                                                                \
    HX_RECORD(BOOL, name, (HXDocHandle, HXSceneHandle s, HXMouseState * m), P(s), MOUSE(m))
// Every field of the block on its own, in block order.
#define MOUSE(m) m->x, m->y, m->wheel, m->lbutton, m->mbutton, m->rbutton, m->shift, m->control, m->bit20
    int GetPlugInType() override {
        return Record("GetPlugInType", {}) ? type : 0;
    }
    HX_RECORD(BOOL, Initialize, ())
    HX_RECORD(void, Exit, ())
    HX_RECORD(BOOL, Activate, (HXDocHandle, BOOL flag), flag)
    HX_RECORD(BOOL, IsActivated, (HXDocHandle))
    HX_RECORD(void, OnMinimize, (HXDocHandle, BOOL flag), flag)
    HX_RECORD(int, OnReceiveUserMessage, (HXDocHandle, DWORD a, DWORD b, const char* t, void* m), intptr_t(a),
              intptr_t(b), P(t), P(m))
    HX_RECORD(void, OnDraw, (HXDocHandle, HXSceneHandle s, int width, int height), P(s), width, height)
    HX_RECORD(void, OnNewDocument, (HXDocHandle, const char* f, HXDocParam* p), P(f), P(p->elem), Doc(p))
    HX_RECORD(void, OnEndDocument, (HXDocHandle))
    HX_RECORD(void, OnSaveDocument, (HXDocHandle, const char* f, HXDocParam* p), P(f), P(p->elem), Doc(p))
    HX_RECORD(BOOL, OnUndo, (HXDocHandle, int state), state)
    HX_RECORD(BOOL, OnRedo, (HXDocHandle, int state), state)
    HX_RECORD(void, OnUpdateUndo, (HXDocHandle, int state, int size), state, size)
    HX_RECORD(void, OnObjectModified, (HXDocHandle))
    HX_RECORD(void, OnObjectSelected, (HXDocHandle))
    HX_RECORD(void, OnUpdateObjectList, (HXDocHandle))
    HX_RECORD(void, OnMaterialModified, (HXDocHandle))
    HX_RECORD(void, OnUpdateMaterialList, (HXDocHandle))
    HX_RECORD(void, OnUpdateScene, (HXDocHandle, HXSceneHandle s), P(s))
    HX_RECORD_MOUSE(OnMouse120)
    HX_RECORD_MOUSE(OnMouse121)
    HX_RECORD_MOUSE(OnMouse122)
    HX_RECORD_MOUSE(OnMouse123)
    HX_RECORD_MOUSE(OnMouse124)
    HX_RECORD_MOUSE(OnMouse125)
    HX_RECORD_MOUSE(OnMouse126)
    HX_RECORD_MOUSE(OnMouse127)
    HX_RECORD_MOUSE(OnMouse128)
    HX_RECORD_MOUSE(OnMouse129)
    HX_RECORD_MOUSE(OnMouse130)
    HX_RECORD(BOOL, OnKey140, (HXDocHandle, HXSceneHandle s, int k, HXMouseState* m), P(s), k, MOUSE(m))
    HX_RECORD(BOOL, OnKey141, (HXDocHandle, HXSceneHandle s, int k, HXMouseState* m), P(s), k, MOUSE(m))
#undef MOUSE
#undef HX_RECORD_MOUSE
#undef HX_RECORD

  private:
    static intptr_t P(const void* pointer) {
        return reinterpret_cast<intptr_t>(pointer);
    }
    // The saved field as the handler found it; then the handler saves.
    intptr_t Doc(HXDocParam* param) {
        const int found = param->saved;
        param->saved = saved;
        return found;
    }
    BOOL Record(const char* handler, std::vector<intptr_t> args) {
        if (throws == 1) throw std::bad_alloc();
        if (throws == 2) throw 42;
        calls.push_back(RecordedCall{handler, std::move(args)});
        return 2; // neither 0 nor 1, so a passed-through answer shows
    }
};
