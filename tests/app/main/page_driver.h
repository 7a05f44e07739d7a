// Driving property pages as a user would: item texts, typed values, and the modal dialogs a button opens.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

std::string TextOf(HWND hwnd);
// The edit of a page's text field, or of a number field inside its up-down container.
HWND PageEdit(HWND page, int id);
// Replaces the field's text as typed and presses Enter.
void EnterText(HWND page, int id, const char* text);
// Clicks an item of a page at its centre with the mouse and delivers what it posted.
void ClickItem(HWND page, int id);
// The user clicks tab i of a tab control whose notifications go to owner under the given id.
void ClickTab(HWND tab, int i, HWND owner, int id = 0);
// The property pane's tab i, clicked, with the main window shown.
void ShowPaneTab(int i);

// Acts once on a modal dialog with the given title from a thread timer, while its own loop runs; fails
// the test and cancels a dialog that stays open longer than a limit.
struct ModalAction {
    ModalAction(const char* title, std::function<void(HWND)> action);
    ~ModalAction() { KillTimer(0, m_timer); }
    static bool Acted() { return s_acted; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OnDialog(HWND dialog, LPARAM);
    static inline bool s_acted = false;
    UINT_PTR m_timer;
};

// Picks the file type (counted from 1; 0 keeps the dialog's), types a name into a file dialog and
// presses OK.
std::function<void(HWND)> ChooseFile(const std::string& path, int type = 0);
std::function<void(HWND)> Cancel();
