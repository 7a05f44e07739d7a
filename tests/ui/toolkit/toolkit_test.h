// Shared fixtures of the toolkit tests: the modeless test dialog and a driver for modal dialogs.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>
#include "toolkit_res.h"

HINSTANCE TestInstance();

// Delivers the posted messages that are waiting, as the host's plain message loop would.
void PumpMessages();

// A test dialog of the toolkit's resources, created modeless (hidden: hiding a shown top-level window
// costs Wine seconds without a window manager); records its WM_COMMAND messages.
struct TestDialog {
    HWND hwnd = 0;
    std::vector<WPARAM> commands;
    std::vector<LPARAM> senders; // lParam of each command: 0 for a wrapper's own notification
    explicit TestDialog(int templateId = IDD_TEST);
    ~TestDialog();
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    // A wrapper's own notifications with the given id (any id when negative).
    int Count(int id) const;
};

// Finds a modal dialog by its title (any visible dialog of the thread when the title is null) from a
// thread timer, while the dialog's own loop runs, and acts on it once; the default action presses the
// given button.
struct ModalDriver {
    ModalDriver(const char* title, int button);
    ModalDriver(const char* title, std::function<void(HWND)> action);
    ~ModalDriver();
    bool acted = false;

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    const char* m_title;
    std::function<void(HWND)> m_action;
    UINT_PTR m_timer;
};

// Presses a button of a dialog the way a click does.
void PressButton(HWND dialog, int id);
