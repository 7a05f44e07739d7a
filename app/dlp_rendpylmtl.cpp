#include "app/dlp_rendpylmtl.h"
#include <commctrl.h>
#include "app/dlmain.h"
#include "app/dlp_lists.h"
#include "res/page_mtlids.h"
#include "res/pageids.h"
#include "scene/celsdoc.h"
#include "ui/winutil.h"

DLP_RENDPYLMTL::DLP_RENDPYLMTL() : DLP_PAGE(IDD_PAGE_MTL) {}

RENDPYL_MTL* DLP_RENDPYLMTL::GetCurMtl() const {
    if (!m_owner || !m_owner->GetDoc()) return nullptr;
    return m_owner->GetDoc()->GetCurMtl();
}

RENDPYL_MTL* DLP_RENDPYLMTL::GetSelMtl() {
    RENDPYL_MODEL* model = GetModel();
    if (!model || model->GetMtlNum() == 0) return nullptr;
    return GetMtlList(&m_list);
}

bool DLP_RENDPYLMTL::InitDialog(HWND dialog) {
    m_list.Attach(dialog, IDC_MTL_LIST);
    m_preview.Attach(dialog, IDC_MTL_IMAGE);
    m_base1.SetContainer(this);
    m_base3.SetContainer(this);
    HWND tab = GetDlgItem(dialog, IDC_MTL_TAB);
    RECT shown = GetTabDisplayRect(tab);
    URECT display{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top};
    if (!m_base1.Create(m_owner, tab, display) || !m_base3.Create(m_owner, tab, display)) return false;
    m_tabs.AttachDlgItem(dialog, IDC_MTL_TAB);
    m_tabs.AddPageWindow("Base1", m_base1.GetHwnd(), UWIN::DialogProc);
    m_tabs.AddPageWindow("Base3", m_base3.GetHwnd(), UWIN::DialogProc);
    m_tabs.SelectTab(0);
    return true;
}

LRESULT DLP_RENDPYLMTL::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return InitDialog(hwnd) ? 1 : 0;
    case WM_NOTIFY:
        m_tabs.OnNotify(lParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        ShowItems();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MTL_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
            if (m_owner && m_owner->GetDoc()) m_owner->GetDoc()->SetCurMtl(GetSelMtl());
            Refresh();
            return 1;
        }
        return 0;
    }
    return DLP_PAGE::WndProc(hwnd, msg, wParam, lParam);
}

void DLP_RENDPYLMTL::Reset() {
    ShowItems();
    RENDPYL_MODEL* model = GetModel();
    SetMtlList(&m_list, model);
    if (model) Refresh();
}

void DLP_RENDPYLMTL::Refresh() {
    if (!m_owner) return;
    FILLING filling(*this);
    m_preview.SetModel(GetModel());
    RENDPYL_MTL* mtl = GetCurMtl();
    m_preview.SetMtl(mtl);
    if (!mtl) return;
    char name[256];
    mtl->GetName(name);
    SetDlgItemTextA(m_hwnd, IDC_MTL_NAME, name);
    m_base1.SetDlgData();
    m_base3.SetDlgData();
}

void DLP_RENDPYLMTL::GetDlgData() {
    if (!GetCurMtl()) return;
    m_base1.GetDlgData();
    m_base3.GetDlgData();
}

void DLP_RENDPYLMTL::ShowItems() {
    RENDPYL_MODEL* model = GetModel();
    const int shown = m_owner && model && model->GetMtlNum() > 0 ? SW_SHOWNORMAL : SW_HIDE;
    for (int id : {IDC_MTL_TAB, IDC_MTL_LIST, IDC_MTL_IMAGE, IDC_MTL_NAME})
        ShowWindow(GetDlgItem(m_hwnd, id), shown);
}
