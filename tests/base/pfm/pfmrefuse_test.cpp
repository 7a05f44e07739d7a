#include <gtest/gtest.h>

#include <random>

#include "pfmbuild.h"

namespace {

const Bytes kValid = BuildPfm("PF\n2 1\n-1.000000\n", {1, 2, 3, 4, 5, 6});

} // namespace

TEST(PfmRefuse, EveryPrefixOfAValidFile) {
    KeptPfm kept;
    const size_t header = 17;
    for (size_t n = 0; n < kValid.size(); n++)
        kept.ExpectRefused(Bytes(kValid.begin(), kValid.begin() + n), "prefix " + std::to_string(n),
                           n < header);
    // Through a file as well: the stream reports the short read.
    Bytes cut(kValid.begin(), kValid.end() - 1);
    SaveBytes("cut.pfm", cut);
    EXPECT_FALSE(LoadPfm("cut.pfm", &kept.img));
    kept.Check("short file");
}

TEST(PfmRefuse, BadHeaders) {
    KeptPfm kept;
    const char* headers[] = {
        "PF\r\n2 1\n-1\n", // a CR stays in the line
        "P6\n2 1\n-1\n",
        " PF\n2 1\n-1\n",
        "PF \n2 1\n-1\n",
        "PF\n2\n1\n-1\n", // one number on the size line
        "PF\n2 x\n-1\n",
        "PF\n0 1\n-1\n",
        "PF\n-2 1\n-1\n",
        "PF\n2147483648 1\n-1\n", // beyond int
        "PF\n65536 65536\n-1\n",  // data beyond an int's bytes
        "PF\n2147483647 1\n-1\n",
        "Pf\n46341 46341\n-1\n",
        "PF\n2 1\n-1", // no LF after the scale
        "PF\n\n-1\n",
    };
    for (const char* header : headers)
        kept.ExpectRefused(BuildPfm(header, {1, 2, 3, 4, 5, 6}), header);
    kept.ExpectRefused(BuildPfm(std::string("PF\0\n2 1\n-1\n", 11), {1, 2, 3, 4, 5, 6}), "zero byte");
    kept.ExpectRefused(BuildPfm(std::string("PF\n2 1\0 9\n-1\n", 13), {1, 2, 3, 4, 5, 6}), "zero byte");
}

TEST(PfmRefuse, LinesLongerThan255Characters) {
    KeptPfm kept;
    std::string padded = "PF\n" + std::string(252, ' ') + "2 1\n-1\n"; // 255 characters: fine
    Bytes fits = BuildPfm(padded, {1, 2, 3, 4, 5, 6});
    PFMDATA img;
    EXPECT_TRUE(LoadPfm(fits.data(), fits.size(), &img));
    kept.ExpectRefused(BuildPfm("PF\n " + padded.substr(3), {1, 2, 3, 4, 5, 6}), "256 characters");
    kept.ExpectRefused(Bytes(100000, 'P'), "no line end at all");
}

TEST(PfmRefuse, DataShorterThanTheSize) {
    KeptPfm kept;
    // Huge sizes over a few bytes are refused before anything large is allocated.
    kept.ExpectRefused(BuildPfm("PF\n10000 10000\n-1\n", {1, 2, 3}), "huge rgb", false);
    kept.ExpectRefused(BuildPfm("Pf\n23170 23170\n1\n", {1}), "huge gray, big-endian", false);
    kept.ExpectRefused(BuildPfm("Pf\n3 1\n-1\n", {1, 2}), "one float short", false);
    // Bytes after the data are not part of the image and do no harm.
    Bytes longer = BuildPfm("Pf\n1 1\n-1\n", {7, 8, 9});
    PFMDATA img;
    EXPECT_TRUE(LoadPfm(longer.data(), longer.size(), &img));
    EXPECT_EQ(7.0f, img.GetPixel(0, 0).x);
}

// A few thousand damaged files from valid ones, with a fixed seed so every run is the same: each
// is refused with the image as it was, or read as an image whose data the file really held.
TEST(PfmRefuse, DamagedFilesNeverCrashOrCorrupt) {
    const std::vector<Bytes> seeds = {
        kValid,
        BuildPfm("Pf\n3 2\n-0.5\n", {1, 2, 3, 4, 5, 6}),
        BuildPfm("PF\n1 2\n2.0\n", {1, 2, 3, 4, 5, 6}, true),
        BuildPfm("Pf\n4 1\n1\n", {9, 8, 7, 6}, true),
    };
    const char* edges[] = {"0",          "-1",          "1",     "2",           "7",   "2147483647",
                           "2147483648", "-2147483648", "65535", "99999999999", "1e9", "+",
                           "\r",         "\n",          " ",     "\t"};
    std::mt19937 rng(20261206);
    KeptPfm kept;
    int loaded = 0, refused = 0;
    for (int i = 0; i < 4000; i++) {
        Bytes file = seeds[rng() % seeds.size()];
        for (int changes = 1 + rng() % 3; changes > 0; changes--) {
            size_t at = file.empty() ? 0 : rng() % file.size();
            switch (rng() % 5) {
            case 0: // one random byte, mostly in the header
                if (!file.empty()) file[rng() % 2 ? at : at % 16] = (unsigned char)rng();
                break;
            case 1: { // an edge value into the header
                const char* e = edges[rng() % (sizeof edges / sizeof edges[0])];
                file.insert(file.begin() + at % 16 % (file.size() + 1), e, e + strlen(e));
                break;
            }
            case 2: // a byte removed
                if (!file.empty()) file.erase(file.begin() + at);
                break;
            case 3: // cut short
                file.resize(at);
                break;
            case 4: // junk after
                file.resize(file.size() + rng() % 32, (unsigned char)rng());
                break;
            }
        }
        const void* data = file.empty() ? "" : static_cast<const void*>(file.data());
        PFMDATA fresh;
        if (LoadPfm(data, file.size(), &fresh)) {
            loaded++;
            ASSERT_GT(fresh.GetDataSize(), 0) << i;
            ASSERT_LT(size_t(fresh.GetDataSize()), file.size()) << i;
            ASSERT_EQ(size_t(fresh.GetDataSize()), fresh.GetAllocSize()) << i;
        } else {
            refused++;
            bool badHeader = !LoadPfmHeader(data, file.size(), &fresh);
            kept.ExpectRefused(file, "mutant " + std::to_string(i), badHeader);
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_GT(loaded, 200);
    EXPECT_GT(refused, 1000);
}
