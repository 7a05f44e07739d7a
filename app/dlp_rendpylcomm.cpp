#include "app/dlp_rendpylcomm.h"
#include <cstdio>
#include "app/dlmain.h"
#include "res/pageids.h"
#include "ui/filedlg.h"

namespace {

void CopyPath(char* to, const char* from) {
    std::snprintf(to, DLMAIN::PATHSIZE, "%s", from);
}

} // namespace

DLP_RENDPYLCOMM::DLP_RENDPYLCOMM() : DLP_PAGE(IDD_PAGE_COMM) {}

void DLP_RENDPYLCOMM::OnInitDialog(HWND dialog) {
    AttachText(m_pyrell, dialog, IDC_COMM_PYRELL, DLMAIN::PATHSIZE);
    AttachText(m_tmpPath, dialog, IDC_COMM_TMPPATH, DLMAIN::PATHSIZE);
    m_scale.Attach(dialog, IDC_COMM_SCALE);
    m_scale.SetRange(0.1f, 10.0f);
    m_scale.SetStep(0.1f);
    m_fit.Attach(dialog, IDC_COMM_FIT);
    m_startImage.Attach(dialog, IDC_COMM_STARTIMAGE);
    m_preview.Attach(dialog, IDC_COMM_PREVIEW);
}

void DLP_RENDPYLCOMM::SetDlgData() {
    if (!m_owner) return;
    FILLING filling(*this);
    m_pyrell.Printf("%s", m_owner->GetPyrellPath());
    m_tmpPath.Printf("%s", m_owner->GetTmpPath());
    m_scale.SetValue(m_owner->GetViewScale());
    m_fit.SetCheck(m_owner->GetViewFit() ? BST_CHECKED : BST_UNCHECKED);
    m_startImage.SetCheck(m_owner->GetStartImage() ? BST_CHECKED : BST_UNCHECKED);
    m_preview.SetCheck(m_owner->GetPreview() ? BST_CHECKED : BST_UNCHECKED);
}

void DLP_RENDPYLCOMM::GetDlgData() {
    if (!m_owner) return;
    m_pyrell.GetText(m_owner->GetPyrellPath(), DLMAIN::PATHSIZE);
    m_tmpPath.GetText(m_owner->GetTmpPath(), DLMAIN::PATHSIZE);
    m_owner->SetViewScale(m_scale.ReadValue());
    m_owner->SetViewFit(m_fit.GetCheck() == BST_CHECKED);
    m_owner->SetStartImage(m_startImage.GetCheck() == BST_CHECKED);
    m_owner->SetPreview(m_preview.GetCheck() == BST_CHECKED);
}

void DLP_RENDPYLCOMM::OnCommand(int id) {
    if (!m_owner) return;
    switch (id) {
    case IDC_COMM_PYRELL:
    case IDC_COMM_TMPPATH:
        if (AnyChanged(m_pyrell, m_tmpPath)) GetDlgData();
        break;
    case IDC_COMM_PYRELL_BROWSE:
        ChoosePyrell();
        break;
    case IDC_COMM_TMPPATH_BROWSE:
        ChooseTmpPath();
        break;
    case IDC_COMM_SCALE:
        if (!m_scale.GetChanged()) break;
        GetDlgData();
        m_owner->InvalidateView();
        break;
    case IDC_COMM_FIT:
        GetDlgData();
        m_owner->InvalidateView();
        break;
    case IDC_COMM_STARTIMAGE:
    case IDC_COMM_PREVIEW:
        GetDlgData();
        break;
    case IDC_COMM_RENDER:
        m_owner->Render();
        break;
    case IDC_COMM_SAVEIMAGE:
        SaveImage();
        break;
    }
}

void DLP_RENDPYLCOMM::ChoosePyrell() {
    char path[DLMAIN::PATHSIZE];
    CopyPath(path, m_owner->GetPyrellPath());
    const char* const exts[] = {"exe", nullptr};
    if (!OpenFileDialog(m_hwnd, path, "Ashmoor.exe(060518)", "*.exe\0*.exe\0", 1, exts)) return;
    CopyPath(m_owner->GetPyrellPath(), path);
    m_pyrell.Printf("%s", path);
}

void DLP_RENDPYLCOMM::ChooseTmpPath() {
    char path[DLMAIN::PATHSIZE];
    CopyPath(path, m_owner->GetTmpPath());
    if (!BrowseFolder(m_hwnd, path, "Tmp Path")) return;
    CopyPath(m_owner->GetTmpPath(), path);
    m_tmpPath.Printf("%s", path);
}

void DLP_RENDPYLCOMM::SaveImage() {
    char path[DLMAIN::PATHSIZE];
    CopyPath(path, m_owner->GetRenderImageFilename());
    const char* const exts[] = {"bmp", nullptr};
    if (!SaveFileDialog(m_hwnd, path, "SaveImage", "*.bmp\0*.bmp\0", 1, exts)) return;
    CopyPath(m_owner->GetRenderImageFilename(), path);
    m_owner->SaveImage();
}
