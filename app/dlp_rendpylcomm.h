// The Common page: where the renderer and the work folder are, the view's zoom and fit, the start-image
// and preview switches, and the buttons that render and save the rendered image. Its record is the main
// window itself, so it works with or without a document.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgcheck.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class DLP_RENDPYLCOMM : public DLP_PAGE {
  public:
    DLP_RENDPYLCOMM();

    // Main window to controls, and back.
    void SetDlgData();
    void GetDlgData();
    void Reset() {}

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    void ChoosePyrell();
    void ChooseTmpPath();
    void SaveImage();

    UDLGTEXT m_pyrell;
    UDLGTEXT m_tmpPath;
    UDLGFLOAT m_scale;
    UDLGCHECK m_fit;
    UDLGCHECK m_startImage;
    UDLGCHECK m_preview;
};
