// The edit-field tests' dialog and the ways a user drives a field.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "fields_res.h"
#include "toolkit_test.h"

// The test dialog, created modeless and hidden; records the fields' notifications (WM_COMMAND with
// lParam 0), not the edits' own EN_ notifications.
struct FieldDialog {
    HWND hwnd = 0;
    std::vector<int> notified;
    FieldDialog();
    ~FieldDialog();
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    int Count(int id) const;
};

void Type(HWND edit, const char* keys);     // WM_CHAR per character
void TypeOver(HWND edit, const char* keys); // selects all, then types
std::string TextOf(HWND hwnd);
// Moves the focus into edit and then away to the other edit, committing edit.
void FocusAndLeave(HWND edit, HWND other);
// Clicks the up or down half of an up-down control.
void ClickSpin(HWND spin, bool up);
