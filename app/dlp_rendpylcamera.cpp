#include "app/dlp_rendpylcamera.h"
#include "app/dlmain.h"
#include "base/numfmt.h"
#include "res/page_camids.h"
#include "res/pageids.h"
#include "scene/rendpyl_model.h"

DLP_RENDPYLCAMERA::DLP_RENDPYLCAMERA() : DLP_PAGE(IDD_PAGE_CAMERA) {}

RENDPYL_CAMERA* DLP_RENDPYLCAMERA::GetCamera() const {
    RENDPYL_MODEL* model = GetModel();
    return model ? model->GetCamera() : nullptr;
}

void DLP_RENDPYLCAMERA::OnInitDialog(HWND dialog) {
    m_filmSize.Attach(dialog, IDC_CAM_FILMSIZE);
    m_focalRatio.Attach(dialog, IDC_CAM_FOCALRATIO);
    m_distortion.Attach(dialog, IDC_CAM_DISTORTION);
    m_useFocalRatio.Attach(dialog, IDC_CAM_USEFOCALRATIO);
    m_bokeh.Attach(dialog, IDC_CAM_BOKEH_X, IDC_CAM_BOKEH_Y, IDC_CAM_BOKEH_Z);
    AttachText(m_bokehFile, dialog, IDC_CAM_BOKEHFILE, RENDPYL_TEXTSIZE);
    m_lensTilt.Attach(dialog, IDC_CAM_LENSTILT_X, IDC_CAM_LENSTILT_Y);
    m_filmTilt.Attach(dialog, IDC_CAM_FILMTILT_X, IDC_CAM_FILMTILT_Y);
    m_oblique.Attach(dialog, IDC_CAM_OBLIQUE_X, IDC_CAM_OBLIQUE_Y);
}

void DLP_RENDPYLCAMERA::SetDlgData() {
    RENDPYL_CAMERA* camera = GetCamera();
    if (!camera) return;
    FILLING filling(*this);
    m_bokehFile.Printf("%s", camera->GetBokehFilename());
    m_filmSize.SetValue(camera->film_size.value * 1000.0f);
    m_useFocalRatio.SetCheck(camera->use_focalratio.value ? BST_CHECKED : BST_UNCHECKED);
    m_focalRatio.SetValue(camera->focalratio.value);
    m_bokeh.SetValue(camera->bokeh.value);
    m_distortion.SetValue(camera->distortion.value);
    m_lensTilt.SetValue(camera->lenstilt.value);
    m_filmTilt.SetValue(camera->filmtilt.value);
    m_oblique.SetValue(camera->oblique.value);

    camera->SetFromHostView();
    SetDlgItemFVec3(m_hwnd, IDC_CAM_POS_X, IDC_CAM_POS_Y, IDC_CAM_POS_Z, camera->GetPos());
    SetDlgItemFVec3(m_hwnd, IDC_CAM_LOOKAT_X, IDC_CAM_LOOKAT_Y, IDC_CAM_LOOKAT_Z, camera->GetLookat());
    SetDlgItemFVec3(m_hwnd, IDC_CAM_UP_X, IDC_CAM_UP_Y, IDC_CAM_UP_Z, camera->GetUp());
    SetDlgItemFloat(m_hwnd, IDC_CAM_FOV, camera->GetFov());
}

void DLP_RENDPYLCAMERA::GetDlgData() {
    RENDPYL_CAMERA* camera = GetCamera();
    if (!camera) return;
    char text[RENDPYL_TEXTSIZE];
    m_bokehFile.GetText(text, sizeof text);
    camera->SetBokehFilename(text);
    camera->film_size.value = m_filmSize.ReadValue() / 1000.0f;
    camera->use_focalratio.value = m_useFocalRatio.GetCheck() == BST_CHECKED;
    camera->focalratio.value = m_focalRatio.ReadValue();
    camera->distortion.value = m_distortion.ReadValue();
    camera->bokeh.value = m_bokeh.GetValue();
    camera->lenstilt.value = m_lensTilt.GetValue();
    camera->filmtilt.value = m_filmTilt.GetValue();
    camera->oblique.value = m_oblique.GetValue();
}

void DLP_RENDPYLCAMERA::OnCommand(int id) {
    if (!GetCamera()) return;
    switch (id) {
    case IDC_CAM_USEFOCALRATIO:
        GetDlgData();
        break;
    case IDC_CAM_BOKEHFILE_BROWSE:
        ChooseBokehFile();
        break;
    case IDC_CAM_REDRAW:
        SetDlgData();
        break;
    case IDC_CAM_FILMSIZE:
    case IDC_CAM_FOCALRATIO:
    case IDC_CAM_BOKEH_X:
    case IDC_CAM_BOKEH_Y:
    case IDC_CAM_BOKEH_Z:
    case IDC_CAM_BOKEHFILE:
    case IDC_CAM_DISTORTION:
    case IDC_CAM_LENSTILT_X:
    case IDC_CAM_LENSTILT_Y:
    case IDC_CAM_FILMTILT_X:
    case IDC_CAM_FILMTILT_Y:
    case IDC_CAM_OBLIQUE_X:
    case IDC_CAM_OBLIQUE_Y:
        if (AnyChanged(m_filmSize, m_focalRatio, m_bokeh, m_bokehFile, m_distortion, m_lensTilt, m_filmTilt,
                       m_oblique))
            GetDlgData();
        break;
    }
}

void DLP_RENDPYLCAMERA::ChooseBokehFile() {
    BrowseRecordFile([this] { return GetCamera(); }, &RENDPYL_CAMERA::GetBokehFilename,
                     &RENDPYL_CAMERA::SetBokehFilename, m_bokehFile);
}

void DLP_RENDPYLCAMERA::SetDlgItemFloat(HWND dialog, int id, float value) {
    // As every other number is shown, whatever locale the process has set.
    char text[NUMFMT_MAX];
    FormatFloat(text, value, 2);
    SetDlgItemTextA(dialog, id, text);
}

void DLP_RENDPYLCAMERA::SetDlgItemFVec3(HWND dialog, int idX, int idY, int idZ, const FVEC3& value) {
    SetDlgItemFloat(dialog, idX, value.x);
    SetDlgItemFloat(dialog, idY, value.y);
    SetDlgItemFloat(dialog, idZ, value.z);
}
