#pragma once
// Builds BMP files byte by byte, independently of the image class, for the loader's tests.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/common/scratch.h"

struct BmpSpec {
    int width = 4, height = 3, bpp = 24;
    bool topDown = false;
    uint32_t infoSize = 40;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;   // written after the info header fields at offset 54
    std::vector<uint32_t> palette; // 0x00RRGGBB entries
    uint32_t colorsUsed = 0;
    std::function<uint32_t(int x, int y)> value = [](int x, int y) { return uint32_t(x * 37 + y * 11); };
};

inline void PutLE(std::vector<unsigned char>& b, size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; i++)
        b[at + i] = (unsigned char)(v >> (8 * i));
}

inline std::vector<unsigned char> BuildBmp(const BmpSpec& s) {
    size_t paletteAt = 14 + s.infoSize + (s.infoSize == 40 ? 4 * s.masks.size() : 0);
    size_t pixelAt = paletteAt + 4 * s.palette.size();
    int stride = (s.width * s.bpp + 31) / 32 * 4;
    std::vector<unsigned char> b(pixelAt + size_t(stride) * s.height, 0);
    b[0] = 'B', b[1] = 'M';
    PutLE(b, 2, uint32_t(b.size()), 4);
    PutLE(b, 10, uint32_t(pixelAt), 4);
    PutLE(b, 14, s.infoSize, 4);
    PutLE(b, 18, uint32_t(s.width), 4);
    PutLE(b, 22, uint32_t(s.topDown ? -s.height : s.height), 4);
    PutLE(b, 26, 1, 2);
    PutLE(b, 28, uint32_t(s.bpp), 2);
    PutLE(b, 30, s.compression, 4);
    PutLE(b, 46, s.colorsUsed, 4);
    for (size_t i = 0; i < s.masks.size(); i++)
        PutLE(b, 54 + 4 * i, s.masks[i], 4);
    for (size_t i = 0; i < s.palette.size(); i++)
        PutLE(b, paletteAt + 4 * i, s.palette[i], 4);
    for (int y = 0; y < s.height; y++) {
        size_t row = pixelAt + size_t(stride) * (s.topDown ? y : s.height - 1 - y);
        for (int x = 0; x < s.width; x++) {
            uint32_t v = s.value(x, y) & (s.bpp == 32 ? 0xffffffffu : (1u << s.bpp) - 1);
            switch (s.bpp) {
            case 1:
                b[row + x / 8] |= (unsigned char)(v << (7 - x % 8));
                break;
            case 4:
                b[row + x / 2] |= (unsigned char)(x % 2 ? v : v << 4);
                break;
            default:
                PutLE(b, row + size_t(x) * (s.bpp / 8), v, s.bpp / 8);
            }
        }
    }
    return b;
}

inline std::string SaveBytes(const std::string& path, const std::vector<unsigned char>& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return path;
}

inline std::vector<unsigned char> LoadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}
