// The one fixture of the toolkit tests: a fresh test dialog per case (hidden: hiding a shown top-level
// window costs Wine seconds without a window manager), one shown dialog made once for the cases that
// read pixels or need a visible owner, what both heard from their items, and on demand a private
// current-user registry key and a scratch folder, removed again when the case ends.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <tuple>
#include <vector>
#include "base/uregkey.h"
#include "ui_res.h"

class UiTest : public testing::Test {
  public:
    static HWND shown;
    static std::vector<std::pair<WPARAM, LPARAM>> commands; // the WM_COMMAND messages both dialogs got
    static HWND Shown(int id) { return GetDlgItem(shown, id); }
    // WM_COMMAND messages without a control handle (a wrapper's own, or a menu's) with wParam id; any
    // id when negative.
    static int Commands(int id);
    static COLORREF Pixel(HWND hwnd, int x, int y);

  protected:
    void SetUp() override;
    void TearDown() override;

    HWND Item(int id) const { return GetDlgItem(dlg, id); }
    static constexpr const char* kKey = "Software\\uitest"; // Registry() opens it for writing
    UREGKEY& Registry();
    const std::string& Folder();

    HWND dlg = 0;

  private:
    UREGKEY m_key;
    HKEY m_user = 0;
    std::string m_folder;
    char m_cwd[MAX_PATH] = "";
};

// Delivers the posted messages that are waiting, as the host's plain message loop would.
void PumpMessages();
// Selects all of the edit's text, then types the keys as WM_CHAR messages.
void Type(HWND edit, const char* keys);
std::string TextOf(HWND hwnd);
// A 16 x 16 icon of one opaque colour; the caller destroys it.
HICON SolidIcon(COLORREF colour);

// Acts once on the thread's modal window (a visible dialog other than the shown one, or a window of the
// class given) from a thread timer, while its own loop runs. One still open kLimitMs after the action is
// cancelled, and the case fails, rather than the run waiting for ever.
struct ModalDriver {
    static constexpr DWORD kLimitMs = 20000;
    explicit ModalDriver(std::function<void(HWND)> action, const char* windowClass = "#32770");
    ~ModalDriver(); // fails the case when no window came or one had to be cancelled

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK FindModal(HWND hwnd, LPARAM found);
    std::function<void(HWND)> m_action;
    const char* m_class;
    DWORD m_actedAt = 0;
    bool m_acted = false, m_cancelled = false;
    UINT_PTR m_timer;
};
// Presses a dialog's button the way a click does.
void PressButton(HWND dialog, int id);
