#include "scene/pyl_texmap.h"

#include <math.h>
#include <stdio.h>

#include <new>
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

// Names the map, makes it row by row (row(y, pixels) fills one row) and saves it.
template <class ROW>
int WriteMap(int w, int h, const char* dir, int materialIndex, const char* suffix, char* out, ROW row) {
    if (!MakeMapName(out, dir, materialIndex, suffix)) return MAP_UNWRITTEN;
    Trace("%s", out);
    try {
        UBMPDAT map;
        std::vector<RGBCOLOR> pixels((size_t)w);
        if (!map.Create(w, h, 24)) return MAP_UNWRITTEN;
        for (int y = 0; y < h; y++) {
            row(y, pixels.data());
            map.PutRow32(y, pixels.data());
        }
        return map.SaveBMP(out) ? MAP_WRITTEN : MAP_UNWRITTEN;
    } catch (const std::bad_alloc&) {
        return MAP_UNWRITTEN;
    }
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
    if (!LoadGrayOfImage(bumpPath, &g)) return MAP_NONE;
    const int w = g.GetWidth(), h = g.GetHeight();
    return WriteMap(w, h, dir, materialIndex, "norm.bmp", out, [&](int y, RGBCOLOR* row) {
        const unsigned char* line = g.GetLine(y);
        const unsigned char* below = g.GetLine(y + 1 == h ? 0 : y + 1); // the last row wraps
        for (int x = 0; x < w; x++) {
            int c = line[x];
            int r = x + 1 < w ? line[x + 1] : c;
            int d = below[x];
            float dx = (r - c) / 255.0f;
            float dy = (d - c) / 255.0f;
            float dz = 1.0f - sqrtf(dx * dx + dy * dy);
            row[x] = RGBCOLOR(NormalByte(dx), NormalByte(dy), NormalByte(dz), (unsigned char)255);
        }
    });
}

int MakeTransparencyMap(const char* dir, const char* alphaPath, char* out, int materialIndex,
                        const MONO_BMPDAT* diffuseAlpha) {
    out[0] = 0;
    const MONO_BMPDAT* a1 = diffuseAlpha && diffuseAlpha->IsValid() ? diffuseAlpha : nullptr;
    MONO_BMPDAT a2;
    bool haveA2 = LoadGrayOfImage(alphaPath, &a2) != 0;
    if (!a1 && !haveA2) return MAP_NONE;
    MONO_BMPDAT product;
    const MONO_BMPDAT* source = a1 ? a1 : &a2;
    if (a1 && haveA2) {
        product.Multiply(*a1, a2);
        source = &product;
    }
    if (!source->IsValid()) return MAP_UNWRITTEN;
    return WriteMap(source->GetWidth(), source->GetHeight(), dir, materialIndex, "alpha.bmp", out,
                    [&](int y, RGBCOLOR* row) {
                        const unsigned char* line = source->GetLine(y);
                        for (int x = 0; x < source->GetWidth(); x++) {
                            unsigned char v = (unsigned char)(255 - line[x]); // white is fully transparent
                            row[x] = RGBCOLOR(v, v, v, (unsigned char)255);
                        }
                    });
}
