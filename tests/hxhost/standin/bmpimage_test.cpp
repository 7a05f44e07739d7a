#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <tuple>

#include "tests/base/bitmap/bmpbuild.h"
#include "tests/common/testfiles.h"
#include "tests/common/mutate.h"
#include "tools/hxhost/lib/bmpimage.h"

namespace {

using Bytes = std::vector<unsigned char>;
// Width, height and bits per pixel, and the pixel rows as stored, padding included.
using Image = std::tuple<int32_t, int32_t, int32_t, std::string>;

size_t PixelBytes(int32_t width, int32_t height, int32_t bits) {
    return (size_t(width) * bits + 31) / 32 * 4 * size_t(height < 0 ? -height : height);
}

// What a reader must give for a file it reads: what the file's own fields say, and the bytes at its
// pixel offset.
Image FromFile(const Bytes& file) {
    auto field = [&file](size_t at) {
        int32_t value;
        std::memcpy(&value, &file[at], 4);
        return value;
    };
    const int32_t width = field(18), height = field(22), bits = field(28) & 0xFFFF;
    const size_t at = uint32_t(field(10)), bytes = PixelBytes(width, height, bits);
    if (at > file.size() || file.size() - at < bytes) return {width, height, bits, "past the file's end"};
    return {width, height, bits, std::string(file.begin() + at, file.begin() + at + bytes)};
}

struct Loaded {
    BITMAPINFO* header = nullptr;
    void* bits = nullptr;
    std::string reason;
    bool ok = false;
    explicit Loaded(const Bytes& file) {
        ok = hxhost::LoadBmpImage(SaveBytes(ScratchPath("image.bmp"), file).c_str(), &header, &bits, &reason);
    }
    ~Loaded() {
        // The plug-in releases both blocks with LocalFree; that must succeed.
        EXPECT_EQ(nullptr, header ? LocalFree(header) : nullptr);
        EXPECT_EQ(nullptr, bits ? LocalFree(bits) : nullptr);
    }
    Image Read() const {
        const BITMAPINFOHEADER& h = header->bmiHeader;
        const size_t bytes = PixelBytes(h.biWidth, h.biHeight, h.biBitCount);
        if (LocalSize(bits) < bytes) return {h.biWidth, h.biHeight, h.biBitCount, "past the block's end"};
        return {h.biWidth, h.biHeight, h.biBitCount, std::string(static_cast<const char*>(bits), bytes)};
    }
};

// 3 x 2 pixels, at 24 bits in rows of 9 bytes padded to 12. The masks follow the header: the layout's
// with BI_BITFIELDS, else bytes that put the pixels past the header.
Bytes Bmp(bool topDown, int bpp = 24, uint32_t compression = BI_RGB, std::vector<uint32_t> masks = {}) {
    BmpSpec s;
    s.width = 3;
    s.height = 2;
    s.bpp = bpp;
    s.topDown = topDown;
    s.compression = compression;
    s.masks = masks;
    return BuildBmp(s);
}

} // namespace

TEST(BmpImage, RefusesBadFilesWithoutAllocating) {
    const Bytes good = Bmp(false);
    auto with = [&](size_t at, uint32_t value, int bytes) {
        Bytes file = good;
        for (int i = 0; i < bytes; ++i)
            file.at(at + size_t(i)) = (unsigned char)(value >> (8 * i));
        return file;
    };
    auto cut = [&](size_t n) { return Bytes(good.begin(), good.begin() + n); };
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"no signature", with(0, 'X' | 'Y' << 8, 2)},
        {"header cut", cut(40)},
        {"pixels cut", cut(good.size() - 1)},
        {"8 bits", with(28, 8, 2)},
        {"run-length", with(30, BI_RLE8, 4)},
        {"header size 12", with(14, 12, 4)},
        {"width 0", with(18, 0, 4)},
        {"height 0", with(22, 0, 4)},
        {"huge", with(18, 0x7FFFFFFF, 4)},
        {"offset past the end", with(10, 0xFFFFFF00, 4)},
        {"offset inside the header", with(10, 20, 4)},
        {"masks of another layout", Bmp(false, 32, BI_BITFIELDS, {0xFF, 0xFF00, 0xFF0000})},
    };
    for (const auto& [what, file] : cases) {
        Loaded image(file);
        EXPECT_EQ(std::tuple(false, false, nullptr, nullptr),
                  std::tuple(image.ok, image.reason.empty(), image.header, image.bits))
            << what;
    }
    BITMAPINFO* header = reinterpret_cast<BITMAPINFO*>(1);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_FALSE(hxhost::LoadBmpImage(ScratchPath("missing.bmp").c_str(), &header, &bits, nullptr));
    EXPECT_EQ(std::tuple(nullptr, nullptr), std::tuple(header, bits));
}

// Files are read as their own fields say, top-down ones staying top-down, with their rows in the file's
// order, the pixels from where the file puts them; damaged copies are read so or refused.
TEST(BmpImage, ReadsWhatTheFilesFieldsSayDamagedOrNot) {
    const std::vector<Bytes> seeds = {LoadBytes(std::string(HX_TEST_DATA) + "/../../../samples/leaf32.bmp"),
                                      Bmp(false), Bmp(true, 24, BI_RGB, {0}),
                                      Bmp(false, 32, BI_BITFIELDS, {0xFF0000, 0xFF00, 0xFF})};
    int read = 0, refused = 0;
    auto load = [&](const Bytes& file, const std::string& label) {
        Loaded image(file);
        (image.ok ? read : refused)++;
        if (!image.ok) return;
        EXPECT_EQ(FromFile(file), image.Read()) << label;
    };
    for (const Bytes& seed : seeds)
        load(seed, "seed");
    ASSERT_EQ(std::pair(4, 0), std::pair(read, refused));
    mutate::Options options;
    options.rounds = 400;
    options.fields = {2, 10, 14, 18, 22, 26, 28, 30, 34};
    options.head = 70;
    mutate::EachMutation(seeds, options, load);
    EXPECT_GT(read, 100); // of the four seeds and 400 rounds
    EXPECT_GT(refused, 250);
}
