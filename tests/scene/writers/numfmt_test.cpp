// The number formatter of every writer against printf, which defines the bytes of the files.
#include <gtest/gtest.h>

#include "base/numfmt.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

float FromBits(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

// Counts the values whose text differs from printf's and reports the first few.
struct Comparer {
    long checked = 0, failures = 0;
    void Check(float value, int decimals = 6) {
        char mine[NUMFMT_MAX], expected[NUMFMT_MAX * 2];
        int length = FormatFloat(mine, value, decimals);
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ++checked;
        if ((std::strcmp(expected, mine) != 0 || length != int(std::strlen(expected))) && ++failures <= 10)
            ADD_FAILURE() << value << " decimals " << decimals << ": printf \"" << expected << "\", ours \""
                          << mine << "\"";
    }
};

// Zeros, infinities, NaNs, the largest, smallest normal and smallest subnormal values, halves, values
// next to a rounding carry or a power of two, everyday decimals; then k / 2^j, which puts exact halves
// at every decimal position.
TEST(NumFmt, EdgeValuesAndTiesMatchPrintf) {
    const uint32_t edges[] = {0x00000000, 0x80000000, 0x7F800000, 0xFF800000, 0x7FC00000, 0xFFC00000,
                              0x7F800001, 0xFFC00001, 0x7F7FFFFF, 0xFF7FFFFF, 0x00800000, 0x00000001,
                              0x3F000000, 0x3FC00000, 0x40200000, 0xBF000000, 0x3E800000, 0x3F400000,
                              0x3E000000, 0x3C000000, 0x3CC00000, 0x3F7FFFF8, 0x3F7FFFFF, 0x497423FF,
                              0x4B189680, 0x4AFFFFFF, 0x4B000000, 0x4B800000, 0x501502F9, 0x5F800000,
                              0x5F800001, 0x7149F2CA, 0x4F800000, 0x33D6BF95, 0x350637BD, 0x358637BD,
                              0x358637BE, 0x3DCCCCCD, 0x3E4CCCCD, 0x3E99999A, 0x42652EE1};
    Comparer c;
    for (uint32_t bits : edges)
        for (int d = 0; d <= 9; ++d)
            c.Check(FromBits(bits), d);
    for (int j = 1; j <= 30; ++j)
        for (uint32_t k = 1; k < 4096; k += 1)
            c.Check(std::ldexp(float(k), -j), j % 10);
    for (int k = -2000; k <= 2000; ++k) {
        c.Check(k / 128.0f);
        c.Check(k * 0.5f, 0);
    }
    EXPECT_EQ(0, c.failures);
}

// Every exponent with a spread of mantissas (one in 2047 of all bit patterns), any bits, and the values
// models are made of: coordinates, UVs and colours.
TEST(NumFmt, MillionsOfFloatsMatchPrintf) {
    Comparer c;
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 2047)
        c.Check(FromBits(uint32_t(bits)));
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> coordinates(-10000.0f, 10000.0f), unit(-2.0f, 2.0f);
    for (int i = 0; i < 1000000; ++i) {
        c.Check(FromBits(rng()), int(rng() % 10));
        c.Check(coordinates(rng));
        c.Check(unit(rng));
    }
    EXPECT_GT(c.checked, 5000000);
    EXPECT_EQ(0, c.failures);
}

// Integers are pinned by the golden files.
TEST(NumFmt, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "German_Germany.1252");
    char mine[NUMFMT_MAX];
    FormatFloat(mine, -1234.5f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_STREQ("-1234.500000", mine);
}

} // namespace
