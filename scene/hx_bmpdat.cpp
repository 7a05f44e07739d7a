#include "scene/pyl_texmap.h"

#include "base/ubmpdat.h"
#include "host/hxhostfn.h"

int HX_BMPDAT::Load(const char* file) {
    Clear();
    if (!hxfn::HX_LoadImage || !hxfn::HX_LoadImage(file, &header, &bits, 0)) return 0;
    image = new UBMPDAT();
    // A header this code cannot read, or an image without pixels, counts as a failed load.
    if (!header || !bits || !image->CreateFromInfo(header, bits) || image->GetWidth() <= 0 ||
        image->GetHeight() <= 0) {
        Clear();
        return 0;
    }
    return 1;
}

void HX_BMPDAT::Clear() {
    delete image;
    image = nullptr;
    if (header) LocalFree(header);
    if (bits) LocalFree(bits);
    header = nullptr;
    bits = nullptr;
}

int HX_BMPDAT::Is32Bit() const {
    return image && image->GetBitCount() == 32;
}
