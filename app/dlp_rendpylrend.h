// The Render page: output size, background colour and image, and the medium values of the scene
// space, all of the renderer record of the open document's model.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgcheck.h"
#include "ui/udlgcol.h"
#include "ui/udlgfvec.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class RENDPYL_RENDER;

class DLP_RENDPYLREND : public DLP_PAGE {
  public:
    DLP_RENDPYLREND();

    // The renderer record, or null while there is no model.
    RENDPYL_RENDER* GetRenderer() const;
    // Record to controls, and back; nothing without a record.
    void SetDlgData();
    void GetDlgData();
    // Takes the render view's size as it is; the fields show it clamped.
    void ApplyWindowSize();
    void Reset() {}

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    void BrowseBackFile();

    UDLGINT m_width;
    UDLGINT m_height;
    UDLGCOL m_backcol;
    UDLGTEXT m_backFile;
    UDLGCHECK m_useBack;
    UDLGFLOAT m_anisotropy;
    UDLGFVEC3 m_hExtinction;
    UDLGFVEC3 m_hAlbedo;
    UDLGFVEC3 m_extinction;
    UDLGFVEC3 m_albedo;
    UDLGFVEC3 m_origin;
    UDLGFVEC3 m_size;
};
