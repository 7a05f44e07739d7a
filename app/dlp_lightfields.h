// What the three light sub-pages share: float colours shown on byte swatches, and choosing a light's
// image file.
#pragma once
#include <windows.h>
#include "app/dlp_page.h"
#include "base/fvec.h"
#include "base/rgbcolor.h"
#include "ui/udlgtext.h"

// A record colour (0 to 1) as a swatch shows it: each channel times 255, truncated and clamped.
inline RGBCOLOR ShownColor(const FVEC3& col) {
    return RGBCOLOR(col);
}
// A swatch's colour as the record stores it: each byte / 255.
inline FVEC3 StoredColor(const RGBCOLOR& col) {
    return col.GetFVec3();
}

// Lets the user choose the image file of the light that record() gives (null: none); record() is asked
// again after the dialog, and the field shows the choice once that light has stored it.
template <class Lookup> int BrowseLightImage(DLP_PAGE& page, Lookup record, UDLGTEXT& field) {
    auto* light = record();
    return page.BrowseFile(light ? light->GetFilename() : nullptr, [&](const char* path) {
        auto* now = record();
        if (!now) return false;
        now->SetFilename(path);
        field.Printf("%s", now->GetFilename());
        return true;
    });
}
