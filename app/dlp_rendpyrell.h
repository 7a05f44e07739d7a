// The property pane: the left-hand part of the main window, a scrolling tab table whose pages edit the
// main window's settings and the render settings of the open document.
#pragma once
#include "app/dlp_page.h"
#include "app/dlp_rendpylcamera.h"
#include "app/dlp_rendpylcomm.h"
#include "app/dlp_rendpyllight.h"
#include "app/dlp_rendpylmtl.h"
#include "app/dlp_rendpylrend.h"
#include "ui/utabtbl.h"

class DLP_RENDPYRELL {
  public:
    DLP_RENDPYRELL();
    virtual ~DLP_RENDPYRELL();
    DLP_RENDPYRELL(const DLP_RENDPYRELL&) = delete;
    DLP_RENDPYRELL& operator=(const DLP_RENDPYRELL&) = delete;

    // Creates the tab table in parent and the five pages; 1, or 0 when any of them fails.
    int Create(DLMAIN* owner, HWND parent, const URECT& rect);
    int IsCreated() const { return m_created; }
    void Show(int showCmd);
    void Move(const URECT& rect, BOOL repaint);
    void Resize();

    // Model to controls and back, on every page.
    void SetDlgDataAll();
    void GetDlgDataAll();
    // Refills the pages' lists from the model.
    void ResetAll();
    void UpdateAll();
    // Re-reads the host view into the Camera page.
    void UpdateCamera();
    void Nop() {}
    int NopOk() { return 1; }

    UTABTBL& GetTabTable() { return m_tabs; }
    DLP_RENDPYLCOMM& GetCommPage() { return m_comm; }
    DLP_RENDPYLREND& GetRendPage() { return m_rend; }
    DLP_RENDPYLLIGHT& GetLightPage() { return m_light; }
    DLP_RENDPYLCAMERA& GetCameraPage() { return m_camera; }
    DLP_RENDPYLMTL& GetMtlPage() { return m_mtl; }

  private:
    DLMAIN* m_owner = nullptr;
    int m_created = 0;
    UTABTBL m_tabs;
    DLP_RENDPYLCOMM m_comm;
    DLP_RENDPYLREND m_rend;
    DLP_RENDPYLCAMERA m_camera;
    DLP_RENDPYLLIGHT m_light;
    DLP_RENDPYLMTL m_mtl;
};
