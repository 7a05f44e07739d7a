#include "scene/pyl_texmap.h"

#include <stdlib.h>

#include <vector>

#include "base/ubmpdat.h"

void MONO_BMPDAT::Create(int w, int h) {
    Clear();
    if (w <= 0 || h <= 0) return;
    width = w;
    height = h;
    data = (unsigned char*)malloc((size_t)w * (size_t)h);
    if (!data) width = height = 0;
}

void MONO_BMPDAT::Clear() {
    free(data);
    data = nullptr;
    width = height = 0;
}

void MONO_BMPDAT::FromPixels(UBMPDAT* image, bool alpha) {
    Create(image->GetWidth(), image->GetHeight());
    if (!IsValid()) return;
    std::vector<RGBCOLOR> row((size_t)width);
    for (int y = 0; y < height; y++) {
        image->GetRow32(y, row.data());
        unsigned char* line = GetLine(y);
        for (int x = 0; x < width; x++) {
            const RGBCOLOR& p = row[(size_t)x];
            line[x] = alpha ? p.a : (unsigned char)((p.r + p.g + p.b) / 3);
        }
    }
}

void MONO_BMPDAT::FromGray(UBMPDAT* image) {
    FromPixels(image, false);
}

void MONO_BMPDAT::FromAlpha(UBMPDAT* image) {
    image->SetAlphaFlag(1); // 32-bit pixels are read with their alpha only with the flag set
    FromPixels(image, true);
}

void MONO_BMPDAT::Multiply(const MONO_BMPDAT& a, const MONO_BMPDAT& b) {
    int w = a.width > b.width ? a.width : b.width;
    int h = a.height > b.height ? a.height : b.height;
    Create(w, h);
    if (!IsValid()) return;
    // Column steps in 8-bit fixed point; the larger plane is read one to one.
    int sa = (a.width * 256) / w;
    int sb = (b.width * 256) / w;
    for (int y = 0; y < h; y++) {
        const unsigned char* la = a.GetLine((int)((long long)a.height * y / h));
        const unsigned char* lb = b.GetLine((int)((long long)b.height * y / h));
        unsigned char* out = GetLine(y);
        int ca = 0, cb = 0;
        for (int x = 0; x < w; x++) {
            out[x] = (unsigned char)(la[ca >> 8] * lb[cb >> 8] / 255);
            ca += sa;
            cb += sb;
        }
    }
}
