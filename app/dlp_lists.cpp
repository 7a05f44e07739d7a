#include "app/dlp_lists.h"
#include "scene/rendpyl_model.h"

namespace {

using Counter = int (RENDPYL_MODEL::*)() const;
template <class Record> using Getter = Record* (RENDPYL_MODEL::*)(int) const;

const char* ItemText(const RENDPYL_LIGHTDIR& light, char*) {
    return light.GetName();
}

const char* ItemText(const RENDPYL_LIGHTPOINT& light, char*) {
    return light.GetName();
}

const char* ItemText(const RENDPYL_MTL& mtl, char* buffer) {
    mtl.GetName(buffer);
    return buffer;
}

template <class Items, class Record>
void Fill(Items* list, const RENDPYL_MODEL* model, Counter count, Getter<Record> get) {
    if (!list) return;
    list->Clear();
    if (!model) return;
    char name[256];
    for (int i = 0, n = (model->*count)(); i < n; ++i)
        if (Record* record = (model->*get)(i))
            list->AddStringData(ItemText(*record, name), reinterpret_cast<DWORD_PTR>(record));
    list->SetSelect(0);
}

template <class Record, class Items> Record* Selected(Items* list) {
    return list ? reinterpret_cast<Record*>(list->GetSelectData()) : nullptr;
}

template <class Items> void Select(Items* list, const void* record) {
    if (list && record) list->SetSelectData(reinterpret_cast<DWORD_PTR>(record));
}

} // namespace

void SetDirLightList(UDLGLIST* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetDirLightNum, &RENDPYL_MODEL::GetDirLight);
}
RENDPYL_LIGHTDIR* GetDirLightList(UDLGLIST* list) {
    return Selected<RENDPYL_LIGHTDIR>(list);
}
void SelectDirLightList(UDLGLIST* list, const RENDPYL_LIGHTDIR* light) {
    Select(list, light);
}

void SetPointLightList(UDLGLIST* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetPointLightNum, &RENDPYL_MODEL::GetPointLight);
}
RENDPYL_LIGHTPOINT* GetPointLightList(UDLGLIST* list) {
    return Selected<RENDPYL_LIGHTPOINT>(list);
}
void SelectPointLightList(UDLGLIST* list, const RENDPYL_LIGHTPOINT* light) {
    Select(list, light);
}

void SetMtlList(UDLGLIST* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetMtlNum, &RENDPYL_MODEL::GetMtl);
}
RENDPYL_MTL* GetMtlList(UDLGLIST* list) {
    return Selected<RENDPYL_MTL>(list);
}
void SelectMtlList(UDLGLIST* list, const RENDPYL_MTL* mtl) {
    Select(list, mtl);
}

void SetDirLightList(UDLGCBOX* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetDirLightNum, &RENDPYL_MODEL::GetDirLight);
}
RENDPYL_LIGHTDIR* GetDirLightList(UDLGCBOX* list) {
    return Selected<RENDPYL_LIGHTDIR>(list);
}
void SelectDirLightList(UDLGCBOX* list, const RENDPYL_LIGHTDIR* light) {
    Select(list, light);
}

void SetPointLightList(UDLGCBOX* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetPointLightNum, &RENDPYL_MODEL::GetPointLight);
}
RENDPYL_LIGHTPOINT* GetPointLightList(UDLGCBOX* list) {
    return Selected<RENDPYL_LIGHTPOINT>(list);
}
void SelectPointLightList(UDLGCBOX* list, const RENDPYL_LIGHTPOINT* light) {
    Select(list, light);
}
