#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "testfiles.h"
#include "tools/hxhost/lib/bmpimage.h"

using hxhost::LoadBmpImage;

namespace {
void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i)));
}

// A BMP file as a writer would make it; `pixels` are the rows as stored, padding included.
std::string Bmp(int32_t width, int32_t height, int bits, const std::string& pixels, uint32_t compression = 0,
                const std::string& masks = "") {
    std::string file = "BM";
    uint32_t offset = 54 + uint32_t(masks.size());
    Put(file, offset + uint32_t(pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    Put(file, 40, 4);
    Put(file, uint32_t(width), 4);
    Put(file, uint32_t(height), 4);
    Put(file, 1, 2);
    Put(file, uint32_t(bits), 2);
    Put(file, compression, 4);
    Put(file, uint32_t(pixels.size()), 4);
    Put(file, 0, 16);
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
    explicit Loaded(const std::string& file, const char* name = "image.bmp") {
        std::string path = WriteScratch(name, file);
        ok = LoadBmpImage(path.c_str(), &header, &bits, &reason);
    }
    ~Loaded() {
        // The plug-in releases both blocks with LocalFree; that must succeed.
        if (header) {
            EXPECT_EQ(nullptr, LocalFree(header));
        }
        if (bits) {
            EXPECT_EQ(nullptr, LocalFree(bits));
        }
    }
    std::string Bytes(size_t n) const { return std::string(static_cast<const char*>(bits), n); }
};
} // namespace

TEST(BmpImage, Reads24BitRowsInTheFilesOrder) {
    Loaded up(Bmp(3, 2, 24, kRows24));
    ASSERT_TRUE(up.ok) << up.reason;
    EXPECT_EQ(2, up.header->bmiHeader.biHeight);
    EXPECT_EQ(kRows24, up.Bytes(24));
    EXPECT_GE(LocalSize(up.bits), 24u);

    Loaded down(Bmp(3, -2, 24, kRows24));
    ASSERT_TRUE(down.ok) << down.reason;
    EXPECT_EQ(-2, down.header->bmiHeader.biHeight); // top-down stays top-down
    EXPECT_EQ(kRows24, down.Bytes(24));
}

TEST(BmpImage, Reads32BitWithStandardMasksOnly) {
    std::string pixels("\x10\x20\x30\x40\x50\x60\x70\x80", 8);
    std::string masks;
    Put(masks, 0xFF0000, 4);
    Put(masks, 0xFF00, 4);
    Put(masks, 0xFF, 4);
    Loaded fields(Bmp(2, 1, 32, pixels, BI_BITFIELDS, masks));
    ASSERT_TRUE(fields.ok) << fields.reason;
    EXPECT_EQ(DWORD(BI_RGB), fields.header->bmiHeader.biCompression);
    EXPECT_EQ(pixels, fields.Bytes(8));

    std::string swapped;
    Put(swapped, 0xFF, 4);
    Put(swapped, 0xFF00, 4);
    Put(swapped, 0xFF0000, 4);
    EXPECT_FALSE(Loaded(Bmp(2, 1, 32, pixels, BI_BITFIELDS, swapped)).ok);
}

TEST(BmpImage, RefusesBadFilesWithoutAllocating) {
    std::string good = Bmp(3, 2, 24, kRows24);
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
        {"planes 2", with(26, 2, 2)},
        {"run-length", with(30, BI_RLE8, 4)},
        {"header size 12", with(14, 12, 4)},
        {"width 0", with(18, 0, 4)},
        {"negative width", with(18, uint32_t(-3), 4)},
        {"height 0", with(22, 0, 4)},
        {"most negative height", with(22, uint32_t(INT_MIN), 4)},
        {"huge", with(18, 0x7FFFFFFF, 4)},
        {"offset past the end", with(10, 0xFFFFFF00, 4)},
        {"offset inside the header", with(10, 20, 4)},
    };
    for (const auto& [what, file] : cases) {
        Loaded image(file, "bad.bmp");
        EXPECT_FALSE(image.ok) << what;
        EXPECT_FALSE(image.reason.empty()) << what;
        EXPECT_EQ(nullptr, image.header) << what;
        EXPECT_EQ(nullptr, image.bits) << what;
    }
    BITMAPINFO* header = reinterpret_cast<BITMAPINFO*>(1);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_FALSE(LoadBmpImage(ScratchPath("missing.bmp").c_str(), &header, &bits, nullptr));
    EXPECT_EQ(nullptr, header);
    EXPECT_EQ(nullptr, bits);
    EXPECT_FALSE(LoadBmpImage(nullptr, &header, &bits, nullptr));
}
