#include "scene/pyl_texmap.h"

#include <math.h>
#include <stdio.h>

#include <vector>

#include "base/trace.h"
#include "base/ubmpdat.h"
#include "scene/pyl_scene.h"

namespace {

// The map's path beside the scene; 0 when it does not fit (a cut path would name another file).
int MakeMapName(char* out, const char* dir, int materialIndex, const char* suffix) {
    int n = snprintf(out, PYL_PATH_LEN, "%s__pyldlgHX__mtl%d__%s", dir, materialIndex, suffix);
    if (n < 0 || n >= PYL_PATH_LEN) {
        out[0] = 0;
        return 0;
    }
    return 1;
}

// Names and saves a finished map; out stays empty unless the whole file was written.
int SaveMap(UBMPDAT& map, const char* dir, int materialIndex, const char* suffix, char* out) {
    if (!MakeMapName(out, dir, materialIndex, suffix)) return 0;
    Trace("%s", out);
    if (!map.SaveBMP(out)) {
        out[0] = 0;
        return 0;
    }
    return 1;
}

unsigned char NormalByte(float v) {
    return (unsigned char)(int)((v * 0.5f + 0.5f) * 255.0f);
}

} // namespace

int LoadGrayOfImage(const char* path, MONO_BMPDAT* plane) {
    HX_BMPDAT image;
    if (!path || !path[0] || !image.Load(path)) return 0;
    plane->FromGray(image.GetImage());
    return plane->IsValid();
}

int LoadAlphaOfImage(const char* path, MONO_BMPDAT* plane) {
    HX_BMPDAT image;
    if (!path || !path[0] || !image.Load(path) || !image.Is32Bit()) return 0;
    plane->FromAlpha(image.GetImage());
    return plane->IsValid();
}

int ConvertBumpToNormal(const char* dir, const char* bumpPath, char* out, int materialIndex) {
    out[0] = 0;
    MONO_BMPDAT g;
    if (!LoadGrayOfImage(bumpPath, &g)) return 0;
    const int w = g.GetWidth(), h = g.GetHeight();
    UBMPDAT map;
    if (!map.Create(w, h, 24)) return 0;
    std::vector<RGBCOLOR> row((size_t)w);
    for (int y = 0; y < h; y++) {
        const unsigned char* line = g.GetLine(y);
        const unsigned char* below = g.GetLine(y + 1 == h ? 0 : y + 1); // the last row wraps
        for (int x = 0; x < w; x++) {
            int c = line[x];
            int r = x + 1 < w ? line[x + 1] : c;
            int d = below[x];
            float dx = (r - c) / 255.0f;
            float dy = (d - c) / 255.0f;
            float dz = 1.0f - sqrtf(dx * dx + dy * dy);
            row[(size_t)x] = RGBCOLOR(NormalByte(dx), NormalByte(dy), NormalByte(dz), (unsigned char)255);
        }
        map.PutRow32(y, row.data());
    }
    return SaveMap(map, dir, materialIndex, "norm.bmp", out);
}

int MakeTransparencyMap(const char* dir, const char* alphaPath, char* out, int materialIndex,
                        const MONO_BMPDAT* diffuseAlpha) {
    out[0] = 0;
    const MONO_BMPDAT* a1 = diffuseAlpha && diffuseAlpha->IsValid() ? diffuseAlpha : nullptr;
    MONO_BMPDAT a2;
    bool haveA2 = LoadGrayOfImage(alphaPath, &a2) != 0;
    if (!a1 && !haveA2) return 0;
    MONO_BMPDAT product;
    const MONO_BMPDAT* source = a1 ? a1 : &a2;
    if (a1 && haveA2) {
        product.Multiply(*a1, a2);
        source = &product;
    }
    if (!source->IsValid()) return 0;
    const int w = source->GetWidth(), h = source->GetHeight();
    UBMPDAT map;
    if (!map.Create(w, h, 24)) return 0;
    std::vector<RGBCOLOR> row((size_t)w);
    for (int y = 0; y < h; y++) {
        const unsigned char* line = source->GetLine(y);
        for (int x = 0; x < w; x++) {
            unsigned char v = (unsigned char)(255 - line[x]); // white is fully transparent
            row[(size_t)x] = RGBCOLOR(v, v, v, (unsigned char)255);
        }
        map.PutRow32(y, row.data());
    }
    return SaveMap(map, dir, materialIndex, "alpha.bmp", out);
}
