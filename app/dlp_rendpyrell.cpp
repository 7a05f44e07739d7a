#include "app/dlp_rendpyrell.h"
#include "app/dlmain.h"
#include "res/pageids.h"
#include "ui/winutil.h"

DLP_RENDPYRELL::DLP_RENDPYRELL() : m_light(IDD_PAGE_LIGHT) {}

DLP_RENDPYRELL::~DLP_RENDPYRELL() {
    // The page windows go while their objects still exist.
    HWND tab = m_tabs.GetHwnd();
    if (tab && IsWindow(tab)) DestroyWindow(tab);
}

int DLP_RENDPYRELL::Create(DLMAIN* owner, HWND parent, const URECT& rect) {
    m_owner = owner;
    if (!m_tabs.Create(parent, &rect, 1)) return 0;
    ShowWindow(m_tabs.GetHwnd(), SW_SHOWNORMAL);
    owner->GetTabList().Add(&m_tabs);

    DLP_PAGE* created[] = {&m_comm, &m_rend, &m_camera, &m_light, &m_mtl};
    for (DLP_PAGE* page : created)
        page->SetPane(this);
    RECT shown = GetTabDisplayRect(m_tabs.GetHwnd());
    URECT display{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top};
    for (DLP_PAGE* page : created)
        if (!page->Create(owner, m_tabs.GetHwnd(), display)) return 0;

    // The strip's order differs from the order of creation.
    struct {
        const char* label;
        DLP_PAGE* page;
    } strip[] = {
        {"Comm", &m_comm}, {"Light", &m_light}, {"Mtl", &m_mtl}, {"Rend", &m_rend}, {"Cam", &m_camera}};
    for (auto& tab : strip)
        m_tabs.AddPageWindow(tab.label, tab.page->GetHwnd(), UWIN::DialogProc);
    m_tabs.SelectTab(0);
    m_created = 1;
    SetDlgDataAll();
    m_tabs.Layout();
    return 1;
}

void DLP_RENDPYRELL::Show(int showCmd) {
    if (m_tabs.GetHwnd()) ShowWindow(m_tabs.GetHwnd(), showCmd);
}

void DLP_RENDPYRELL::Move(const URECT& rect, BOOL repaint) {
    m_tabs.Move(rect, repaint);
}

void DLP_RENDPYRELL::Resize() {
    m_tabs.Layout();
}

void DLP_RENDPYRELL::SetDlgDataAll() {
    m_comm.SetDlgData();
    m_rend.SetDlgData();
    m_camera.SetDlgData();
    m_mtl.Refresh();
}

void DLP_RENDPYRELL::GetDlgDataAll() {
    m_comm.GetDlgData();
    m_rend.GetDlgData();
    m_camera.GetDlgData();
    m_mtl.GetDlgData();
}

void DLP_RENDPYRELL::ResetAll() {
    m_comm.Reset();
    m_rend.Reset();
    m_camera.Reset();
    m_mtl.Reset();
}

void DLP_RENDPYRELL::UpdateCamera() {
    m_camera.SetDlgData();
}

void DLP_RENDPYRELL::UpdateAll() {
    ResetAll();
    SetDlgDataAll();
}
