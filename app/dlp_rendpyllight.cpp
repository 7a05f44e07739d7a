#include "app/dlp_rendpyllight.h"
#include <commctrl.h>
#include "res/page_lightids.h"
#include "res/pageids.h"
#include "ui/winutil.h"

DLP_RENDPYLLIGHT::DLP_RENDPYLLIGHT() : DLP_PAGE(IDD_PAGE_LIGHT) {}

DLP_RENDPYLLIGHT::~DLP_RENDPYLLIGHT() {
    // The sub-page windows go while their objects still exist.
    HWND tab = m_tabs.GetHwnd();
    if (tab && IsWindow(tab)) DestroyWindow(tab);
}

bool DLP_RENDPYLLIGHT::CreateSubPages(HWND dialog) {
    DLP_PAGE* pages[] = {&m_sky, &m_dir, &m_point};
    for (DLP_PAGE* page : pages)
        page->SetContainer(this);
    HWND tab = GetDlgItem(dialog, IDC_LIGHT_TAB);
    if (!tab) return false;
    RECT shown = GetTabDisplayRect(tab);
    URECT display{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top};
    for (DLP_PAGE* page : pages)
        if (!page->Create(m_owner, tab, display)) return false;
    m_tabs.AttachDlgItem(dialog, IDC_LIGHT_TAB);
    const char* labels[] = {"スカイ", "平行光源", "点光源"};
    for (int i = 0; i < 3; ++i)
        m_tabs.AddPageWindow(labels[i], pages[i]->GetHwnd(), UWIN::DialogProc);
    m_tabs.SelectTab(0);
    return true;
}

LRESULT DLP_RENDPYLLIGHT::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return CreateSubPages(hwnd) ? 1 : 0;
    case WM_NOTIFY:
        m_tabs.OnNotify(lParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    }
    return DLP_PAGE::WndProc(hwnd, msg, wParam, lParam);
}

void DLP_RENDPYLLIGHT::ResetLists() {
    m_sky.Reset();
    m_dir.SetList();
    m_point.SetList();
}

void DLP_RENDPYLLIGHT::SetDlgData() {
    m_sky.SetDlgData();
    m_dir.SetDlgData();
    m_point.SetDlgData();
}

void DLP_RENDPYLLIGHT::GetDlgData() {
    m_sky.GetDlgData();
    m_dir.GetDlgData();
    m_point.GetDlgData();
}
