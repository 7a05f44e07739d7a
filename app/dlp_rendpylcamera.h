// The Camera page: the lens of the camera record, and the camera of the host's current view shown
// read-only; the render takes that view from the host when it converts the scene.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgcheck.h"
#include "ui/udlgfvec.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class RENDPYL_CAMERA;

class DLP_RENDPYLCAMERA : public DLP_PAGE {
  public:
    DLP_RENDPYLCAMERA();

    // The camera record of the open document's model, or null.
    RENDPYL_CAMERA* GetCamera() const;
    // Record to controls, with the host view read afresh; and controls to record.
    void SetDlgData();
    void GetDlgData();
    void Reset() {}

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    static void SetDlgItemFloat(HWND dialog, int id, float value);
    static void SetDlgItemFVec3(HWND dialog, int idX, int idY, int idZ, const FVEC3& value);
    void ChooseBokehFile();

    UDLGFLOAT m_filmSize; // millimetres: the record holds metres
    UDLGCHECK m_useFocalRatio;
    UDLGFLOAT m_focalRatio;
    UDLGFVEC3 m_bokeh;
    UDLGTEXT m_bokehFile;
    UDLGFLOAT m_distortion;
    UDLGFVEC2 m_lensTilt;
    UDLGFVEC2 m_filmTilt;
    UDLGFVEC2 m_oblique;
};
