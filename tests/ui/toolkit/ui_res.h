// Resource identifiers of the toolkit tests.
#pragma once

#define IDD_TEST 100
#define IDD_PAGE 102
#define IDD_SHOWN 103

#define IDC_LIST 1001
#define IDC_COMBO 1002
#define IDC_VSCROLL 1004
#define IDC_EDIT 1006
#define IDC_TAB 1007
#define IDC_INT 1011
#define IDC_FLOAT 1012
#define IDC_TREE 1020
#define IDC_RADIO1 1022
#define IDC_RADIO2 1023
#define IDC_RADIO3 1024
#define IDC_SWATCH 1030
#define IDC_CHECKICON 1031
#define IDC_CELSBAR 1032
#define IDC_CANVAS 1033
#define IDC_PAGEEDIT 1101
#define IDC_MISSING 4242

#define IDR_POPUP 200
#define IDM_ONE 301
