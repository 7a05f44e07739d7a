#pragma once
// A width x height grid with up to four planes per pixel: colour, depth, normal and identifier.
// Each plane is one block, row after row (element y x width + x), left uncleared when created.
#include <cstddef>
#include <cstdint>

#include "base/fvec.h"
#include "base/rgbcolor.h"

struct PIXELFLAGS {
    enum : uint32_t { COLOR = 1, DEPTH = 2, NORMAL = 4, ID = 8, ALL = 15 };
    uint32_t value = 0; // only the low four bits are ever set

    PIXELFLAGS() = default;
    PIXELFLAGS(int color, int depth, int normal, int id) { Set(color, depth, normal, id); }
    // Only bit 0 of each value counts.
    void Set(int color, int depth, int normal, int id);
    void SetAll() { value = ALL; }
    void ClearAll() { value = 0; }
    bool Has(uint32_t plane) const { return (value & plane) != 0; }
};

class PIXELBUFFER {
  public:
    PIXELBUFFER() = default;
    PIXELBUFFER(int w, int h) { Create(w, h, AllPlanes()); }
    PIXELBUFFER(int w, int h, PIXELFLAGS planes) { Create(w, h, planes); }
    PIXELBUFFER(const PIXELBUFFER&) = delete;
    PIXELBUFFER& operator=(const PIXELBUFFER&) = delete;
    ~PIXELBUFFER() { FreePlanes(); }

    // 0, with the buffer unchanged, when a size is not positive, the planes would not fit in
    // memory or an allocation fails.
    int Create(int w, int h, PIXELFLAGS planes);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    PIXELFLAGS GetFlags() const { return flags; }
    bool InBounds(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }

    // Setters store only into an existing plane inside the grid; getters answer (0, 0, 0, 0),
    // 0.0, (0, 0, 0) and 0xFFFFFFFF elsewhere.
    void SetColor(int x, int y, const RGBCOLOR& c) { Store(color, x, y, c); }
    void SetDepth(int x, int y, float d) { Store(depth, x, y, d); }
    void SetNormal(int x, int y, const FVEC3& n) { Store(normal, x, y, n); }
    void SetId(int x, int y, uint32_t i) { Store(id, x, y, i); }
    RGBCOLOR GetColor(int x, int y) const { return Fetch(color, x, y, RGBCOLOR(0, 0, 0, 0)); }
    float GetDepth(int x, int y) const { return Fetch(depth, x, y, 0.0f); }
    FVEC3 GetNormal(int x, int y) const { return Fetch(normal, x, y, FVEC3(0, 0, 0)); }
    uint32_t GetId(int x, int y) const { return Fetch(id, x, y, 0xFFFFFFFFu); }
    void Nop(int, int) {} // part of the buffer's interface; does nothing

  private:
    static PIXELFLAGS AllPlanes() {
        PIXELFLAGS all;
        all.SetAll();
        return all;
    }
    void FreePlanes();
    template <class T> void Store(T* plane, int x, int y, const T& v) {
        if (plane && InBounds(x, y)) plane[size_t(y) * width + x] = v;
    }
    template <class T> T Fetch(const T* plane, int x, int y, const T& outside) const {
        return plane && InBounds(x, y) ? plane[size_t(y) * width + x] : outside;
    }

    PIXELFLAGS flags;
    int32_t width = 0;
    int32_t height = 0;
    RGBCOLOR* color = nullptr;
    float* depth = nullptr;
    FVEC3* normal = nullptr;
    uint32_t* id = nullptr;
};
