// What the three light sub-pages share: float colours shown on byte swatches, and choosing a light's
// image file.
#pragma once
#include <windows.h>
#include "base/fvec.h"
#include "base/rgbcolor.h"

class DLMAIN;
struct UDLGTEXT;

// A record colour (0 to 1) as a swatch shows it: each channel times 255, truncated and clamped.
inline RGBCOLOR ShownColor(const FVEC3& col) {
    return RGBCOLOR(col);
}
// A swatch's colour as the record stores it: each byte / 255.
inline FVEC3 StoredColor(const RGBCOLOR& col) {
    return col.GetFVec3();
}

// Opens the file dialog on filename (a record's 1024-character field) with page as its owner; when the
// user confirms, the choice goes into filename and the image field shows it. 1 when confirmed.
int BrowseLightImage(DLMAIN* owner, HWND page, char* filename, UDLGTEXT& field);
