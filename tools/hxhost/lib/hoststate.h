#pragma once
// The one state behind the host functions and the library's interface.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "host/hxfuncs.h"
#include "tools/hxhost/lib/docjson.h"

namespace hxhost {

struct HostState {
    std::unique_ptr<Document> doc;
    Json source; // the document as read, so a save rewrites only its settings
    std::string path;
    std::unique_ptr<XmlElement> saveElement;
    HWND window = nullptr;
    std::string systemPath;
    std::string settingsFile;
    std::vector<const char*> calls;
    FILE* log = nullptr;
};

HostState& Host();

// Marks a host function call in the call log.
void NoteCall(const char* name);

// Handle checks against the open document: null for anything the document does not hold.
Document* DocOf(HXDocHandle handle);
Object* ObjectOf(HXObjHandle handle);
Material* MaterialOf(HXMatHandle handle);
Scene* SceneOf(HXSceneHandle handle);

// Copies text into a caller's buffer of `size` bytes, cut before a character that would not fit.
void CopyText(char* out, int size, const std::string& text);

} // namespace hxhost
