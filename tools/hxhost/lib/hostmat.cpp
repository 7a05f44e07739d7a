// Material reads.
#include "tools/hxhost/lib/hostexport.h"

using namespace hxhost;

namespace {
// The value key under which the plug-in asks for a material's unique ID.
constexpr int kUniqueIdKey = 259;

float MaterialFloat(HXMatHandle handle, float Material::*field) {
    Material* material = MaterialOf(handle);
    return material ? material->*field : 0.0f;
}

void MaterialText(HXMatHandle handle, std::string Material::*field, char* out, int size) {
    Material* material = MaterialOf(handle);
    CopyText(out, size, material ? material->*field : std::string());
}
} // namespace

HXHOST_EXPORT int __cdecl HXMat_GetIntValue(HXMatHandle handle, int key) {
    NoteCall(__func__);
    Material* material = MaterialOf(handle);
    return material && key == kUniqueIdKey ? material->uid : 0;
}

HXHOST_EXPORT void __cdecl HXMat_GetName(HXMatHandle handle, char* out, int size) {
    NoteCall(__func__);
    MaterialText(handle, &Material::name, out, size);
}

HXHOST_EXPORT void __cdecl HXMat_GetColor(HXMatHandle handle, HXCOLOR* out) {
    NoteCall(__func__);
    Material* material = MaterialOf(handle);
    if (material && out) *out = HXCOLOR{material->color[0], material->color[1], material->color[2]};
}

HXHOST_EXPORT float __cdecl HXMat_GetAlpha(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::alpha);
}

HXHOST_EXPORT float __cdecl HXMat_GetDiffuse(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::diffuse);
}

HXHOST_EXPORT float __cdecl HXMat_GetAmbient(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::ambient);
}

HXHOST_EXPORT float __cdecl HXMat_GetEmission(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::emission);
}

HXHOST_EXPORT float __cdecl HXMat_GetSpecular(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::specular);
}

HXHOST_EXPORT float __cdecl HXMat_GetPower(HXMatHandle handle) {
    NoteCall(__func__);
    return MaterialFloat(handle, &Material::power);
}

HXHOST_EXPORT void __cdecl HXMat_GetTextureName(HXMatHandle handle, char* out, int size) {
    NoteCall(__func__);
    MaterialText(handle, &Material::texture, out, size);
}

HXHOST_EXPORT void __cdecl HXMat_GetAlphaName(HXMatHandle handle, char* out, int size) {
    NoteCall(__func__);
    MaterialText(handle, &Material::alphaMap, out, size);
}

HXHOST_EXPORT void __cdecl HXMat_GetBumpName(HXMatHandle handle, char* out, int size) {
    NoteCall(__func__);
    MaterialText(handle, &Material::bump, out, size);
}
