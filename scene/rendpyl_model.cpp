// The settings model: its lists of lights and material records and their lookups.
#include "scene/rendpyl_model.h"

#include <cstring>

namespace {

template <class L> L* AddOwned(PTRLIST<L>& list, RENDPYL_MODEL* owner) {
    L* item = list.Add();
    if (item) item->owner = owner;
    return item;
}

template <class L> L* FindByName(const PTRLIST<L>& list, const char* name) {
    for (int i = 0; i < list.GetCount(); ++i) {
        L* item = list.Get(i);
        if (item && std::strcmp(item->name, name) == 0) return item;
    }
    return nullptr;
}

// Deletes the item when the list holds it and closes the gap.
template <class L> void DeletePacked(PTRLIST<L>& list, L* item) {
    int i = list.IndexOf(item);
    if (i < 0 || !item) return;
    list.DeleteAt(i);
    list.Pack();
}

} // namespace

RENDPYL_MODEL::RENDPYL_MODEL() {
    render.owner = this;
    camera.owner = this;
    lightsky.owner = this;
}

RENDPYL_MODEL::~RENDPYL_MODEL() {
    mtls.DeleteAll();
    pointlights.DeleteAll();
    dirlights.DeleteAll();
}

RENDPYL_LIGHTDIR* RENDPYL_MODEL::AddDirLight() {
    return AddOwned(dirlights, this);
}
RENDPYL_LIGHTDIR* RENDPYL_MODEL::FindDirLight(const char* name) const {
    return FindByName(dirlights, name);
}
void RENDPYL_MODEL::DeleteDirLight(RENDPYL_LIGHTDIR* light) {
    DeletePacked(dirlights, light);
}

RENDPYL_LIGHTPOINT* RENDPYL_MODEL::AddPointLight() {
    return AddOwned(pointlights, this);
}
RENDPYL_LIGHTPOINT* RENDPYL_MODEL::FindPointLight(const char* name) const {
    return FindByName(pointlights, name);
}
void RENDPYL_MODEL::DeletePointLight(RENDPYL_LIGHTPOINT* light) {
    DeletePacked(pointlights, light);
}

RENDPYL_MTL* RENDPYL_MODEL::AddMtl() {
    return AddOwned(mtls, this);
}

RENDPYL_MTL* RENDPYL_MODEL::FindMtlByName(const char* name) const {
    for (int i = 0; i < mtls.GetCount(); ++i) {
        RENDPYL_MTL* mtl = mtls.Get(i);
        HXMat host = mtl ? mtl->GetHostMtl() : nullptr;
        if (!host) continue;
        char hostName[RENDPYL_TEXTSIZE] = {};
        host.GetName(hostName, RENDPYL_TEXTSIZE);
        hostName[RENDPYL_TEXTSIZE - 1] = '\0';
        if (std::strcmp(hostName, name) == 0) return mtl;
    }
    return nullptr;
}

// Host identifiers are unique, so the record with the material's ID is the one whose host material it
// is; one host call instead of a walk of the host's materials per record.
RENDPYL_MTL* RENDPYL_MODEL::FindMtlByHost(HXMat hostMaterial) const {
    if (!hostMaterial) return nullptr;
    RENDPYL_MTL* mtl = FindMtlById(hostMaterial.GetUniqueID());
    return mtl && doc ? mtl : nullptr;
}

RENDPYL_MTL* RENDPYL_MODEL::FindMtlById(int id) const {
    for (int i = 0; i < mtls.GetCount(); ++i) {
        RENDPYL_MTL* mtl = mtls.Get(i);
        if (mtl && mtl->ID == id) return mtl;
    }
    return nullptr;
}

int RENDPYL_MODEL::SyncHostMtls() {
    if (!doc) return 0;
    int added = 0;
    int count = doc.GetMaterialCount();
    for (int i = 0; i < count; ++i) {
        HXMat host = doc.GetMaterial(i);
        if (!host) continue;
        int id = host.GetUniqueID();
        if (FindMtlById(id)) continue;
        if (RENDPYL_MTL* mtl = AddMtl()) {
            mtl->ID = id;
            ++added;
        }
    }
    return added;
}

HXMat FindHostMtlById(HXDoc doc, int id) {
    if (!doc) return nullptr;
    int count = doc.GetMaterialCount();
    for (int i = 0; i < count; ++i) {
        HXMat host = doc.GetMaterial(i);
        if (host && host.GetUniqueID() == id) return host;
    }
    return nullptr;
}
