// The test program as the plug-in's host: host functions from the stand-in host's library, a host
// window, a private registry, and events sent straight to the plug-in object.
#pragma once
#include <windows.h>

#include <string>

#include "app/cmdplugin.h"
#include "app/dlmain.h"

CMDPLUGIN* Plugin();
// The plug-in's main window; null between sessions.
inline DLMAIN* Main() {
    return Plugin()->GetMainWindow();
}

// Opens a document from JSON text (a file in the run's scratch folder, so it can be saved back).
HXDocHandle OpenHostDocument(const std::string& json);
// Two materials, uid 1001 and 1002, plus the given extra material entries.
std::string DocumentJson(const std::string& extraMaterials = "", bool withFirst = true);

// Events as the host sends them.
BOOL SendEvent(int event, void* options = nullptr);
inline void SendActivate(BOOL flag) {
    SendEvent(100, &flag);
}
void SendOpen(HXDocHandle doc);
int SendSave(HXDocHandle doc); // the save_uid the plug-in wrote back
void SendUndoState(HXDocHandle doc, int state, int size);
void SendUndo(HXDocHandle doc, int state, bool redo = false);

// SHIFT as the keyboard state of this thread says it: pressed (0x80) or not (0), or held for a scope.
void SetShiftState(BYTE state);
struct ShiftHeld {
    ShiftHeld() { SetShiftState(0x80); }
    ~ShiftHeld() { SetShiftState(0); }
};

// The main window's settings, in this program's private registry. Reset forgets them all but the work
// folder, which stays in the scratch folder: no session reads what a machine keeps in the default one.
void ResetSettings();
void SetSetting(const char* name, DWORD type, const void* data, DWORD size);
inline void SetSettingInt(const char* name, DWORD value) {
    SetSetting(name, REG_DWORD, &value, sizeof value);
}
DWORD StoredInt(const char* name, DWORD* type = nullptr); // 0xDEADBEEF when missing
std::string StoredText(const char* name);                 // "<missing>" unless a string

// Delivers the posted messages that are waiting.
void PumpMessages();

// Initialise on construction, exit on destruction.
struct PluginSession {
    PluginSession() {
        SendEvent(1);
        PumpMessages();
    }
    ~PluginSession() {
        SendEvent(2);
        PumpMessages();
    }
};
