#include "scene/hxo_model.h"

#include <cstdio>
#include <cstring>

void HXO_MATERIAL::Init() {
    name[0] = 0;
    text2[0] = 0;
    flags = 0;
    col = FVEC4(1, 1, 1, 1);
    int2 = 0;
    dif = 1.0f;
    amb = 0.25f;
    spc = 0.0f;
    power = 5.0f;
    emi = 0.0f; // printed for every material, so it needs a defined start
    int3 = 0;
    vectors[0] = FVEC3(0, 0, 0);
    vectors[1] = FVEC3(1, 1, 1);
    vectors[2] = FVEC3(0, 0, 0);
    tex[0] = 0;
    bump[0] = 0;
    aplane[0] = 0;
}

void HXO_MATERIAL::SetName(const char* text) {
    SetTextField(name, text);
    SetBit(7, 1);
}

HXO_MODEL::HXO_MODEL() = default;

HXO_MODEL::~HXO_MODEL() {
    DeleteAux();
}

HXO_OBJ* HXO_MODEL::AddObject() {
    HXO_OBJ* obj = objects.Add();
    if (obj) obj->SetOwner(this);
    return obj;
}

HXO_BONE* HXO_MODEL::AddBone() {
    HXO_BONE* bone = bones.Add();
    if (bone) bone->SetOwner(this);
    return bone;
}

HXO_AUXREC* HXO_MODEL::CreateAux() {
    DeleteAux();
    aux = new HXO_AUXREC;
    return aux;
}

void HXO_MODEL::DeleteAux() {
    delete aux;
    aux = nullptr;
}

namespace {

template <class LIST> int IsUniqueName(const LIST& list, const char* name) {
    for (int i = 0; i < list.GetCount(); ++i) {
        auto* item = list.Get(i);
        if (item && std::strcmp(item->GetName(), name) == 0) return 0;
    }
    return 1;
}

// base, else base followed by "%03d" of 2, 3, ...; the base is cut so the number always fits.
template <class LIST> int MakeUniqueName(const LIST& list, char* out, const char* base) {
    CopyTextCut(out, HXO_NAME_LEN, base);
    for (int n = 2; !IsUniqueName(list, out); ++n) {
        char number[16];
        int digits = std::snprintf(number, sizeof number, "%03d", n);
        CopyTextCut(out, HXO_NAME_LEN - digits, base);
        std::strcat(out, number);
    }
    return 1;
}

} // namespace

int HXO_MODEL::IsUniqueMaterialName(const char* name) const {
    return IsUniqueName(materials, name);
}
int HXO_MODEL::IsUniqueObjectName(const char* name) const {
    return IsUniqueName(objects, name);
}
int HXO_MODEL::MakeUniqueMaterialName(char* out, const char* base) const {
    return MakeUniqueName(materials, out, base);
}
int HXO_MODEL::MakeUniqueObjectName(char* out, const char* base) const {
    return MakeUniqueName(objects, out, base);
}

void HXO_MODEL::UpdateCount() {
    face_total = vertex_total = triangle_total = 0;
    for (int i = 0; i < objects.GetCount(); ++i) {
        HXO_OBJ* obj = objects[i];
        obj->UpdateTriangleCount();
        vertex_total += obj->GetVertexCount();
        face_total += obj->GetFaceCount();
        triangle_total += obj->GetTriangleCount();
    }
}

void HXO_MODEL::RemoveDegenerateFaces() {
    for (int i = 0; i < objects.GetCount(); ++i)
        objects[i]->RemoveDegenerateFaces();
}
void HXO_MODEL::NormalizeUVs() {
    for (int i = 0; i < objects.GetCount(); ++i)
        objects[i]->NormalizeUVs();
}
void HXO_MODEL::ScaleVertices(float factor) {
    for (int i = 0; i < objects.GetCount(); ++i)
        objects[i]->ScaleVertices(factor);
}
