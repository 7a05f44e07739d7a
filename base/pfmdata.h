#pragma once
// Floating-point image as PFM files hold it: one (gray) or three (r, g, b) floats per pixel, rows
// from the image's bottom row to its top. The readers check every header field against the bytes
// that are really there and leave the image as it was when they refuse a file.
#include <cstddef>

#include "base/fout.h"
#include "base/fvec.h"

// The stream the PFM reader and writer work through.
class PFMFOUT : public FOUT {
  public:
    PFMFOUT() = default;
    PFMFOUT(const PFMFOUT&) = default;
    ~PFMFOUT() override = default;
};

class PFMDATA {
  public:
    PFMDATA() = default;
    PFMDATA(const PFMDATA&) = delete;
    PFMDATA& operator=(const PFMDATA&) = delete;
    virtual ~PFMDATA() { Free(); }

    void SetSize(int w, int h) { width = w, height = h; }
    void GetSize(int* w, int* h) const;
    void SetGray(int flag) { gray = flag ? 1 : 0; }
    int IsGray() const { return gray; }
    void SetScale(float s) { scale = s; }
    float GetScale() const { return scale; }

    // Bytes of data for the current size: width x height x 4 (gray) or x 12; 0 when a size is not
    // positive or the data would not fit in an int.
    int GetDataSize() const;
    int Alloc(); // 0 (no data then) when the size gives no data or memory runs out
    void Free();
    float* GetData() const { return data; }
    // Bytes held; pixels are reached only inside them, even after SetSize changed the size.
    size_t GetAllocSize() const { return data ? allocated : 0; }

    // Row y counts from the top. Outside the image or without data: (0, 0, 0), and stores nothing.
    FVEC3 GetPixel(int x, int y) const;
    void SetPixel(int x, int y, const FVEC3& value);

    void Swap(PFMDATA& other);

  private:
    float* PixelAt(int x, int y) const;

    int gray = 0;
    int width = 0;
    int height = 0;
    float scale = -1.0f;
    float* data = nullptr;
    size_t allocated = 0;
};

// 1 when a whole file was read; 0 with the image unchanged otherwise. A positive scale marks
// big-endian data, which is turned into the machine's order.
int ReadPfm(FOUT& stream, PFMDATA* image);
// Gray flag, size and scale only; the image's data stays (its pixels are reached only inside it).
int ReadPfmHeader(FOUT& stream, PFMDATA* image);
int LoadPfm(const char* path, PFMDATA* image);
int LoadPfmHeader(const char* path, PFMDATA* image);
int LoadPfm(const void* block, size_t size, PFMDATA* image);
int LoadPfmHeader(const void* block, size_t size, PFMDATA* image);
// Little-endian data with a negative scale; 0 without data or when a write fails.
int SavePfm(const char* path, const PFMDATA* image);
