// Resource identifiers of the control tests, apart from those of the other test groups.
#pragma once

#define IDD_CONTROLS 140

#define IDC_CHECKICON 2001
#define IDC_CELSBAR 2002
#define IDC_LISTVIEW 2003
#define IDC_TREE 2004
#define IDC_SLIDER 2005
#define IDC_RADIO1 2011
#define IDC_RADIO2 2012
#define IDC_RADIO3 2013
#define IDC_BUTTON 2020
#define IDC_MISSING 2099

#define IDR_CTRLMENU 240
#define IDM_FIRST 2401
#define IDM_SECOND 2402
