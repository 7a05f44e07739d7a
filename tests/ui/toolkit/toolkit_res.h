// Resource identifiers of the toolkit's test dialogs.
#pragma once

#define IDD_TEST 100
#define IDD_MODAL 101
#define IDD_PAGE 102

#define IDC_LIST 1001
#define IDC_COMBO 1002
#define IDC_CHECK 1003
#define IDC_VSCROLL 1004
#define IDC_VSCROLL2 1005
#define IDC_EDIT 1006
#define IDC_TAB 1007
#define IDC_GROUP 1008
#define IDC_INNERCHECK 1009
#define IDC_PAGEEDIT 1101

#define IDR_POPUP 200
#define IDM_ONE 301
