// Resource identifiers of the edit-field tests.
#pragma once

#define IDD_FIELDS 120

#define IDC_TEXT 1001
#define IDC_INT 1002
#define IDC_FLOAT 1003
#define IDC_SPININT 1004
#define IDC_SPINFLOAT 1005
#define IDC_VX 1006
#define IDC_VY 1007
#define IDC_VZ 1008
#define IDC_OTHER 1009
