#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <tuple>

#include "tests/common/testfiles.h"
#include "tests/common/mutate.h"
#include "tools/hxhost/lib/bmpimage.h"

namespace {
// A BMP file as a writer would make it; `pixels` are the rows as stored, padding included.
std::string Bmp(int32_t width, int32_t height, int bits, const std::string& pixels, uint32_t compression = 0,
                const std::string& masks = "") {
    std::string file = "BM";
    const uint32_t offset = 54 + uint32_t(masks.size());
    const uint32_t fields[] = {offset + uint32_t(pixels.size()),
                               0,
                               offset,
                               40,
                               uint32_t(width),
                               uint32_t(height),
                               1u | uint32_t(bits) << 16,
                               compression,
                               uint32_t(pixels.size()),
                               0,
                               0,
                               0,
                               0};
    file.append(reinterpret_cast<const char*>(fields), sizeof fields); // little-endian, as the machine
    return file + masks + pixels;
}

// 3 x 2 at 24 bits: rows of 9 bytes padded to 12.
const std::string kRows24 = std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\0\0\0", 12) +
                            std::string("\x11\x12\x13\x14\x15\x16\x17\x18\x19\0\0\0", 12);

struct Loaded {
    BITMAPINFO* header = nullptr;
    void* bits = nullptr;
    std::string reason;
    bool ok = false;
    explicit Loaded(const std::string& file) {
        std::string path = WriteScratch("image.bmp", file);
        ok = hxhost::LoadBmpImage(path.c_str(), &header, &bits, &reason);
    }
    ~Loaded() {
        // The plug-in releases both blocks with LocalFree; that must succeed.
        EXPECT_EQ(nullptr, header ? LocalFree(header) : nullptr);
        EXPECT_EQ(nullptr, bits ? LocalFree(bits) : nullptr);
    }
    std::string Bytes(size_t n) const { return std::string(static_cast<const char*>(bits), n); }
};

// Red, green and blue masks as the standard layout has them, and swapped.
const std::string kMasks("\0\0\xFF\0\0\xFF\0\0\xFF\0\0\0", 12);
const std::string kSwappedMasks("\xFF\0\0\0\0\xFF\0\0\0\0\xFF\0", 12);
} // namespace

TEST(BmpImage, ReadsRowsInTheFilesOrderAndStandardMasksOnly) {
    for (int height : {2, -2}) {
        Loaded image(Bmp(3, height, 24, kRows24));
        ASSERT_TRUE(image.ok) << image.reason;
        EXPECT_EQ(height, image.header->bmiHeader.biHeight); // top-down stays top-down
        EXPECT_EQ(kRows24, image.Bytes(24));
    }
    const std::string pixels("\x10\x20\x30\x40\x50\x60\x70\x80", 8);
    Loaded fields(Bmp(2, 1, 32, pixels, BI_BITFIELDS, kMasks));
    ASSERT_TRUE(fields.ok) << fields.reason;
    EXPECT_EQ(pixels, fields.Bytes(8));
    EXPECT_FALSE(Loaded(Bmp(2, 1, 32, pixels, BI_BITFIELDS, kSwappedMasks)).ok);
}

TEST(BmpImage, RefusesBadFilesWithoutAllocating) {
    const std::string good = Bmp(3, 2, 24, kRows24);
    auto with = [&](size_t at, uint32_t value, int bytes) {
        std::string file = good;
        for (int i = 0; i < bytes; ++i)
            file[at + size_t(i)] = char(value >> (8 * i));
        return file;
    };
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"no signature", "XY" + good.substr(2)},
        {"header cut", good.substr(0, 40)},
        {"pixels cut", good.substr(0, good.size() - 1)},
        {"8 bits", with(28, 8, 2)},
        {"run-length", with(30, BI_RLE8, 4)},
        {"header size 12", with(14, 12, 4)},
        {"width 0", with(18, 0, 4)},
        {"height 0", with(22, 0, 4)},
        {"huge", with(18, 0x7FFFFFFF, 4)},
        {"offset past the end", with(10, 0xFFFFFF00, 4)},
        {"offset inside the header", with(10, 20, 4)},
    };
    for (const auto& [what, file] : cases) {
        Loaded image(file);
        EXPECT_FALSE(image.ok) << what;
        EXPECT_FALSE(image.reason.empty()) << what;
        EXPECT_EQ(nullptr, image.header) << what;
        EXPECT_EQ(nullptr, image.bits) << what;
    }
    BITMAPINFO* header = reinterpret_cast<BITMAPINFO*>(1);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_FALSE(hxhost::LoadBmpImage(ScratchPath("missing.bmp").c_str(), &header, &bits, nullptr));
    EXPECT_EQ(nullptr, header);
    EXPECT_EQ(nullptr, bits);
}

// Damaged copies of good files are read or refused; what is read is the size, depth and pixels that the
// file's own fields give.
TEST(BmpImage, DamagedFilesAreReadOrRefused) {
    const std::vector<std::string> seeds = {
        ReadFileBytes(std::string(HX_TEST_DATA) + "/../../../samples/leaf32.bmp"), Bmp(3, 2, 24, kRows24),
        Bmp(3, -2, 24, kRows24, BI_RGB, "gap.")}; // top-down, the pixels four bytes past the header
    mutate::Options options;
    options.rounds = 400;
    options.fields = {2, 10, 14, 18, 22, 26, 28, 30, 34};
    options.head = 70;
    int read = 0, refused = 0;
    mutate::EachMutation(seeds, options, [&](const std::string& file, const std::string& label) {
        Loaded image(file);
        refused += image.ok ? 0 : 1;
        if (!image.ok) return;
        read++;
        auto field = [&file](size_t at) {
            int32_t value;
            std::memcpy(&value, &file[at], 4);
            return value;
        };
        const int32_t width = field(18), height = field(22), bits = field(28) & 0xFFFF;
        const BITMAPINFOHEADER& h = image.header->bmiHeader;
        EXPECT_EQ(std::tuple(width, height, bits), std::tuple(h.biWidth, h.biHeight, int32_t(h.biBitCount)))
            << label;
        const size_t bytes = (size_t(width) * bits + 31) / 32 * 4 * size_t(height < 0 ? -height : height);
        ASSERT_GE(LocalSize(image.bits), bytes) << label;
        ASSERT_LE(size_t(uint32_t(field(10))) + bytes, file.size()) << label;
        EXPECT_EQ(file.substr(uint32_t(field(10)), bytes), image.Bytes(bytes)) << label;
    });
    EXPECT_GT(read, 90); // of the 400 rounds
    EXPECT_GT(refused, 250);
}
