// Dialog text and font helpers: locale, fonts, item texts, enabling window trees, menus and popups.
#pragma once
#include <windows.h>

// One record of an item text table; a record whose text is null ends the table.
struct UDLGITEMTEXT {
    int id;
    const char* text;
};

bool IsJapaneseLocale();
void SetEnglishLocale();
HFONT SetSystemFont(HWND hwnd);
HFONT SetDialogFont(HWND hwnd); // a new toolkit font every call, owned by the caller
void SetDlgItemTexts(HWND dialog, const UDLGITEMTEXT* table);
void SetDlgItemTextsFont(HWND dialog, HFONT font, const UDLGITEMTEXT* table);
void EnableChildWindows(HWND hwnd, BOOL flag);
BOOL CALLBACK EnableChildProc(HWND child, LPARAM flag);
void TrackMouseLeave(HWND hwnd);
void CheckMenu(HMENU menu, UINT id, BOOL flag);
POINT GetDlgItemScreenPos(HWND hwnd, int id);
void ShowPopupMenu(HWND hwnd, int id, int menuId, int subMenu);
void GetChildRect(HWND parent, HWND child, int* x, int* y, int* width, int* height);
