#include "app/dlp_mtlcbox.h"
#include "scene/rendpyl_model.h"

void DLP_MTLCBOX::AddMaterial(RENDPYL_MTL* mtl) {
    if (!mtl) return;
    char name[256];
    mtl->GetName(name);
    AddStringData(name, reinterpret_cast<DWORD_PTR>(mtl));
}

void DLP_MTLCBOX::SetList(RENDPYL_MODEL* model, int withNone) {
    Clear();
    if (!model) return;
    m_model = model;
    m_withNone = withNone;
    if (withNone) AddStringData("なし", 0);
    for (int i = 0; i < model->GetMtlNum(); ++i)
        AddMaterial(model->GetMtl(i));
    SetSelect(0);
}

void DLP_MTLCBOX::SetMtl(const RENDPYL_MTL* mtl) {
    if (!m_model) return;
    if (!m_withNone) {
        if (mtl) SetSelect(m_model->GetMtlIndex(mtl));
        return;
    }
    SetSelect(mtl ? m_model->GetMtlIndex(mtl) + 1 : 0);
}

RENDPYL_MTL* DLP_MTLCBOX::GetMtl() {
    if (!m_model) return nullptr;
    int i = GetSelect();
    if (m_withNone) --i;
    return i < 0 ? nullptr : m_model->GetMtl(i);
}
