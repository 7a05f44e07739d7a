#include "scene/celsdoc.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

// The lowest n for which no light of the list is named "Light%d".
template <class L> int NewLightNo(const PTRLIST<L>& list) {
    for (int n = 0;; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "Light%d", n);
        bool used = false;
        for (int i = 0; i < list.GetCount() && !used; ++i) {
            const L* light = list.Get(i);
            used = light && std::strcmp(light->name, name) == 0;
        }
        if (!used) return n;
    }
}

template <class L> L* AddNamedLight(RENDPYL_MODEL* model, PTRLIST<L>& list, L* (RENDPYL_MODEL::*add)()) {
    int n = NewLightNo(list);
    L* light = (model->*add)();
    if (!light) return nullptr;
    light->SetDefault();
    char name[32];
    std::snprintf(name, sizeof name, "Light%d", n);
    light->SetName(name);
    return light;
}

// Deletes the light and returns the one that becomes current: the one before it, else the first.
template <class L>
L* DeleteLight(RENDPYL_MODEL* model, PTRLIST<L>& list, L* light, void (RENDPYL_MODEL::*del)(L*)) {
    int k = list.IndexOf(light);
    (model->*del)(light);
    return list.Get(std::max(k - 1, 0));
}

} // namespace

CELSDOC::CELSDOC() = default;

CELSDOC::~CELSDOC() {
    DeleteScene();
}

void CELSDOC::Init(DLMAIN* mainWindow, EDITDLGMESS* messageWindow) {
    m_main = mainWindow;
    m_mess = messageWindow;
}

RENDPYL_MODEL* CELSDOC::NewScene() {
    m_curDirLight = nullptr;
    m_curPointLight = nullptr;
    m_curMtl = nullptr;
    return new (std::nothrow) RENDPYL_MODEL;
}

void CELSDOC::DeleteScene() {
    if (!m_model) return;
    delete m_model;
    m_model = nullptr;
    m_curDirLight = nullptr;
    m_curPointLight = nullptr;
    m_curMtl = nullptr;
}

int CELSDOC::ResetCur() {
    if (!m_model) return 0;
    m_curDirLight = m_model->GetDirLight(0);
    m_curPointLight = m_model->GetPointLight(0);
    m_curMtl = m_model->GetMtl(0);
    return 1;
}

int CELSDOC::GetMtlNum() const {
    return m_model ? m_model->GetMtlNum() : 0;
}

RENDPYL_MTL* CELSDOC::GetCurMtl() const {
    return m_model && m_model->GetMtlNum() > 0 ? m_curMtl : nullptr;
}

void CELSDOC::SetCurMtl(RENDPYL_MTL* mtl) {
    // A record of another model, or none, would leave the pages pointing at memory this model does not own.
    if (m_model && mtl && m_model->GetMtlIndex(mtl) >= 0) m_curMtl = mtl;
}

int CELSDOC::GetDirLightNum() const {
    return m_model ? m_model->GetDirLightNum() : 0;
}

RENDPYL_LIGHTDIR* CELSDOC::GetDirLight(int i) const {
    return m_model ? m_model->GetDirLight(i) : nullptr;
}

void CELSDOC::DeleteAllDirLights() {
    if (!m_model) return;
    m_model->DeleteAllDirLights();
    m_curDirLight = nullptr;
}

RENDPYL_LIGHTDIR* CELSDOC::GetCurDirLight() const {
    return m_model && m_model->GetDirLightNum() > 0 ? m_curDirLight : nullptr;
}

void CELSDOC::SetCurDirLight(RENDPYL_LIGHTDIR* light) {
    // As for materials: only a light of this model may become current.
    if (m_model && light && m_model->GetDirLightIndex(light) >= 0) m_curDirLight = light;
}

int CELSDOC::IsCurDirLight(const RENDPYL_LIGHTDIR* light) const {
    return m_model && light && GetCurDirLight() == light ? 1 : 0;
}

RENDPYL_LIGHTDIR* CELSDOC::AddDirLight(const FVEC3* dir) {
    if (!m_model) return nullptr;
    RENDPYL_LIGHTDIR* light = AddNamedLight(m_model, m_model->dirlights, &RENDPYL_MODEL::AddDirLight);
    if (light && dir) light->SetDir(*dir);
    return light;
}

RENDPYL_LIGHTDIR* CELSDOC::DeleteDirLight(RENDPYL_LIGHTDIR* light) {
    if (!m_model) return nullptr;
    m_curDirLight = DeleteLight(m_model, m_model->dirlights, light, &RENDPYL_MODEL::DeleteDirLight);
    return m_curDirLight;
}

int CELSDOC::GetNewDirLightNo() const {
    return m_model ? NewLightNo(m_model->dirlights) : 0;
}

int CELSDOC::GetPointLightNum() const {
    return m_model ? m_model->GetPointLightNum() : 0;
}

RENDPYL_LIGHTPOINT* CELSDOC::GetPointLight(int i) const {
    return m_model ? m_model->GetPointLight(i) : nullptr;
}

void CELSDOC::DeleteAllPointLights() {
    if (!m_model) return;
    m_model->DeleteAllPointLights();
    m_curPointLight = nullptr;
}

RENDPYL_LIGHTPOINT* CELSDOC::GetCurPointLight() const {
    return m_model && m_model->GetPointLightNum() > 0 ? m_curPointLight : nullptr;
}

void CELSDOC::SetCurPointLight(RENDPYL_LIGHTPOINT* light) {
    if (m_model && light && m_model->GetPointLightIndex(light) >= 0) m_curPointLight = light;
}

int CELSDOC::IsCurPointLight(const RENDPYL_LIGHTPOINT* light) const {
    return m_model && light && GetCurPointLight() == light ? 1 : 0;
}

RENDPYL_LIGHTPOINT* CELSDOC::AddPointLight(const FVEC3* pos) {
    if (!m_model) return nullptr;
    RENDPYL_LIGHTPOINT* light = AddNamedLight(m_model, m_model->pointlights, &RENDPYL_MODEL::AddPointLight);
    if (light && pos) light->SetPos(*pos);
    return light;
}

RENDPYL_LIGHTPOINT* CELSDOC::DeletePointLight(RENDPYL_LIGHTPOINT* light) {
    if (!m_model) return nullptr;
    m_curPointLight = DeleteLight(m_model, m_model->pointlights, light, &RENDPYL_MODEL::DeletePointLight);
    return m_curPointLight;
}

int CELSDOC::GetNewPointLightNo() const {
    return m_model ? NewLightNo(m_model->pointlights) : 0;
}

void CELSDOC::GetRenderSize(int& width, int& height) const {
    if (!m_model) return;
    width = m_model->GetRender()->width;
    height = m_model->GetRender()->height;
}

void CELSDOC::SetRenderSize(int width, int height) {
    if (!m_model) return;
    m_model->GetRender()->width = width;
    m_model->GetRender()->height = height;
}

int CELSDOC::ReadUndo(FOUT*) {
    return 1;
}

int CELSDOC::WriteUndo(FOUT*, int) {
    return 1;
}
