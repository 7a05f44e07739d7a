#include "app/dlp_rendpylrend.h"
#include "app/dlmain.h"
#include "res/page_rendids.h"
#include "res/pageids.h"
#include "scene/rendpyl_model.h"

namespace {
const int kMinSize = 1, kMaxSize = 4096;

// The number and text fields, which report every commit whether or not the text changed.
bool IsEditField(int id) {
    return id == IDC_REND_WIDTH || id == IDC_REND_HEIGHT || id == IDC_REND_ANISOTROPY ||
           id == IDC_REND_BACKFILE || (id >= IDC_REND_HEXTINCTION_X && id <= IDC_REND_SIZE_Z);
}
} // namespace

DLP_RENDPYLREND::DLP_RENDPYLREND() : DLP_PAGE(IDD_PAGE_REND) {}

void DLP_RENDPYLREND::OnInitDialog(HWND dialog) {
    m_width.Attach(dialog, IDC_REND_WIDTH);
    m_width.SetRange(kMinSize, kMaxSize);
    m_height.Attach(dialog, IDC_REND_HEIGHT);
    m_height.SetRange(kMinSize, kMaxSize);
    m_backcol.AttachWhite(dialog, IDC_REND_BACKCOL);
    AttachText(m_backFile, dialog, IDC_REND_BACKFILE, RENDPYL_TEXTSIZE);
    m_useBack.Attach(dialog, IDC_REND_USEBACK);
    m_anisotropy.Attach(dialog, IDC_REND_ANISOTROPY);
    m_hExtinction.Attach(dialog, IDC_REND_HEXTINCTION_X, IDC_REND_HEXTINCTION_Y, IDC_REND_HEXTINCTION_Z);
    m_hAlbedo.Attach(dialog, IDC_REND_HALBEDO_X, IDC_REND_HALBEDO_Y, IDC_REND_HALBEDO_Z);
    m_extinction.Attach(dialog, IDC_REND_EXTINCTION_X, IDC_REND_EXTINCTION_Y, IDC_REND_EXTINCTION_Z);
    m_albedo.Attach(dialog, IDC_REND_ALBEDO_X, IDC_REND_ALBEDO_Y, IDC_REND_ALBEDO_Z);
    m_origin.Attach(dialog, IDC_REND_ORIGIN_X, IDC_REND_ORIGIN_Y, IDC_REND_ORIGIN_Z);
    m_size.Attach(dialog, IDC_REND_SIZE_X, IDC_REND_SIZE_Y, IDC_REND_SIZE_Z);
}

RENDPYL_RENDER* DLP_RENDPYLREND::GetRenderer() const {
    RENDPYL_MODEL* model = GetModel();
    return model ? model->GetRender() : nullptr;
}

void DLP_RENDPYLREND::SetDlgData() {
    RENDPYL_RENDER* render = GetRenderer();
    if (!render) return;
    FILLING filling(*this);
    m_width.SetValue(render->width);
    m_height.SetValue(render->height);
    m_backcol.SetColor(render->backcol);
    m_backFile.Printf("%s", render->GetBackFilename());
    m_useBack.SetCheck(render->use_back_flg.value ? BST_CHECKED : BST_UNCHECKED);
    m_anisotropy.SetValue(render->anisotropy.value);
    m_hExtinction.SetValue(render->homogeneousextinction.value);
    m_hAlbedo.SetValue(render->homogeneousalbedo.value);
    m_extinction.SetValue(render->extinction.value);
    m_albedo.SetValue(render->albedo.value);
    m_origin.SetValue(render->origin.value);
    m_size.SetValue(render->size.value);
}

void DLP_RENDPYLREND::GetDlgData() {
    RENDPYL_RENDER* render = GetRenderer();
    if (!render) return;
    render->width = m_width.ReadValue();
    render->height = m_height.ReadValue();
    render->backcol = m_backcol.GetColor();
    char text[RENDPYL_TEXTSIZE] = "";
    m_backFile.GetText(text, sizeof text);
    render->SetBackFilename(text);
    render->use_back_flg.value = m_useBack.GetCheck() == BST_CHECKED;
    render->anisotropy.value = m_anisotropy.ReadValue();
    render->homogeneousextinction.value = m_hExtinction.GetValue();
    render->homogeneousalbedo.value = m_hAlbedo.GetValue();
    render->extinction.value = m_extinction.GetValue();
    render->albedo.value = m_albedo.GetValue();
    render->origin.value = m_origin.GetValue();
    render->size.value = m_size.GetValue();
}

void DLP_RENDPYLREND::OnCommand(int id) {
    if (!GetRenderer()) return;
    switch (id) {
    case IDC_REND_APPLYSIZE:
        ApplyWindowSize();
        break;
    case IDC_REND_BACKFILE_BROWSE:
        BrowseBackFile();
        break;
    case IDC_REND_BACKCOL:
    case IDC_REND_USEBACK:
        GetDlgData();
        break;
    default:
        if (IsEditField(id) && AnyChanged(m_width, m_height, m_anisotropy, m_hExtinction, m_hAlbedo,
                                          m_extinction, m_albedo, m_origin, m_size, m_backFile))
            GetDlgData();
    }
}

void DLP_RENDPYLREND::ApplyWindowSize() {
    RENDPYL_RENDER* render = GetRenderer();
    if (!render) return;
    m_owner->GetViewSize(&render->width, &render->height);
    SetDlgData();
}

void DLP_RENDPYLREND::BrowseBackFile() {
    BrowseRecordFile([this] { return GetRenderer(); }, &RENDPYL_RENDER::GetBackFilename,
                     &RENDPYL_RENDER::SetBackFilename, m_backFile);
}
