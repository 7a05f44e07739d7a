#include "app/dlp_rendpylmtlbase3.h"
#include "app/dlmain.h"
#include "res/page_mtlids.h"
#include "res/pageids.h"
#include "scene/celsdoc.h"

DLP_RENDPYLMTLBASE3::DLP_RENDPYLMTLBASE3() : DLP_PAGE(IDD_PAGE_MTLBASE3) {}

RENDPYL_MTL* DLP_RENDPYLMTLBASE3::GetCurMtl() const {
    if (!m_container || !m_owner || !m_owner->GetDoc()) return nullptr;
    return m_owner->GetDoc()->GetCurMtl();
}

void DLP_RENDPYLMTLBASE3::OnInitDialog(HWND dialog) {
    m_ior.Attach(dialog, IDC_MTLB3_IOR_X, IDC_MTLB3_IOR_Y);
    m_reflecIor.Attach(dialog, IDC_MTLB3_REFLECIOR_X, IDC_MTLB3_REFLECIOR_Y, IDC_MTLB3_REFLECIOR_Z);
    m_specFlec.Attach(dialog, IDC_MTLB3_SPECFLEC_X, IDC_MTLB3_SPECFLEC_Y, IDC_MTLB3_SPECFLEC_Z);
    m_axis.Attach(dialog, IDC_MTLB3_AXIS_X, IDC_MTLB3_AXIS_Y, IDC_MTLB3_AXIS_Z);
    m_axis.SetStep(0.01f);
}

void DLP_RENDPYLMTLBASE3::SetDlgData() {
    RENDPYL_MTL* mtl = GetCurMtl();
    if (!mtl) return;
    FILLING filling(*this);
    m_ior.SetValue(mtl->ior.value);
    m_reflecIor.SetValue(mtl->reflection_ior.value);
    m_specFlec.SetValue(mtl->specularre_flectance.value);
    m_axis.SetValue(mtl->axis.value);
}

void DLP_RENDPYLMTLBASE3::GetDlgData() {
    RENDPYL_MTL* mtl = GetCurMtl();
    if (!mtl) return;
    mtl->ior.value = m_ior.GetValue();
    mtl->reflection_ior.value = m_reflecIor.GetValue();
    mtl->specularre_flectance.value = m_specFlec.GetValue();
    mtl->axis.value = m_axis.GetValue(); // an axis is stored as typed, not normalised
}

void DLP_RENDPYLMTLBASE3::OnCommand(int id) {
    if (id < IDC_MTLB3_REFLECIOR_X || id > IDC_MTLB3_AXIS_Z) return;
    if (AnyChanged(m_ior, m_reflecIor, m_specFlec, m_axis)) GetDlgData();
}
