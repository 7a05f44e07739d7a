// Pixel values and rows of colours in every depth.
#include "base/ubmpdat.h"

#include <cstring>

// The raw value of pixel x in a row of the given depth.
static uint32_t RawValue(const unsigned char* row, int bpp, int x) {
    switch (bpp) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return x & 1 ? row[x >> 1] & 15 : row[x >> 1] >> 4;
    case 8:
        return row[x];
    case 16:
        return row[2 * x] | row[2 * x + 1] << 8;
    case 24:
        return row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
    case 32:
        return row[4 * x] | row[4 * x + 1] << 8 | row[4 * x + 2] << 16 | uint32_t(row[4 * x + 3]) << 24;
    }
    return 0;
}

static void StoreRawValue(unsigned char* row, int bpp, int x, uint32_t v) {
    switch (bpp) {
    case 1: {
        unsigned char bit = 0x80 >> (x & 7);
        row[x >> 3] = v & 1 ? row[x >> 3] | bit : row[x >> 3] & ~bit;
        break;
    }
    case 4:
        row[x >> 1] = x & 1 ? (row[x >> 1] & 0xf0) | (v & 15) : (row[x >> 1] & 0x0f) | (v & 15) << 4;
        break;
    case 8:
        row[x] = (unsigned char)v;
        break;
    case 16:
        row[2 * x] = (unsigned char)v, row[2 * x + 1] = (unsigned char)(v >> 8);
        break;
    case 24:
        row[3 * x] = (unsigned char)v, row[3 * x + 1] = (unsigned char)(v >> 8);
        row[3 * x + 2] = (unsigned char)(v >> 16);
        break;
    case 32:
        memcpy(row + 4 * x, &v, 4);
        break;
    }
}

static RGBCOLOR ColorOf(uint32_t v, int bpp, const RGBQUAD* palette, int alpha) {
    typedef unsigned char u8;
    switch (bpp) {
    case 1:
    case 4:
    case 8: {
        if (!palette) return RGBCOLOR(u8(0), u8(0), u8(0), u8(0));
        const RGBQUAD& e = palette[v & ((1u << bpp) - 1)];
        return RGBCOLOR(e.rgbRed, e.rgbGreen, e.rgbBlue, u8(255));
    }
    case 16:
        return RGBCOLOR(u8((v >> 10 & 31) << 3), u8((v >> 5 & 31) << 3), u8((v & 31) << 3), u8(255));
    case 24:
        return RGBCOLOR(u8(v >> 16), u8(v >> 8), u8(v), u8(255));
    case 32:
        return RGBCOLOR(u8(v >> 16), u8(v >> 8), u8(v), u8(alpha ? v >> 24 : 255));
    }
    return RGBCOLOR(u8(0), u8(0), u8(0), u8(0));
}

static uint32_t ValueOf(const RGBCOLOR& c, int bpp, int alpha) {
    switch (bpp) {
    case 16:
        return (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3;
    case 24:
        return c.r << 16 | c.g << 8 | c.b;
    case 32:
        return (alpha ? uint32_t(c.a) << 24 : 0) | c.r << 16 | c.g << 8 | c.b;
    }
    return 0;
}

unsigned char* UBMPDAT::GetRowAddress(int y) const {
    if (!bits || y < 0 || y >= height) return nullptr;
    return bits + size_t(stride) * (info.header.biHeight < 0 ? y : height - 1 - y);
}

unsigned char* UBMPDAT::GetPixelAddress(int x, int y) const {
    if (!InBounds(x, y)) return nullptr;
    unsigned char* row = GetRowAddress(y);
    if (!row) return nullptr;
    switch (bitCount) {
    case 1:
        return row + x / 8;
    case 4:
        return row + x / 2;
    default:
        return row + size_t(x) * (bitCount / 8);
    }
}

void UBMPDAT::SetPixelValue(int x, int y, uint32_t value) {
    if (bits && InBounds(x, y)) StoreRawValue(GetRowAddress(y), bitCount, x, value);
}

uint32_t UBMPDAT::GetPixelValue(int x, int y) const {
    return bits && InBounds(x, y) ? RawValue(GetRowAddress(y), bitCount, x) : 0;
}

uint32_t UBMPDAT::ColorToValue(const RGBCOLOR& c) const {
    return ValueOf(c, bitCount, alpha);
}

RGBCOLOR UBMPDAT::ValueToColor(uint32_t value) const {
    return ColorOf(value, bitCount, info.palette, alpha);
}

RGBCOLOR UBMPDAT::DecodeRawPixel(const void* source, int bpp, int x, const RGBQUAD* palette, int alpha) {
    if (!source || x < 0) return ColorOf(0, 0, nullptr, 0);
    return ColorOf(RawValue(static_cast<const unsigned char*>(source), bpp, x), bpp, palette, alpha);
}

int UBMPDAT::WriteRow32(int x, int y, const RGBCOLOR* buffer, int count) {
    unsigned char* row = GetRowAddress(y);
    if (!row || !buffer || PaletteCountOf(bitCount)) return 0;
    if (x < 0) {
        buffer -= x;
        count += x;
        x = 0;
    }
    if (count > width - x) count = width - x;
    for (int i = 0; i < count; i++)
        StoreRawValue(row, bitCount, x + i, ValueOf(buffer[i], bitCount, alpha));
    return 1;
}

int UBMPDAT::ReadRow32(int x, int y, RGBCOLOR* buffer, int count) const {
    const unsigned char* row = GetRowAddress(y);
    if (!row || !buffer) return 0;
    int64_t end = int64_t(x) + count;
    for (int c = x < 0 ? 0 : x; c < end; c++)
        buffer[c] =
            c < width ? ColorOf(RawValue(row, bitCount, c), bitCount, info.palette, alpha) : ValueToColor(0);
    return 1;
}

int UBMPDAT::WriteRows32(int x, int y, const RGBCOLOR* buffer, int pitch, int bx, int by, int count,
                         int rows) {
    if (!buffer) return 0;
    int ok = 1;
    for (int r = 0; r < rows; r++) {
        auto line = reinterpret_cast<const RGBCOLOR*>(reinterpret_cast<const char*>(buffer) +
                                                      ptrdiff_t(pitch) * (by + r));
        ok &= WriteRow32(x, y + r, line + bx, count);
    }
    return ok;
}

int UBMPDAT::ReadRows32(int x, int y, RGBCOLOR* buffer, int pitch, int bx, int by, int count,
                        int rows) const {
    if (!buffer) return 0;
    int ok = 1;
    for (int r = 0; r < rows; r++) {
        auto line =
            reinterpret_cast<RGBCOLOR*>(reinterpret_cast<char*>(buffer) + ptrdiff_t(pitch) * (by + r));
        ok &= ReadRow32(x, y + r, line + bx, count);
    }
    return ok;
}

void UBMPDAT::FillValue(uint32_t value) {
    if (!bits) return;
    for (int y = 0; y < height; y++) {
        unsigned char* row = GetRowAddress(y);
        switch (bitCount) {
        case 1:
            memset(row, value & 1 ? 0xff : 0, (width + 7) / 8);
            break;
        case 4:
            memset(row, (value & 15) * 0x11, (width + 1) / 2);
            break;
        case 8:
            memset(row, value & 0xff, width);
            break;
        default:
            for (int x = 0; x < width; x++)
                StoreRawValue(row, bitCount, x, value);
        }
    }
}

int UBMPDAT::BlitRaw(int x, int y, const void* source, int count, int sourceBpp, const RGBQUAD*, int) {
    unsigned char* row = GetRowAddress(y);
    if (!row || !source || sourceBpp != bitCount || x < 0 || x >= width) return 0;
    // Sub-byte depths copy whole bytes, so they start on a byte.
    if ((int64_t(x) * bitCount) % 8) return 0;
    if (count > width - x) count = width - x;
    if (count <= 0) return 0;
    memcpy(GetPixelAddress(x, y), source, (size_t(count) * bitCount + 7) / 8);
    return 1;
}

void UBMPDAT::SetPaletteFromRows32(int start, const RGBCOLOR* buffer, int count) {
    if (!buffer) return;
    for (int i = 0; i < count && start + i < 256; i++) {
        if (start + i < 0) continue;
        RGBQUAD& e = info.palette[start + i];
        e.rgbBlue = buffer[i].b;
        e.rgbGreen = buffer[i].g;
        e.rgbRed = buffer[i].r;
        e.rgbReserved = 0;
    }
}
