// The Material page's optical values of the current material record: indices of refraction, specular
// reflectance and axis.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgfvec.h"

class RENDPYL_MTL;

class DLP_RENDPYLMTLBASE3 : public DLP_PAGE {
  public:
    DLP_RENDPYLMTLBASE3();

    // Null without the containing page, the owner or its document.
    RENDPYL_MTL* GetCurMtl() const;

    void SetDlgData();
    void GetDlgData();

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    UDLGFVEC2 m_ior;
    UDLGFVEC3 m_reflecIor;
    UDLGFVEC3 m_specFlec;
    UDLGFVEC3 m_axis;
};
