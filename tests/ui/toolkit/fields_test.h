// The edit-field tests' dialog and the ways a user drives a field.
#pragma once
#include <windows.h>
#include <string>
#include "fields_res.h"
#include "toolkit_test.h"

// The dialog of the edit fields.
struct FieldDialog : TestDialog {
    FieldDialog() : TestDialog(IDD_FIELDS) {}
};

void Type(HWND edit, const char* keys);     // WM_CHAR per character
void TypeOver(HWND edit, const char* keys); // selects all, then types
std::string TextOf(HWND hwnd);
// Moves the focus into edit and then away to the other edit, committing edit.
void FocusAndLeave(HWND edit, HWND other);
// Clicks the up or down half of an up-down control.
void ClickSpin(HWND spin, bool up);
