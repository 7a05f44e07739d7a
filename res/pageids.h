// Resource identifiers of the property pane's pages and their items.
#pragma once

#define IDD_PAGE_COMM 182
#define IDD_PAGE_REND 183
#define IDD_PAGE_CAMERA 185
#define IDD_PAGE_LIGHT 186
#define IDD_PAGE_MTL 188
#define IDD_PAGE_MTLBASE1 200
#define IDD_PAGE_MTLBASE3 202

// Common page
#define IDC_COMM_PYRELL 1339
#define IDC_COMM_PYRELL_BROWSE 1338
#define IDC_COMM_TMPPATH 1333
#define IDC_COMM_TMPPATH_BROWSE 1334
#define IDC_COMM_SCALE 1044
#define IDC_COMM_FIT 1050
#define IDC_COMM_STARTIMAGE 1053
#define IDC_COMM_PREVIEW 1054
#define IDC_COMM_RENDER 1426
#define IDC_COMM_SAVEIMAGE 1427
