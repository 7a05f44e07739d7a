#include "base/pfmdata.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>

void PFMDATA::GetSize(int* w, int* h) const {
    if (w) *w = width;
    if (h) *h = height;
}

int PFMDATA::GetDataSize() const {
    if (width <= 0 || height <= 0) return 0;
    uint64_t bytes = uint64_t(width) * uint64_t(height) * (gray ? 4 : 12);
    return bytes > uint64_t(INT_MAX) ? 0 : int(bytes);
}

int PFMDATA::Alloc() {
    Free();
    int bytes = GetDataSize();
    if (bytes == 0) return 0;
    data = static_cast<float*>(malloc(bytes));
    if (!data) return 0;
    allocated = size_t(bytes);
    return 1;
}

void PFMDATA::Free() {
    free(data);
    data = nullptr;
    allocated = 0;
}

float* PFMDATA::PixelAt(int x, int y) const {
    if (!data || x < 0 || x >= width || y < 0 || y >= height) return nullptr;
    uint64_t channels = gray ? 1 : 3;
    uint64_t index = (uint64_t(height - 1 - y) * uint64_t(width) + uint64_t(x)) * channels;
    if ((index + channels) * sizeof(float) > allocated) return nullptr;
    return data + index;
}

FVEC3 PFMDATA::GetPixel(int x, int y) const {
    const float* p = PixelAt(x, y);
    if (!p) return FVEC3(0, 0, 0);
    return gray ? FVEC3(p[0], p[0], p[0]) : FVEC3(p[0], p[1], p[2]);
}

void PFMDATA::SetPixel(int x, int y, const FVEC3& value) {
    float* p = PixelAt(x, y);
    if (!p) return;
    p[0] = value.x;
    if (!gray) p[1] = value.y, p[2] = value.z;
}

void PFMDATA::Swap(PFMDATA& other) {
    std::swap(gray, other.gray);
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(scale, other.scale);
    std::swap(data, other.data);
    std::swap(allocated, other.allocated);
}
