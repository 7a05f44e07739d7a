// The sky sub-page of the Light page: colour, colour scale and image of the model's one sky light.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgcol.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class RENDPYL_LIGHTSKY;

class DLP_RENDPYLLIGHTSKY : public DLP_PAGE {
  public:
    DLP_RENDPYLLIGHTSKY();

    // The sky record of the open document's model, or null.
    RENDPYL_LIGHTSKY* GetSky() const;
    void Reset() { SetDlgData(); }
    void SetDlgData();
    void GetDlgData();

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    UDLGCOL m_col;
    UDLGFLOAT m_scale;
    UDLGTEXT m_image;
};
