// Image planes and the normal and transparency maps written beside the scene file.
#pragma once

#include <windows.h>

class UBMPDAT;

// An image read through the host's image loader; owns the host's blocks.
class HX_BMPDAT {
  public:
    HX_BMPDAT() = default;
    HX_BMPDAT(const HX_BMPDAT&) = delete;
    HX_BMPDAT& operator=(const HX_BMPDAT&) = delete;
    virtual ~HX_BMPDAT() { Clear(); }

    // 0 when the host cannot load the file or gives an image this code cannot read
    // (no pixels, an unsupported depth or compression).
    int Load(const char* file);
    void Clear();
    int Is32Bit() const;
    UBMPDAT* GetImage() const { return image; }

  private:
    BITMAPINFO* header = nullptr;
    void* bits = nullptr;
    UBMPDAT* image = nullptr;
};

// An 8-bit plane, row 0 first, no padding.
class MONO_BMPDAT {
  public:
    MONO_BMPDAT() = default;
    MONO_BMPDAT(const MONO_BMPDAT&) = delete;
    MONO_BMPDAT& operator=(const MONO_BMPDAT&) = delete;
    virtual ~MONO_BMPDAT() { Clear(); }

    // A size of zero or less leaves the plane empty (not valid).
    void Create(int w, int h);
    void Clear();
    unsigned char* GetLine(int y) const { return data + width * y; }
    int IsValid() const { return data != nullptr; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    void FromGray(UBMPDAT* image);
    void FromAlpha(UBMPDAT* image);
    // this = a x b at the larger of the two sizes, nearest sampling; both must be valid.
    void Multiply(const MONO_BMPDAT& a, const MONO_BMPDAT& b);

  private:
    // The grey (R + G + B) / 3 or the alpha of every pixel.
    void FromPixels(UBMPDAT* image, bool alpha);

    int width = 0;
    int height = 0;
    unsigned char* data = nullptr;
};

int LoadGrayOfImage(const char* path, MONO_BMPDAT* plane);
int LoadAlphaOfImage(const char* path, MONO_BMPDAT* plane);

// Results of the map makers below.
enum { MAP_UNWRITTEN = -1, MAP_NONE = 0, MAP_WRITTEN = 1 };

// Both write a 24-bit BMP into dir under a name made from the host material index. MAP_WRITTEN with
// its path in out (1024 characters); MAP_NONE, out empty, when there is no source image to make it
// from; MAP_UNWRITTEN when the map could not be made or written, out then holding the file it was
// meant for (empty when that name does not fit).
int ConvertBumpToNormal(const char* dir, const char* bumpPath, char* out, int materialIndex);
int MakeTransparencyMap(const char* dir, const char* alphaPath, char* out, int materialIndex,
                        const MONO_BMPDAT* diffuseAlpha);
