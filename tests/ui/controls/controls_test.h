// The shown test dialog of the control tests and what its owner heard.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "controls_res.h"

// One message the dialog received from its items.
struct HEARD {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// The dialog is made once for the whole run and left shown: hiding or destroying a shown window costs
// Wine seconds without a window manager.
class ControlsTest : public testing::Test {
  public:
    static HWND dlg;
    static std::vector<HEARD> heard;
    static void MakeDialog();

  protected:
    void SetUp() override;

    static HWND Item(int id) { return GetDlgItem(dlg, id); }
    // The WM_COMMAND messages a wrapper sent itself: no control handle, notification code 0.
    static int WrapperCommands(int id);
    static int Heard(UINT msg, WPARAM wParam);
    static COLORREF Pixel(HWND hwnd, int x, int y);

  private:
    static INT_PTR CALLBACK RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Delivers the posted messages that are waiting, as the host's plain message loop would.
void PumpMessages();
// A 16 x 16 icon of one opaque colour; the caller destroys it.
HICON SolidIcon(COLORREF colour);
