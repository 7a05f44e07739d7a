#include "app/dlp_rendpyllightdir.h"
#include "res/page_lightids.h"

void DLP_RENDPYLLIGHTDIR::OnInitDialog(HWND dialog) {
    DLP_RENDPYLLIGHTLIST::OnInitDialog(dialog);
    m_sphere.Attach(dialog, IDC_LIGHTDIR_SPHERE);
    m_invert.Attach(dialog, IDC_LIGHTDIR_INVERT);
    m_camtrace.Attach(dialog, IDC_LIGHTDIR_CAMTRACE);
}

FVEC3 DLP_RENDPYLLIGHTDIR::GetVector(const RENDPYL_LIGHTDIR& light) const {
    return Direction(light);
}

void DLP_RENDPYLLIGHTDIR::StoreVector(RENDPYL_LIGHTDIR& light, const FVEC3& v) {
    Direction(light) = FVEC3(v).Normalize();
}

void DLP_RENDPYLLIGHTDIR::ShowMore(RENDPYL_LIGHTDIR& light) {
    m_sphere.SetColor(light.col.value);
    m_sphere.SetDirection(Direction(light));
    m_camtrace.SetCheck(light.camtrace ? BST_CHECKED : BST_UNCHECKED);
}

void DLP_RENDPYLLIGHTDIR::ClearMore() {
    m_sphere.SetColor(FVEC3(1, 1, 1));
    m_sphere.SetDirection(FVEC3(0, 0, 1));
    m_camtrace.SetCheck(BST_UNCHECKED);
    m_invert.SetCheck(BST_UNCHECKED);
}

void DLP_RENDPYLLIGHTDIR::EnableMore(BOOL enabled) {
    m_camtrace.Enable(enabled);
    m_invert.Enable(enabled);
    if (m_sphere.GetHwnd()) EnableWindow(m_sphere.GetHwnd(), enabled);
}

void DLP_RENDPYLLIGHTDIR::OnCommand(int id) {
    switch (id) {
    case IDC_LIGHTDIR_SPHERE:
        OnSphere();
        break;
    case IDC_LIGHTDIR_CAMTRACE:
        OnFollowCamera();
        break;
    case IDC_LIGHTDIR_INVERT:
        OnInvert();
        break;
    default:
        DLP_RENDPYLLIGHTLIST::OnCommand(id);
    }
}

void DLP_RENDPYLLIGHTDIR::OnFollowCamera() {
    RENDPYL_LIGHTDIR* light = GetCurLight();
    if (!light) return;
    light->camtrace = m_camtrace.GetCheck() == BST_CHECKED ? 1 : 0;
    SetDlgData();
}

void DLP_RENDPYLLIGHTDIR::OnInvert() {
    RENDPYL_LIGHTDIR* light = GetCurLight();
    if (!light) return;
    m_sphere.SetBack(m_invert.GetCheck() == BST_CHECKED);
    FVEC3& v = Direction(*light);
    v.z = -v.z;
    m_vector.SetValue(v);
    m_sphere.SetDirection(v);
}

void DLP_RENDPYLLIGHTDIR::OnSphere() {
    RENDPYL_LIGHTDIR* light = GetCurLight();
    if (!light) return;
    FVEC3& v = Direction(*light);
    v = FVEC3(m_sphere.GetDirection()).Normalize();
    m_vector.SetValue(v);
}
