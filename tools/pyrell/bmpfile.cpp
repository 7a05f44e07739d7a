#include "bmpfile.h"
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

uint32_t U32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t U16(const unsigned char* p) {
    return uint16_t(p[0] | p[1] << 8);
}
void Put32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

} // namespace

bool ReadBmp(const std::string& path, Picture& picture) {
    File f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f) return false;
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0)
        data.insert(data.end(), chunk, chunk + n);
    if (data.size() < 54 || data[0] != 'B' || data[1] != 'M' || U32(&data[14]) < 40) return false;
    int32_t width = int32_t(U32(&data[18])), height = int32_t(U32(&data[22]));
    int bits = U16(&data[28]);
    uint32_t offset = U32(&data[10]);
    if (width <= 0 || height == 0 || height == INT32_MIN || width > 65536 || (bits != 24 && bits != 32) ||
        U32(&data[30]) != 0)
        return false;
    bool top_down = height < 0;
    int rows = top_down ? -height : height;
    if (rows > 65536) return false;
    uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
    if (offset > data.size() || data.size() - offset < stride * rows) return false;
    picture.width = width;
    picture.height = rows;
    picture.rgb.assign(size_t(width) * rows * 3, 0);
    for (int y = 0; y < rows; ++y) {
        const unsigned char* src = &data[offset + stride * (top_down ? y : rows - 1 - y)];
        unsigned char* dst = &picture.rgb[size_t(y) * width * 3];
        for (int x = 0; x < width; ++x, src += bits / 8, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return true;
}

bool WriteBmp(const std::string& path, const Picture& picture, bool truncate) {
    uint32_t stride = (uint32_t(picture.width) * 3 + 3) / 4 * 4;
    std::vector<unsigned char> file(54 + size_t(stride) * picture.height, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(&file[2], uint32_t(file.size()));
    Put32(&file[10], 54);
    Put32(&file[14], 40);
    Put32(&file[18], picture.width);
    Put32(&file[22], picture.height);
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* src = &picture.rgb[size_t(picture.height - 1 - y) * picture.width * 3];
        unsigned char* dst = &file[54 + size_t(stride) * y];
        for (int x = 0; x < picture.width; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    File f(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!f) return false;
    size_t size = truncate ? file.size() / 2 : file.size();
    return std::fwrite(file.data(), 1, size, f.get()) == size && std::fflush(f.get()) == 0 &&
           std::fclose(f.release()) == 0;
}
