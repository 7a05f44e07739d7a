#pragma once
// Device-independent bitmap of 1, 4, 8, 16, 24 or 32 bits per pixel whose header and palette go to
// GDI as they stand. Rows are padded to 4 bytes. Images made by Create and LoadBMP are top-down in
// memory; one made from a caller's bitmap keeps that bitmap's row order.
#include <cstddef>
#include <cstdint>
#include <windows.h>

#include "base/rgbcolor.h"

class UBMPDAT {
  public:
    UBMPDAT() = default;
    UBMPDAT(int w, int h, int bpp) { Create(w, h, bpp); }
    UBMPDAT(const UBMPDAT&) = delete;
    UBMPDAT& operator=(const UBMPDAT&) = delete;
    virtual ~UBMPDAT();

    static int IsSupportedBitCount(int bpp);
    // Bytes per row, padded to 4; 0 when the row would not fit in 31 bits.
    static int StrideOf(int width, int bpp);
    // The bytes an info header and its colour masks take (available bounds what may be read); 0
    // unless they describe plain rows: no compression, or masks of the layout the depth has anyway.
    static size_t InfoHeadersEnd(const unsigned char* header, size_t available);

    // A new top-down image with zeroed pixels; 0 (and an empty image) for an unsupported depth or
    // a size of 0 or too large.
    int Create(int w, int h, int bpp);
    // A copy of a caller's bitmap and its header in its own row order; 0 (image unchanged) unless
    // its rows are plain rows of a supported depth, as LoadBMP reads them.
    int CreateFromInfo(const BITMAPINFO* info, const void* bits);
    void Free(); // the pixels; the image is empty afterwards
    void SetBlob(const void* data, size_t size);
    void FreeBlob();
    const void* GetBlob() const { return blob; }
    size_t GetBlobSize() const { return blob ? blobSize : 0; }
    int CopyFrom(const UBMPDAT& other); // 0 (image unchanged) when other has no pixels
    // 0 (image unchanged) for 1, 4 and 8 bits, whose rows cannot be written from colours.
    int ConvertBitDepth(int bpp);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetLineBytes() const { return stride; }
    unsigned char* GetBits() const { return bits; }
    int GetBitCount() const { return bitCount; }
    void GetSize(int* w, int* h) const;
    const BITMAPINFO* GetInfo() const { return reinterpret_cast<const BITMAPINFO*>(&info); }
    const RGBQUAD* GetPalette() const { return info.palette; }
    int GetPaletteCount() const { return PaletteCountOf(bitCount); }
    RGBQUAD GetPaletteEntry(int i) const;
    void SetAlphaFlag(int flag) { alpha = flag; }
    int GetAlphaFlag() const { return alpha; }

    int InBounds(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    unsigned char* GetRowAddress(int y) const;          // null outside the image or without pixels
    unsigned char* GetPixelAddress(int x, int y) const; // null outside the image
    void SetPixelValue(int x, int y, uint32_t value);
    uint32_t GetPixelValue(int x, int y) const;
    uint32_t ColorToValue(const RGBCOLOR& c) const;
    RGBCOLOR ValueToColor(uint32_t value) const;
    void SetPixel(int x, int y, const RGBCOLOR& c) { SetPixelValue(x, y, ColorToValue(c)); }
    RGBCOLOR GetPixel(int x, int y) const { return ValueToColor(GetPixelValue(x, y)); }

    // Rows of colours, 4 bytes per pixel. Writing needs 16, 24 or 32 bits.
    int WriteRow32(int x, int y, const RGBCOLOR* buffer, int count);
    int PutRow32(int y, const RGBCOLOR* buffer) { return WriteRow32(0, y, buffer, width); }
    // Column c goes to buffer[c], counted from the buffer's start; columns left of 0 are skipped.
    int ReadRow32(int x, int y, RGBCOLOR* buffer, int count) const;
    int GetRow32(int y, RGBCOLOR* buffer) const { return ReadRow32(0, y, buffer, width); }
    // Row y + r from or to the buffer row by + r (pitch bytes apart), starting at its pixel bx.
    int WriteRows32(int x, int y, const RGBCOLOR* buffer, int pitch, int bx, int by, int count, int rows);
    int ReadRows32(int x, int y, RGBCOLOR* buffer, int pitch, int bx, int by, int count, int rows) const;
    int GetRow32Bytes() const { return width && bits ? width * 4 : 0; }

    void Fill(const RGBCOLOR& c) { FillValue(ColorToValue(c)); }
    void FillValue(uint32_t value); // at 1 and 4 bits every pixel gets the index

    // Raw rows in a depth of their own. The palette and alpha flag describe the source's pixels;
    // BlitRaw copies only within one depth, which needs neither.
    int BlitRaw(int x, int y, const void* source, int count, int sourceBpp, const RGBQUAD* palette,
                int alpha);
    static RGBCOLOR DecodeRawPixel(const void* source, int bpp, int x, const RGBQUAD* palette, int alpha);
    void SetPaletteFromRows32(int start, const RGBCOLOR* buffer, int count);

    void DrawToWindow(HWND window) const;
    void DrawScaled(HWND window, int x, int y, float sx, float sy) const;
    void StretchToWindow(HWND window, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) const;
    void DrawAt(HDC dc, int x, int y) const;
    HBITMAP CreateDDB(HDC dc) const;

    // Refuses (0) any file whose headers do not describe pixels that are really there; the image
    // is unchanged then.
    int LoadBMP(const char* path);
    int SaveBMP(const char* path) const; // 0 without pixels or when a write fails

  private:
    static int PaletteCountOf(int bpp) { return bpp == 1 ? 2 : bpp == 4 ? 16 : bpp == 8 ? 256 : 0; }
    // Sets the header and sizes for new pixels that the image takes over.
    void Adopt(unsigned char* pixels, int w, int h, int bpp, bool topDown);
    void Swap(UBMPDAT& other);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info = {};
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int stride = 0;
    int rowOrder = 0; // the row-order word of the layout; always 0
    int alpha = 0;
    unsigned char* bits = nullptr;
    unsigned char* blob = nullptr;
    size_t blobSize = 0;
};
