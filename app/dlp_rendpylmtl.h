// The Material page: the model's material records in a list named by their host materials, a preview
// sphere of the current one with its name, and a tab table with the maps and the optical values of the
// current record.
#pragma once
#include "app/dlp_mtlimage.h"
#include "app/dlp_page.h"
#include "app/dlp_rendpylmtlbase1.h"
#include "app/dlp_rendpylmtlbase3.h"
#include "ui/udlglist.h"
#include "ui/utabtbl.h"

class DLP_RENDPYLMTL : public DLP_PAGE {
  public:
    DLP_RENDPYLMTL();

    // The document's current record; null without an owner.
    RENDPYL_MTL* GetCurMtl() const;
    // The selected list item's record; null without an owner, a model or a material record.
    RENDPYL_MTL* GetSelMtl();

    // Refills the list from the model and shows the current record.
    void Reset();
    // Record and host material to the preview, the name and the sub-pages.
    void Refresh();
    void GetDlgData();
    // The list, preview, name and sub-tabs show only while the model has material records.
    void ShowItems();

    DLP_MTLIMAGE& GetPreview() { return m_preview; }
    DLP_RENDPYLMTLBASE1& GetBase1() { return m_base1; }
    DLP_RENDPYLMTLBASE3& GetBase3() { return m_base3; }
    UTABTBL& GetTabTable() { return m_tabs; }

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // Binds the controls and builds the sub-pages; false when a sub-page cannot be created.
    bool InitDialog(HWND dialog);

    UDLGLIST m_list;
    DLP_MTLIMAGE m_preview;
    UTABTBL m_tabs;
    DLP_RENDPYLMTLBASE1 m_base1;
    DLP_RENDPYLMTLBASE3 m_base3;
};
