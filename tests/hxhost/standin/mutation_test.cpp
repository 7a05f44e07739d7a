#include <gtest/gtest.h>

#include <random>

#include "testfiles.h"
#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/bmpimage.h"

// Damaged copies of valid inputs: every one is read or refused, none crashes or leaks a block.

TEST(Mutation, DamagedBmpFilesAreReadOrRefused) {
    std::string good = ReadFileBytes(std::string(HX_TEST_DATA) + "/../../../samples/leaf32.bmp");
    ASSERT_EQ(1078u, good.size());
    std::mt19937 random(1234);
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        std::string file = good;
        for (int flips = 1 + int(random() % 4); flips > 0; --flips) {
            // Most damage goes to the headers, where it matters.
            size_t at = random() % 3 ? random() % 70 : random() % file.size();
            file[at] = char(random());
        }
        if (random() % 5 == 0) file.resize(random() % file.size());
        std::string path = WriteScratch("mutated.bmp", file);
        BITMAPINFO* header = nullptr;
        void* bits = nullptr;
        if (hxhost::LoadBmpImage(path.c_str(), &header, &bits, nullptr)) {
            // What was accepted describes pixels that were all in the file.
            const BITMAPINFOHEADER& h = header->bmiHeader;
            size_t stride = (size_t(h.biWidth) * h.biBitCount + 31) / 32 * 4;
            size_t bytes = stride * size_t(h.biHeight < 0 ? -h.biHeight : h.biHeight);
            EXPECT_LE(bytes, file.size());
            EXPECT_GE(LocalSize(bits), bytes);
            LocalFree(header);
            LocalFree(bits);
        } else {
            ++refused;
            EXPECT_EQ(nullptr, header);
            EXPECT_EQ(nullptr, bits);
        }
    }
    EXPECT_GT(refused, 100);
}

TEST(Mutation, CutAndDamagedDocumentsAreReadOrRefused) {
    std::string good = ReadFileBytes(std::string(HX_TEST_DATA) + "/../../../samples/sample.json");
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText(good, &error)) << error;
    for (size_t cut = 0; cut + 2 < good.size(); cut += 7) {
        EXPECT_FALSE(hxhost::OpenDocumentText(good.substr(0, cut), &error)) << cut;
        EXPECT_FALSE(error.empty());
    }
    std::mt19937 random(99);
    const char replacements[] = "0-9e.,:[]{}\"nul";
    for (int round = 0; round < 300; ++round) {
        std::string text = good;
        text[random() % text.size()] = replacements[random() % (sizeof replacements - 1)];
        error.clear();
        bool read = hxhost::OpenDocumentText(text, &error);
        EXPECT_NE(read, !error.empty());
    }
    hxhost::CloseDocument();
}
