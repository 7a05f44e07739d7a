// Document and scene reads.
#include <algorithm>

#include "tools/hxhost/lib/hostexport.h"

using namespace hxhost;

namespace {
template <typename T> int Count(HXDocHandle handle, std::vector<std::unique_ptr<T>> Document::*list) {
    Document* doc = DocOf(handle);
    return doc ? int((doc->*list).size()) : 0;
}

// Empty slots answer null like indexes outside the list.
template <typename T>
T* Entry(HXDocHandle handle, std::vector<std::unique_ptr<T>> Document::*list, int index) {
    Document* doc = DocOf(handle);
    if (!doc || index < 0 || size_t(index) >= (doc->*list).size()) return nullptr;
    return (doc->*list)[size_t(index)].get();
}
} // namespace

HXHOST_EXPORT int __cdecl HXDoc_GetObjectCount(HXDocHandle handle) {
    NoteCall(__func__);
    return Count(handle, &Document::objects);
}

HXHOST_EXPORT HXObjHandle __cdecl HXDoc_GetObject(HXDocHandle handle, int index) {
    NoteCall(__func__);
    return reinterpret_cast<HXObjHandle>(Entry(handle, &Document::objects, index));
}

HXHOST_EXPORT int __cdecl HXDoc_GetMaterialCount(HXDocHandle handle) {
    NoteCall(__func__);
    return Count(handle, &Document::materials);
}

HXHOST_EXPORT HXMatHandle __cdecl HXDoc_GetMaterial(HXDocHandle handle, int index) {
    NoteCall(__func__);
    return reinterpret_cast<HXMatHandle>(Entry(handle, &Document::materials, index));
}

// One table answers texture, alpha and bump look-ups alike. The caller's buffer holds 1024 characters;
// a path that would not fit is not found rather than cut.
HXHOST_EXPORT BOOL __cdecl HXDoc_FindMappingFile(HXDocHandle handle, char* out, const char* name, int kind) {
    NoteCall(__func__);
    Document* doc = DocOf(handle);
    if (!doc || !out || !name || kind < 1 || kind > 3) return FALSE;
    auto it = doc->mapping.find(name);
    if (it == doc->mapping.end() || it->second.size() >= 1024) return FALSE;
    CopyText(out, 1024, it->second);
    return TRUE;
}

HXHOST_EXPORT HXSceneHandle __cdecl HXDoc_GetScene(HXDocHandle handle, int index) {
    NoteCall(__func__);
    Document* doc = DocOf(handle);
    return doc && index == 0 ? reinterpret_cast<HXSceneHandle>(&doc->scene) : nullptr;
}

HXHOST_EXPORT void __cdecl HXScene_GetProjMatrix(HXSceneHandle handle, float* out) {
    NoteCall(__func__);
    Scene* scene = SceneOf(handle);
    if (scene && out) std::copy(scene->proj.begin(), scene->proj.end(), out);
}

HXHOST_EXPORT void __cdecl HXScene_GetViewMatrix(HXSceneHandle handle, float* out) {
    NoteCall(__func__);
    Scene* scene = SceneOf(handle);
    if (scene && out) std::copy(scene->view.begin(), scene->view.end(), out);
}
