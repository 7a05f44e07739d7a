#include "app/dlp_rendpyllightsky.h"
#include "app/dlp_lightfields.h"
#include "res/page_lightids.h"
#include "res/pageids.h"
#include "scene/rendpyl_model.h"

DLP_RENDPYLLIGHTSKY::DLP_RENDPYLLIGHTSKY() : DLP_PAGE(IDD_PAGE_LIGHTSKY) {}

void DLP_RENDPYLLIGHTSKY::OnInitDialog(HWND dialog) {
    m_col.AttachWhite(dialog, IDC_LIGHTSKY_COL);
    m_scale.Attach(dialog, IDC_LIGHTSKY_SCALE);
    m_scale.SetStep(0.01f);
    AttachText(m_image, dialog, IDC_LIGHTSKY_IMAGE, RENDPYL_TEXTSIZE);
}

RENDPYL_LIGHTSKY* DLP_RENDPYLLIGHTSKY::GetSky() const {
    RENDPYL_MODEL* model = GetModel();
    return model ? model->GetLightSky() : nullptr;
}

void DLP_RENDPYLLIGHTSKY::SetDlgData() {
    RENDPYL_LIGHTSKY* sky = GetSky();
    if (!sky) return;
    FILLING filling(*this);
    m_col.SetColor(ShownColor(sky->col.value));
    m_scale.SetValue(sky->scale.value);
    m_image.Printf("%s", sky->GetFilename());
}

void DLP_RENDPYLLIGHTSKY::GetDlgData() {
    RENDPYL_LIGHTSKY* sky = GetSky();
    if (!sky) return;
    sky->col.value = StoredColor(m_col.GetColor(), sky->col.value);
    sky->scale.value = m_scale.ReadValue();
    char text[RENDPYL_TEXTSIZE] = "";
    m_image.GetText(text, sizeof text);
    sky->SetFilename(text);
}

void DLP_RENDPYLLIGHTSKY::OnCommand(int id) {
    switch (id) {
    case IDC_LIGHTSKY_COL:
        GetDlgData();
        break;
    case IDC_LIGHTSKY_SCALE:
        if (m_scale.GetChanged()) GetDlgData();
        break;
    case IDC_LIGHTSKY_IMAGE:
        if (m_image.GetChanged()) GetDlgData();
        break;
    case IDC_LIGHTSKY_BROWSE:
        BrowseRecordFile([this] { return GetSky(); }, &RENDPYL_LIGHTSKY::GetFilename,
                         &RENDPYL_LIGHTSKY::SetFilename, m_image);
        break;
    }
}
