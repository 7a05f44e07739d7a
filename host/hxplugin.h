// The plug-in classes that the host drives, the blocks its events carry, and the event dispatcher.
#pragma once

#include "host/hxfuncs.h"

struct HXSceneOption;
struct HXEditOption;
struct HXHitTestParam;
class HXSetting;

// One option of an event (or parameter of a request): a key text and a 32-bit value whose meaning
// depends on the key. A list ends at the first null key.
struct HXEventParam {
    const char* key;
    void* value;
};

// Mouse position and wheel, and the six flags of the event's "button_state".
struct HXMouseState {
    int x;
    int y;
    int wheel;
    int lbutton; // 0x01
    int mbutton; // 0x10
    int rbutton; // 0x02
    int shift;   // 0x04
    int control; // 0x08
    int bit20;   // 0x20, the host's own
};

// The host's XML element for the document's settings, and whether the handler stored any.
struct HXDocParam {
    HXXmlHandle elem;
    int saved;
};

// Identity: what the host asks of every plug-in.
class HXBasePlugin {
  public:
    virtual ~HXBasePlugin() = default;
    virtual void GetPlugInID(DWORD* product, DWORD* id) = 0;
    virtual const char* GetPlugInName() = 0;
    virtual int GetPlugInType() = 0;

    // Asks the host to pass `message` to the plug-in `product`/`id`; the host's answer, 0 when none.
    int SendUserMessage(HXDocHandle doc, DWORD product, DWORD id, const char* description, void* message);

    // This plug-in's section of the host's settings file; null when the host has none. Free the
    // result with CloseSetting.
    HXSetting* OpenSetting();
    void CloseSetting(HXSetting* setting);
};

// A plug-in that lives beside the document and hears its events. The order of the virtual functions
// is the order of the host's slots.
class HXStationPlugin : public HXBasePlugin {
  public:
    int GetPlugInType() override { return 6; }
    virtual const char* EnumString() = 0;
    virtual BOOL Initialize() = 0;
    virtual void Exit() = 0;
    virtual BOOL Activate(HXDocHandle doc, BOOL flag) = 0;
    virtual BOOL IsActivated(HXDocHandle doc) = 0;
    virtual void OnMinimize(HXDocHandle /*doc*/, BOOL /*flag*/) {}
    virtual int OnReceiveUserMessage(HXDocHandle /*doc*/, DWORD /*src_product*/, DWORD /*src_id*/,
                                     const char* /*description*/, void* /*message*/) {
        return 0;
    }
    virtual void OnDraw(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, int /*width*/, int /*height*/) {}
    virtual void OnNewDocument(HXDocHandle /*doc*/, const char* /*filename*/, HXDocParam* /*param*/) {}
    virtual void OnEndDocument(HXDocHandle /*doc*/) {}
    virtual void OnSaveDocument(HXDocHandle /*doc*/, const char* /*filename*/, HXDocParam* /*param*/) {}
    virtual BOOL OnUndo(HXDocHandle /*doc*/, int /*state*/) { return FALSE; }
    virtual BOOL OnRedo(HXDocHandle /*doc*/, int /*state*/) { return FALSE; }
    virtual void OnUpdateUndo(HXDocHandle /*doc*/, int /*state*/, int /*size*/) {}
    virtual void OnObjectModified(HXDocHandle /*doc*/) {}
    virtual void OnObjectSelected(HXDocHandle /*doc*/) {}
    virtual void OnUpdateObjectList(HXDocHandle /*doc*/) {}
    virtual void OnMaterialModified(HXDocHandle /*doc*/) {}
    virtual void OnUpdateMaterialList(HXDocHandle /*doc*/) {}
    virtual void OnUpdateScene(HXDocHandle /*doc*/, HXSceneHandle /*scene*/) {}
    virtual bool ExecuteCallback(HXDocHandle doc, void* option) = 0;

    // Hands the host a callback that reaches ExecuteCallback with `option`; returns the host's answer.
    BOOL BeginCallback(void* option);

    // Requests to the host. Those named by number mean what the host makes of them.
    int Request100();
    int SetWindowVisibility(HXDocHandle doc, int visibility, int instant);
    // Leaves -1 in `index` when the host writes nothing there.
    int Request201(HXDocHandle doc, int* index, int instant);
    void Request210(HXDocHandle doc, HXObjHandle object);
    void Request211(HXDocHandle doc, HXMatHandle material);
    int Request300(HXDocHandle doc);
    void GetSceneOption(HXSceneHandle scene, HXSceneOption& option);
};

// A station plug-in that may also take mouse and key input in the host's views.
class HXCommandPlugin : public HXStationPlugin {
  public:
    int GetPlugInType() override { return 7; }
    BOOL IsActivated(HXDocHandle /*doc*/) override { return TRUE; }
    bool ExecuteCallback(HXDocHandle /*doc*/, void* /*option*/) override { return true; }
    virtual BOOL OnMouse120(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return TRUE;
    }
    virtual BOOL OnMouse121(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return TRUE;
    }
    virtual BOOL OnMouse122(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return TRUE;
    }
    virtual BOOL OnMouse123(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse124(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse125(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse126(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse127(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse128(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse129(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnMouse130(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnKey140(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, int /*key*/,
                          HXMouseState* /*mouse*/) {
        return FALSE;
    }
    virtual BOOL OnKey141(HXDocHandle /*doc*/, HXSceneHandle /*scene*/, int /*key*/,
                          HXMouseState* /*mouse*/) {
        return FALSE;
    }

    // Requests to the host about its views and editing.
    int Request301();
    void RedrawScene(HXSceneHandle scene);
    int Request401();
    void GetEditOption(HXEditOption& option);
    // The host's snap of `point`; (0, 0, 0) when the host gives none.
    HXPOINT SnapPosition(HXSceneHandle scene, const HXPOINT& point, int type);
    // Fills the hit fields of `param` for the view position (x, y); true when something was hit.
    bool HitTest(HXSceneHandle scene, int x, int y, HXHitTestParam& param);
    int Request502(int index);
    void SetMouseCursor(HCURSOR cursor);
    void SetStatusString(const char* text);
};

// The value of the first option named exactly `key`, or null (also for a null list).
void* GetEventParam(const HXEventParam* list, const char* key);
// The integer the option `key` points to, or `def` when it is absent or null.
int GetEventParamInt(const HXEventParam* list, const char* key, int def);

// Turns one host event into a call of `plugin`'s handler and answers for it; unknown events give 0.
BOOL DispatchEvent(HXStationPlugin* plugin, HXDocHandle doc, int event, void* option);

// The module's one plug-in object, built on first use; the application defines it.
HXStationPlugin* GetCmdPlugin();

// The instance handle the module was loaded with.
extern HINSTANCE hxModule;
