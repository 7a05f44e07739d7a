#include "tools/hxhost/lib/bmpimage.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace hxhost {

namespace {

uint16_t U16(const std::vector<unsigned char>& d, size_t at) {
    return uint16_t(d[at] | d[at + 1] << 8);
}
uint32_t U32(const std::vector<unsigned char>& d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 3]) << 24;
}

constexpr size_t kFileHeader = 14;
constexpr int64_t kMaxPixelBytes = 256 << 20; // far beyond any texture, well inside a 32-bit process

bool Refuse(std::string* reason, const char* why) {
    if (reason) *reason = why;
    return false;
}

// Plain rows only: 32-bit files may also name the standard masks, which read the same way.
bool PlainLayout(const std::vector<unsigned char>& d, int bitCount) {
    uint32_t compression = U32(d, kFileHeader + 16);
    if (compression == BI_RGB) return true;
    if (compression != BI_BITFIELDS || bitCount != 32) return false;
    size_t masks = kFileHeader + 40; // after a plain header, or inside a longer one
    if (masks + 12 > d.size()) return false;
    return U32(d, masks) == 0xFF0000 && U32(d, masks + 4) == 0xFF00 && U32(d, masks + 8) == 0xFF;
}

} // namespace

bool LoadBmpImage(const char* path, BITMAPINFO** header, void** bits, std::string* reason) {
    if (header) *header = nullptr;
    if (bits) *bits = nullptr;
    if (!path || !header || !bits) return Refuse(reason, "no path or no outputs");
    std::ifstream file(path, std::ios::binary);
    if (!file) return Refuse(reason, "cannot open the file");
    std::vector<unsigned char> d((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return Refuse(reason, "cannot read the file");

    if (d.size() < kFileHeader + 40 || d[0] != 'B' || d[1] != 'M') return Refuse(reason, "not a BMP file");
    uint32_t pixelOffset = U32(d, 10);
    uint32_t headerSize = U32(d, kFileHeader);
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return Refuse(reason, "unsupported info header size");
    if (kFileHeader + headerSize > d.size()) return Refuse(reason, "truncated info header");
    int32_t width = int32_t(U32(d, kFileHeader + 4));
    int32_t height = int32_t(U32(d, kFileHeader + 8));
    int bitCount = U16(d, kFileHeader + 14);
    if (U16(d, kFileHeader + 12) != 1) return Refuse(reason, "planes is not 1");
    if (bitCount != 24 && bitCount != 32) return Refuse(reason, "only 24- and 32-bit images are supported");
    if (!PlainLayout(d, bitCount)) return Refuse(reason, "unsupported compression");
    if (width <= 0 || height == 0 || height == INT32_MIN) return Refuse(reason, "bad image size");

    int64_t rows = height < 0 ? -int64_t(height) : height;
    int64_t stride = ((int64_t(width) * bitCount + 31) / 32) * 4;
    int64_t pixelBytes = stride * rows;
    if (pixelBytes > kMaxPixelBytes) return Refuse(reason, "image too large");
    if (pixelOffset < kFileHeader + headerSize || pixelOffset + pixelBytes > int64_t(d.size()))
        return Refuse(reason, "pixel data outside the file");

    auto* info = static_cast<BITMAPINFO*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, sizeof(BITMAPINFO)));
    void* pixels = LocalAlloc(LMEM_FIXED, size_t(pixelBytes));
    if (!info || !pixels) {
        if (info) LocalFree(info);
        if (pixels) LocalFree(pixels);
        return Refuse(reason, "out of memory");
    }
    // The plug-in reads a plain 40-byte header; the row order stays that of the file.
    BITMAPINFOHEADER& h = info->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = WORD(bitCount);
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(pixelBytes);
    std::memcpy(pixels, d.data() + pixelOffset, size_t(pixelBytes));
    *header = info;
    *bits = pixels;
    return true;
}

} // namespace hxhost
