// BMP files. Rows stream between the file and the pixel buffer, so no second copy of the image
// is ever held; every header field is checked against the file's real size before any pixel is read.
#include "base/ubmpdat.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/filepath.h"

namespace {

const size_t kFileHeader = 14;
const size_t kLargestInfoHeader = 124;
const size_t kHeadBytes = kFileHeader + kLargestInfoHeader + 256 * 4; // every header and palette
const size_t kStreamBuffer = 1 << 16;

uint16_t U16(const unsigned char* p) {
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t U32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
void Put16(unsigned char* p, uint32_t v) {
    p[0] = (unsigned char)v, p[1] = (unsigned char)(v >> 8);
}
void Put32(unsigned char* p, uint32_t v) {
    Put16(p, v), Put16(p + 2, v >> 16);
}

// What a file's headers say, once they have been found consistent with the file.
struct BMPLAYOUT {
    int width, height, bpp;
    bool topDown;
    uint32_t pixelOffset;
    size_t paletteOffset;
    int paletteCount;
    size_t stride;
};

// Colour masks are accepted only when they describe the layout the image uses anyway.
bool MasksMatch(const unsigned char* masks, int bpp) {
    if (bpp == 16) return U32(masks) == 0x7c00 && U32(masks + 4) == 0x3e0 && U32(masks + 8) == 0x1f;
    if (bpp == 32) return U32(masks) == 0xff0000 && U32(masks + 4) == 0xff00 && U32(masks + 8) == 0xff;
    return false;
}

// head holds the first headLen bytes of a file of fileSize bytes (headLen = min(fileSize, kHeadBytes)).
bool ParseHeaders(const unsigned char* head, size_t headLen, uint64_t fileSize, BMPLAYOUT& out) {
    if (headLen < kFileHeader + 40 || head[0] != 'B' || head[1] != 'M') return false;
    // The head holds every header that fits in the file, so the file ends before any it lacks.
    size_t headersEnd = UBMPDAT::InfoHeadersEnd(head + kFileHeader, headLen - kFileHeader);
    if (!headersEnd) return false;
    headersEnd += kFileHeader;
    int32_t w = int32_t(U32(head + 18)), h = int32_t(U32(head + 22));
    int bpp = U16(head + 28);
    if (U16(head + 26) != 1 || !UBMPDAT::IsSupportedBitCount(bpp) || w <= 0 || h == 0 || h == INT_MIN)
        return false;
    int stride = UBMPDAT::StrideOf(w, bpp);
    uint64_t pixelBytes = uint64_t(stride) * uint32_t(h < 0 ? -h : h);
    uint32_t pixelOffset = U32(head + 10);
    if (!stride || pixelBytes > INT_MAX || pixelOffset < headersEnd || pixelOffset + pixelBytes > fileSize)
        return false;
    // The palette of an indexed image: as many entries as the header says (all the depth allows
    // when it says 0), and all of them between the headers and the pixels.
    int entries = 0;
    if (bpp <= 8) {
        uint32_t used = U32(head + 46);
        if (used > (1u << bpp)) return false;
        entries = used ? int(used) : 1 << bpp;
        if (headersEnd + 4 * size_t(entries) > pixelOffset) return false;
    }
    out = {w, h < 0 ? -h : h, bpp, h < 0, pixelOffset, headersEnd, entries, size_t(stride)};
    return true;
}

// Reads the rows into a new top-down block; null on any failure.
unsigned char* ReadRows(FILE* f, const BMPLAYOUT& l) {
    size_t bytes = l.stride * l.height;
    unsigned char* pixels = static_cast<unsigned char*>(malloc(bytes));
    if (!pixels) return nullptr;
    bool ok = fseek(f, long(l.pixelOffset), SEEK_SET) == 0;
    if (ok && l.topDown) {
        ok = fread(pixels, 1, bytes, f) == bytes;
    } else {
        for (int j = 0; ok && j < l.height; j++)
            ok = fread(pixels + l.stride * (l.height - 1 - j), 1, l.stride, f) == l.stride;
    }
    if (!ok) {
        free(pixels);
        return nullptr;
    }
    return pixels;
}

} // namespace

size_t UBMPDAT::InfoHeadersEnd(const unsigned char* header, size_t available) {
    if (available < 40) return 0;
    uint32_t size = U32(header);
    if (size != 40 && size != 52 && size != 56 && size != 108 && size != 124) return 0;
    size_t end = size;
    switch (U32(header + 16)) {
    case BI_RGB:
        break;
    case BI_BITFIELDS:
        // The three masks follow a 40-byte header and lie inside the larger ones, at the same place.
        if (size == 40) end += 12;
        if (end > available || !MasksMatch(header + 40, U16(header + 14))) return 0;
        break;
    default:
        return 0; // run-length and embedded image data are not read
    }
    return end <= available ? end : 0;
}

int UBMPDAT::LoadBMP(const char* path) {
    if (!path) return 0;
    FILE* f = fopen(path, "rb");
    if (!f) return 0;
    setvbuf(f, nullptr, _IOFBF, kStreamBuffer);
    unsigned char head[kHeadBytes];
    long fileSize = -1;
    if (fseek(f, 0, SEEK_END) == 0) fileSize = ftell(f);
    size_t headLen = fileSize < 0 ? 0 : size_t(fileSize) < sizeof head ? size_t(fileSize) : sizeof head;
    BMPLAYOUT layout;
    unsigned char* pixels = nullptr;
    if (fileSize >= 0 && fseek(f, 0, SEEK_SET) == 0 && fread(head, 1, headLen, f) == headLen &&
        ParseHeaders(head, headLen, uint64_t(fileSize), layout))
        pixels = ReadRows(f, layout);
    fclose(f);
    if (!pixels) return 0;

    Adopt(pixels, layout.width, layout.height, layout.bpp, true);
    memset(info.palette, 0, sizeof info.palette);
    for (int i = 0; i < layout.paletteCount; i++) {
        const unsigned char* e = head + layout.paletteOffset + 4 * i;
        info.palette[i] = {e[0], e[1], e[2], 0};
    }
    return 1;
}

int UBMPDAT::SaveBMP(const char* path) const {
    if (!path || !bits || !IsSupportedBitCount(bitCount)) return 0;
    int entries = PaletteCountOf(bitCount);
    uint32_t pixelOffset = uint32_t(kFileHeader + 40 + 4 * entries);
    unsigned char head[kFileHeader + 40 + 256 * 4] = {};
    head[0] = 'B', head[1] = 'M';
    Put32(head + 2, pixelOffset + uint32_t(stride) * height);
    Put32(head + 10, pixelOffset);
    Put32(head + 14, 40);
    Put32(head + 18, width);
    Put32(head + 22, height); // rows bottom-up
    Put16(head + 26, 1);
    Put16(head + 28, bitCount);
    for (int i = 0; i < entries; i++) {
        const RGBQUAD& e = info.palette[i];
        unsigned char* p = head + kFileHeader + 40 + 4 * i;
        p[0] = e.rgbBlue, p[1] = e.rgbGreen, p[2] = e.rgbRed, p[3] = 0;
    }

    // Rows whose stride has padding go through a row buffer whose padding stays zero.
    size_t used = (size_t(width) * bitCount + 7) / 8;
    unsigned char* padded = nullptr;
    if (used < size_t(stride)) {
        padded = static_cast<unsigned char*>(calloc(stride, 1));
        if (!padded) return 0;
    }
    FILE* f = fopen(path, "wb");
    bool ok = f != nullptr;
    if (ok) {
        setvbuf(f, nullptr, _IOFBF, kStreamBuffer);
        ok = fwrite(head, 1, pixelOffset, f) == pixelOffset;
        for (int j = 0; ok && j < height; j++) {
            // File row j is the image's row height - 1 - j whatever the order in memory.
            const unsigned char* row = GetRowAddress(height - 1 - j);
            if (padded) row = static_cast<const unsigned char*>(memcpy(padded, row, used));
            ok = fwrite(row, 1, stride, f) == size_t(stride);
        }
        ok = CloseFile(f) == 0 && ok;
    }
    free(padded);
    return ok;
}
