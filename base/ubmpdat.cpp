// Image storage: creation, copies, conversion and the blob.
#include "base/ubmpdat.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

UBMPDAT::~UBMPDAT() {
    free(bits);
    free(blob);
}

int UBMPDAT::IsSupportedBitCount(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

int UBMPDAT::StrideOf(int w, int bpp) {
    int64_t s = (int64_t(w) * bpp + 31) / 32 * 4;
    return s > 0 && s <= INT_MAX ? int(s) : 0;
}

// The pixel block of w x h at bpp, or 0 when it has no size or does not fit in 31 bits.
static size_t ImageBytes(int w, int h, int bpp) {
    if (w <= 0 || h <= 0) return 0;
    int64_t bytes = int64_t(UBMPDAT::StrideOf(w, bpp)) * h;
    return bytes > 0 && bytes <= INT_MAX ? size_t(bytes) : 0;
}

void UBMPDAT::Adopt(unsigned char* pixels, int w, int h, int bpp, bool topDown) {
    free(bits);
    bits = pixels;
    width = w;
    height = h;
    bitCount = bpp;
    stride = StrideOf(w, bpp);
    BITMAPINFOHEADER& hd = info.header;
    hd = {};
    hd.biSize = sizeof(BITMAPINFOHEADER);
    hd.biWidth = w;
    hd.biHeight = topDown ? -h : h;
    hd.biPlanes = 1;
    hd.biBitCount = WORD(bpp);
    hd.biCompression = BI_RGB;
    hd.biSizeImage = DWORD(stride) * h;
}

int UBMPDAT::Create(int w, int h, int bpp) {
    Free();
    if (!IsSupportedBitCount(bpp) || w == INT_MIN || h == INT_MIN) return 0;
    w = abs(w);
    h = abs(h);
    size_t bytes = ImageBytes(w, h, bpp);
    // Zeroed, so that row padding and untouched pixels never carry stale memory into files.
    unsigned char* pixels = bytes ? static_cast<unsigned char*>(calloc(bytes, 1)) : nullptr;
    if (!pixels) return 0;
    Adopt(pixels, w, h, bpp, true);
    return 1;
}

int UBMPDAT::CreateFromInfo(const BITMAPINFO* source, const void* sourceBits) {
    if (!source || !sourceBits) return 0;
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(source);
    size_t headersEnd = InfoHeadersEnd(raw, SIZE_MAX);
    const BITMAPINFOHEADER& hd = source->bmiHeader;
    int bpp = hd.biBitCount;
    if (!headersEnd || !IsSupportedBitCount(bpp) || hd.biHeight == INT_MIN) return 0;
    int h = abs(hd.biHeight);
    size_t bytes = ImageBytes(hd.biWidth, h, bpp);
    unsigned char* pixels = bytes ? static_cast<unsigned char*>(malloc(bytes)) : nullptr;
    if (!pixels) return 0;
    // Both blocks have the same row order, so the rows copy as one piece.
    memcpy(pixels, sourceBits, bytes);
    Adopt(pixels, hd.biWidth, h, bpp, hd.biHeight < 0);
    // The caller's header, cut to the 40 bytes kept here; the masks of a longer one then follow
    // it where GDI looks for them.
    info.header = hd;
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    memset(info.palette, 0, sizeof info.palette);
    if (hd.biCompression == BI_BITFIELDS) {
        memcpy(info.palette, raw + sizeof(BITMAPINFOHEADER), 3 * sizeof(RGBQUAD));
        return 1;
    }
    // Only the entries the bitmap says it has: a shorter palette must not be read past its end.
    int entries = PaletteCountOf(bpp);
    if (hd.biClrUsed && hd.biClrUsed < DWORD(entries)) entries = hd.biClrUsed;
    memcpy(info.palette, raw + headersEnd, entries * sizeof(RGBQUAD));
    return 1;
}

void UBMPDAT::Free() {
    free(bits);
    bits = nullptr;
    width = height = bitCount = stride = 0;
}

void UBMPDAT::SetBlob(const void* data, size_t size) {
    FreeBlob();
    if (!data || !size) return;
    blob = static_cast<unsigned char*>(malloc(size));
    if (!blob) return;
    memcpy(blob, data, size);
    blobSize = size;
}

void UBMPDAT::FreeBlob() {
    free(blob);
    blob = nullptr;
    blobSize = 0;
}

int UBMPDAT::CopyFrom(const UBMPDAT& other) {
    if (&other == this) return bits != nullptr;
    if (!other.bits) return 0;
    size_t bytes = size_t(other.stride) * other.height;
    unsigned char* pixels = static_cast<unsigned char*>(malloc(bytes));
    if (!pixels) return 0;
    memcpy(pixels, other.bits, bytes);
    free(bits);
    bits = pixels;
    info = other.info;
    width = other.width;
    height = other.height;
    bitCount = other.bitCount;
    stride = other.stride;
    alpha = other.alpha;
    return 1;
}

void UBMPDAT::Swap(UBMPDAT& other) {
    std::swap(info, other.info);
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(bitCount, other.bitCount);
    std::swap(stride, other.stride);
    std::swap(alpha, other.alpha);
    std::swap(bits, other.bits);
}

int UBMPDAT::ConvertBitDepth(int bpp) {
    if (bpp == bitCount) return 1;
    if (!bits || PaletteCountOf(bpp)) return 0;
    UBMPDAT converted;
    if (!converted.Create(width, height, bpp)) return 0;
    RGBCOLOR* row = static_cast<RGBCOLOR*>(malloc(size_t(width) * sizeof(RGBCOLOR)));
    if (!row) return 0;
    for (int y = 0; y < height; y++) {
        GetRow32(y, row);
        converted.PutRow32(y, row);
    }
    free(row);
    Swap(converted); // the image becomes the converted copy, as a copy would make it
    return 1;
}

void UBMPDAT::GetSize(int* w, int* h) const {
    if (w) *w = width;
    if (h) *h = height;
}

RGBQUAD UBMPDAT::GetPaletteEntry(int i) const {
    if (i < 0 || i >= 256) return RGBQUAD{};
    return info.palette[i];
}
