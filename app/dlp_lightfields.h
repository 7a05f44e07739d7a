// What the three light sub-pages share: float colours shown on byte swatches.
#pragma once
#include <windows.h>
#include "base/fvec.h"
#include "base/rgbcolor.h"

// A record colour (0 to 1) as a swatch shows it: each channel times 255, truncated and clamped.
inline RGBCOLOR ShownColor(const FVEC3& col) {
    return RGBCOLOR(col);
}
// A swatch's colour as the record stores it: each byte / 255. A swatch that still shows the record's own
// colour keeps it exact, as the number fields keep their values: storing a page rounds nothing untouched.
inline FVEC3 StoredColor(const RGBCOLOR& col, const FVEC3& record) {
    return col == ShownColor(record) ? record : col.GetFVec3();
}
