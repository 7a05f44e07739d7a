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

HXHOST_EXPORT void __cdecl HXMat_GetColor(HXMatHandle handle, HXCOLOR* out) {
    NoteCall(__func__);
    Material* material = MaterialOf(handle);
    if (material && out) *out = HXCOLOR{material->color[0], material->color[1], material->color[2]};
}

// Plain reads of one field each.
#define HXHOST_MATERIAL_FLOAT(name, field)                                                                   \
    HXHOST_EXPORT float __cdecl name(HXMatHandle handle) {                                                   \
        NoteCall(#name);                                                                                     \
        return MaterialFloat(handle, &Material::field);                                                      \
    }
#define HXHOST_MATERIAL_TEXT(name, field)                                                                    \
    HXHOST_EXPORT void __cdecl name(HXMatHandle handle, char* out, int size) {                               \
        NoteCall(#name);                                                                                     \
        MaterialText(handle, &Material::field, out, size);                                                   \
    }

HXHOST_MATERIAL_FLOAT(HXMat_GetAlpha, alpha)
HXHOST_MATERIAL_FLOAT(HXMat_GetDiffuse, diffuse)
HXHOST_MATERIAL_FLOAT(HXMat_GetAmbient, ambient)
HXHOST_MATERIAL_FLOAT(HXMat_GetEmission, emission)
HXHOST_MATERIAL_FLOAT(HXMat_GetSpecular, specular)
HXHOST_MATERIAL_FLOAT(HXMat_GetPower, power)
HXHOST_MATERIAL_TEXT(HXMat_GetName, name)
HXHOST_MATERIAL_TEXT(HXMat_GetTextureName, texture)
HXHOST_MATERIAL_TEXT(HXMat_GetAlphaName, alphaMap)
HXHOST_MATERIAL_TEXT(HXMat_GetBumpName, bump)
