#include "app/dlp_lightfields.h"
#include <cstdio>
#include "app/dlmain.h"
#include "scene/rendpyl_model.h"
#include "ui/udlgtext.h"

int BrowseLightImage(DLMAIN* owner, HWND page, char* filename, UDLGTEXT& field) {
    if (!owner || !filename) return 0;
    char path[RENDPYL_TEXTSIZE];
    std::snprintf(path, sizeof path, "%s", filename);
    if (!owner->LoadFileDialog(page, path)) return 0;
    std::snprintf(filename, RENDPYL_TEXTSIZE, "%s", path);
    field.Printf("%s", filename);
    return 1;
}
