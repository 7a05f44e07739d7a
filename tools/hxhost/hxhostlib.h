#pragma once
// The stand-in host as a library: one open document read from JSON, the host functions that answer the
// plug-in from it, and what tests and the host program need to drive and watch it.
#include <windows.h>

#include <string>
#include <vector>

#include "host/hxfuncs.h"

namespace hxhost {

// Replace the open document; false (and the old document kept) with a one-line reason when the text
// or file is not a valid document.
bool OpenDocumentText(const std::string& json, std::string* error);
bool OpenDocumentFile(const std::string& path, std::string* error);
void CloseDocument();
HXDocHandle DocumentHandle(); // null without a document
const std::string& DocumentPath();

// The element handed to the plug-in when the document opens.
HXXmlHandle SettingsElement();
// Saving: a fresh, empty element named like the settings element for the plug-in to fill; committing
// makes it the document's settings and writes the JSON back to the path it was read from.
HXXmlHandle BeginSave();
bool CommitSave(std::string* error);
// The settings element as JSON text ({"name", "attributes": [[key, value], ...], "children": [...]}).
std::string SettingsJson();

struct ObjectCalls {
    int clones = 0;
    int freezes = 0;
    int deletes = 0;
    int liveClones = 0;
};
ObjectCalls CountObjectCalls();

// The host's own window and system folder (kind 5), as the plug-in asks for them.
void SetMainWindow(HWND window);
void SetSystemPath(const std::string& folder);
// The settings file (kind 3) that plug-ins keep their ini sections in; empty: the host has none.
void SetSettingsFile(const std::string& path);

// Every host function call, by name, in order; with a log file each call also becomes a line there.
const std::vector<const char*>& CallLog();
int CountCalls(const char* name);
void ClearCallLog();
bool SetLogFile(const std::string& path);
void FlushLog();

} // namespace hxhost
