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

template <class Items> void SetDirLightList(Items* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetDirLightNum, &RENDPYL_MODEL::GetDirLight);
}
template <class Items> RENDPYL_LIGHTDIR* GetDirLightList(Items* list) {
    return Selected<RENDPYL_LIGHTDIR>(list);
}
template <class Items> void SelectDirLightList(Items* list, const RENDPYL_LIGHTDIR* light) {
    Select(list, light);
}

template <class Items> void SetPointLightList(Items* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetPointLightNum, &RENDPYL_MODEL::GetPointLight);
}
template <class Items> RENDPYL_LIGHTPOINT* GetPointLightList(Items* list) {
    return Selected<RENDPYL_LIGHTPOINT>(list);
}
template <class Items> void SelectPointLightList(Items* list, const RENDPYL_LIGHTPOINT* light) {
    Select(list, light);
}

#define HX_LIGHT_LISTS(Items)                                                                                \
    template void SetDirLightList(Items*, const RENDPYL_MODEL*);                                             \
    template RENDPYL_LIGHTDIR* GetDirLightList(Items*);                                                      \
    template void SelectDirLightList(Items*, const RENDPYL_LIGHTDIR*);                                       \
    template void SetPointLightList(Items*, const RENDPYL_MODEL*);                                           \
    template RENDPYL_LIGHTPOINT* GetPointLightList(Items*);                                                  \
    template void SelectPointLightList(Items*, const RENDPYL_LIGHTPOINT*);
HX_LIGHT_LISTS(UDLGLIST)
HX_LIGHT_LISTS(UDLGCBOX)
#undef HX_LIGHT_LISTS

void SetMtlList(UDLGLIST* list, const RENDPYL_MODEL* model) {
    Fill(list, model, &RENDPYL_MODEL::GetMtlNum, &RENDPYL_MODEL::GetMtl);
}
RENDPYL_MTL* GetMtlList(UDLGLIST* list) {
    return Selected<RENDPYL_MTL>(list);
}
void SelectMtlList(UDLGLIST* list, const RENDPYL_MTL* mtl) {
    Select(list, mtl);
}
