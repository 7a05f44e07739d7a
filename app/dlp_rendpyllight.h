// The Light page: a tab table of its own with the sky, directional-light and point-light sub-pages.
#pragma once
#include "app/dlp_page.h"
#include "app/dlp_rendpyllightdir.h"
#include "app/dlp_rendpyllightpoint.h"
#include "app/dlp_rendpyllightsky.h"
#include "ui/utabtbl.h"

class DLP_RENDPYLLIGHT : public DLP_PAGE {
  public:
    DLP_RENDPYLLIGHT();
    ~DLP_RENDPYLLIGHT() override;

    // Refills both light lists from the model and shows every sub-page again.
    void ResetLists();
    void SetDlgData();
    void GetDlgData();

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    UTABTBL& GetTabTable() { return m_tabs; }
    DLP_RENDPYLLIGHTSKY& GetSkyPage() { return m_sky; }
    DLP_RENDPYLLIGHTDIR& GetDirPage() { return m_dir; }
    DLP_RENDPYLLIGHTPOINT& GetPointPage() { return m_point; }

  private:
    // Creates and adds the sub-pages; false when one of them cannot be created.
    bool CreateSubPages(HWND dialog);

    UTABTBL m_tabs;
    DLP_RENDPYLLIGHTSKY m_sky;
    DLP_RENDPYLLIGHTDIR m_dir;
    DLP_RENDPYLLIGHTPOINT m_point;
};
