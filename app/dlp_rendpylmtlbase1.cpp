#include "app/dlp_rendpylmtlbase1.h"
#include <cstdio>
#include "app/dlmain.h"
#include "res/page_mtlids.h"
#include "res/pageids.h"
#include "scene/celsdoc.h"

namespace {

// The map takes the whole file name its field shows.
void StoreFile(const UDLGTEXT& field, RENDPYL_MTLMAP* map) {
    char name[RENDPYL_TEXTSIZE];
    field.GetText(name, sizeof name);
    map->SetFilename(name);
}

} // namespace

DLP_RENDPYLMTLBASE1::DLP_RENDPYLMTLBASE1() : DLP_PAGE(IDD_PAGE_MTLBASE1) {}

RENDPYL_MTL* DLP_RENDPYLMTLBASE1::GetCurMtl() const {
    if (!m_container || !m_owner || !m_owner->GetDoc()) return nullptr;
    return m_owner->GetDoc()->GetCurMtl();
}

void DLP_RENDPYLMTLBASE1::OnInitDialog(HWND dialog) {
    m_diffuseTex.Attach(dialog, IDC_MTLB1_DIFFUSE_TEX);
    m_diffuseCol.AttachWhite(dialog, IDC_MTLB1_DIFFUSE_COL);
    m_diffuseCol.Enable(0); // the host owns the diffuse colour
    m_diffuseScale.Attach(dialog, IDC_MTLB1_DIFFUSE_SCALE);
    m_diffuseScale.SetStep(0.01f);
    AttachText(m_specularFile, dialog, IDC_MTLB1_SPECULAR_FILE, RENDPYL_TEXTSIZE);
    m_specularCol.AttachWhite(dialog, IDC_MTLB1_SPECULAR_COL);
    AttachText(m_emissionFile, dialog, IDC_MTLB1_EMISSION_FILE, RENDPYL_TEXTSIZE);
    m_emissionCol.AttachWhite(dialog, IDC_MTLB1_EMISSION_COL);
    m_reflectionUse.Attach(dialog, IDC_MTLB1_REFLECTION_USE);
    AttachText(m_reflectionFile, dialog, IDC_MTLB1_REFLECTION_FILE, RENDPYL_TEXTSIZE);
    m_reflectionCol.AttachWhite(dialog, IDC_MTLB1_REFLECTION_COL);
    m_reflectionScale.Attach(dialog, IDC_MTLB1_REFLECTION_SCALE);
    m_reflectionScale.SetStep(0.01f);
    m_transparencyTex.Attach(dialog, IDC_MTLB1_TRANSPARENCY_TEX);
    m_transparencyCol.AttachWhite(dialog, IDC_MTLB1_TRANSPARENCY_COL);
    m_normalTex.Attach(dialog, IDC_MTLB1_NORMAL_TEX);
    m_heightMap.Attach(dialog, IDC_MTLB1_HEIGHTMAP);
}

void DLP_RENDPYLMTLBASE1::SetDlgData() {
    RENDPYL_MTL* mtl = GetCurMtl();
    if (!mtl) return;
    FILLING filling(*this);
    ShowHostMtl(mtl->GetHostMtl());
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_DIFFUSE)) m_diffuseScale.SetValue(map->scale);
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_SPECULAR)) {
        m_specularCol.SetColor(map->col);
        m_specularFile.Printf("%s", map->GetFilename());
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_EMISSION)) {
        m_emissionCol.SetColor(map->col);
        m_emissionFile.Printf("%s", map->GetFilename());
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_REFLECTION)) {
        m_reflectionCol.SetColor(map->col);
        m_reflectionUse.SetCheck(map->use ? BST_CHECKED : BST_UNCHECKED);
        m_reflectionScale.SetValue(map->scale);
        m_reflectionFile.Printf("%s", map->GetFilename());
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_TRANSPARENCY)) m_transparencyCol.SetColor(map->col);
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_NORMAL))
        m_heightMap.SetCheck(map->bmp_type ? BST_CHECKED : BST_UNCHECKED);
}

void DLP_RENDPYLMTLBASE1::ShowHostMtl(HXMat host) {
    // A record whose host material is gone still shows its own maps; only the host's part stays empty.
    char name[RENDPYL_TEXTSIZE] = "";
    HXCOLOR c = host ? host.GetColor() : HXCOLOR{1, 1, 1};
    m_diffuseCol.SetColor(RGBCOLOR(FVEC3(c.r, c.g, c.b))); // clamped: a host value above 1 must not wrap
    if (host) host.GetTextureName(name, sizeof name);
    m_diffuseTex.Printf("%s", name);
    if (host) host.GetAlphaName(name, sizeof name);
    m_transparencyTex.Printf("%s", name);
    if (host) host.GetBumpName(name, sizeof name);
    m_normalTex.Printf("%s", name);
}

void DLP_RENDPYLMTLBASE1::GetDlgData() {
    RENDPYL_MTL* mtl = GetCurMtl();
    if (!mtl) return;
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_DIFFUSE)) map->scale = m_diffuseScale.ReadValue();
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_SPECULAR)) {
        map->col = m_specularCol.GetColor();
        StoreFile(m_specularFile, map);
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_EMISSION)) {
        map->col = m_emissionCol.GetColor();
        StoreFile(m_emissionFile, map);
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_REFLECTION)) {
        map->col = m_reflectionCol.GetColor();
        map->use = m_reflectionUse.GetCheck() == BST_CHECKED;
        map->scale = m_reflectionScale.ReadValue();
        StoreFile(m_reflectionFile, map);
    }
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_TRANSPARENCY)) map->col = m_transparencyCol.GetColor();
    if (RENDPYL_MTLMAP* map = mtl->FindMap(RENDPYL_MAP_NORMAL))
        map->bmp_type = m_heightMap.GetCheck() == BST_CHECKED;
}

void DLP_RENDPYLMTLBASE1::OnCommand(int id) {
    switch (id) {
    case IDC_MTLB1_DIFFUSE_SCALE:
    case IDC_MTLB1_REFLECTION_SCALE:
        if (AnyChanged(m_diffuseScale, m_reflectionScale)) GetDlgData();
        break;
    case IDC_MTLB1_SPECULAR_COL:
    case IDC_MTLB1_EMISSION_COL:
    case IDC_MTLB1_REFLECTION_COL:
    case IDC_MTLB1_TRANSPARENCY_COL:
    case IDC_MTLB1_REFLECTION_USE:
    case IDC_MTLB1_HEIGHTMAP:
        GetDlgData();
        break;
    case IDC_MTLB1_SPECULAR_FILE:
        CommitFile(m_specularFile, &DLP_RENDPYLMTLBASE1::SetSpecularFile);
        break;
    case IDC_MTLB1_EMISSION_FILE:
        CommitFile(m_emissionFile, &DLP_RENDPYLMTLBASE1::SetEmissionFile);
        break;
    case IDC_MTLB1_REFLECTION_FILE:
        CommitFile(m_reflectionFile, &DLP_RENDPYLMTLBASE1::SetReflectionFile);
        break;
    case IDC_MTLB1_SPECULAR_BROWSE:
        BrowseMapFile(GetSpecularFile(), &DLP_RENDPYLMTLBASE1::SetSpecularFile);
        break;
    case IDC_MTLB1_EMISSION_BROWSE:
        BrowseMapFile(GetEmissionFile(), &DLP_RENDPYLMTLBASE1::SetEmissionFile);
        break;
    case IDC_MTLB1_REFLECTION_BROWSE:
        BrowseMapFile(GetReflectionFile(), &DLP_RENDPYLMTLBASE1::SetReflectionFile);
        break;
    }
}

int DLP_RENDPYLMTLBASE1::BrowseFile(char* buffer) {
    return m_owner ? m_owner->LoadFileDialog(m_hwnd, buffer) : 0;
}

void DLP_RENDPYLMTLBASE1::SetMapFile(int type, const char* name) {
    RENDPYL_MTL* mtl = GetCurMtl();
    RENDPYL_MTLMAP* map = mtl ? mtl->FindMap(type) : nullptr;
    if (map) map->SetFilename(name);
}

const char* DLP_RENDPYLMTLBASE1::GetMapFile(int type) const {
    RENDPYL_MTL* mtl = GetCurMtl();
    RENDPYL_MTLMAP* map = mtl ? mtl->FindMap(type) : nullptr;
    return map ? map->GetFilename() : nullptr;
}

void DLP_RENDPYLMTLBASE1::SetSpecularFile(const char* name) {
    SetFile(m_specularFile, RENDPYL_MAP_SPECULAR, name);
}

void DLP_RENDPYLMTLBASE1::SetEmissionFile(const char* name) {
    SetFile(m_emissionFile, RENDPYL_MAP_EMISSION, name);
}

void DLP_RENDPYLMTLBASE1::SetReflectionFile(const char* name) {
    SetFile(m_reflectionFile, RENDPYL_MAP_REFLECTION, name);
}

const char* DLP_RENDPYLMTLBASE1::GetSpecularFile() const {
    return GetMapFile(RENDPYL_MAP_SPECULAR);
}

const char* DLP_RENDPYLMTLBASE1::GetEmissionFile() const {
    return GetMapFile(RENDPYL_MAP_EMISSION);
}

const char* DLP_RENDPYLMTLBASE1::GetReflectionFile() const {
    return GetMapFile(RENDPYL_MAP_REFLECTION);
}

void DLP_RENDPYLMTLBASE1::SetFile(UDLGTEXT& field, int type, const char* name) {
    SetMapFile(type, name);
    // Shown only once stored: without a record or map the field keeps what the page showed.
    if (const char* stored = GetMapFile(type)) field.Printf("%s", stored);
}

void DLP_RENDPYLMTLBASE1::CommitFile(UDLGTEXT& field, FileSetter set) {
    if (!field.GetChanged()) return;
    char name[RENDPYL_TEXTSIZE];
    field.GetText(name, sizeof name);
    (this->*set)(name);
}

void DLP_RENDPYLMTLBASE1::BrowseMapFile(const char* current, FileSetter set) {
    if (!current) return;
    char path[RENDPYL_TEXTSIZE];
    std::snprintf(path, sizeof path, "%s", current);
    // The setter finds the current record's map again after the modal dialog.
    if (BrowseFile(path)) (this->*set)(path);
}
