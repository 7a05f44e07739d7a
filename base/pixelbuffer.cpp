#include "base/pixelbuffer.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

void PIXELFLAGS::Set(int color, int depth, int normal, int id) {
    value = (color & 1) | (depth & 1) << 1 | (normal & 1) << 2 | (id & 1) << 3;
}

namespace {

// A plane of count elements when wanted, else null; ok turns false when one cannot be had.
template <class T> T* NewPlane(bool wanted, uint64_t count, bool& ok) {
    if (!wanted || !ok) return nullptr;
    T* plane = count * sizeof(T) <= SIZE_MAX ? static_cast<T*>(malloc(size_t(count * sizeof(T)))) : nullptr;
    if (!plane) ok = false;
    return plane;
}

} // namespace

int PIXELBUFFER::Create(int w, int h, PIXELFLAGS planes) {
    if (w <= 0 || h <= 0) return 0;
    planes.value &= PIXELFLAGS::ALL;
    uint64_t count = uint64_t(w) * uint64_t(h);
    bool ok = true;
    PIXELBUFFER made;
    made.color = NewPlane<RGBCOLOR>(planes.Has(PIXELFLAGS::COLOR), count, ok);
    made.depth = NewPlane<float>(planes.Has(PIXELFLAGS::DEPTH), count, ok);
    made.normal = NewPlane<FVEC3>(planes.Has(PIXELFLAGS::NORMAL), count, ok);
    made.id = NewPlane<uint32_t>(planes.Has(PIXELFLAGS::ID), count, ok);
    if (!ok) return 0; // made frees what it got
    FreePlanes();
    flags = planes;
    width = w;
    height = h;
    std::swap(color, made.color);
    std::swap(depth, made.depth);
    std::swap(normal, made.normal);
    std::swap(id, made.id);
    return 1;
}

void PIXELBUFFER::FreePlanes() {
    free(color);
    free(depth);
    free(normal);
    free(id);
    color = nullptr;
    depth = nullptr;
    normal = nullptr;
    id = nullptr;
}
