// The number formatter of every writer against printf, which defines the bytes of the files.
#include <gtest/gtest.h>

#include "base/numfmt.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <tuple>

namespace {

float FromBits(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

// Counts the values whose text or length differs from printf's and reports the first few.
struct Comparer {
    long checked = 0, failures = 0;
    void Check(float value, int decimals = 6) {
        char mine[NUMFMT_MAX], expected[NUMFMT_MAX * 2];
        const int length = FormatFloat(mine, value, decimals);
        const int printed = std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ++checked;
        if (std::pair(std::string_view(mine), length) != std::pair(std::string_view(expected), printed) &&
            ++failures <= 10)
            ADD_FAILURE() << value << " decimals " << decimals << ": printf \"" << expected << "\" of "
                          << printed << ", ours \"" << mine << "\" of " << length;
    }
};

// Zeros, infinities, NaNs, the largest, smallest normal and smallest subnormal values, halves, values
// next to a rounding carry or a power of two, everyday decimals; k / 2^j, which puts exact halves at
// every decimal position; every exponent with a spread of mantissas (one in 2047 of all bit patterns),
// any bits, and the values models are made of: coordinates, UVs and colours.
TEST(NumFmt, FloatsMatchPrintf) {
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

// The model files count faces and colours with these: every digit count, both signs, ten digits,
// INT_MIN (which has no positive twin) and the largest unsigned, each as "%d" and as "%u" where it fits;
// the text, its length, and the bytes after the 12 it may take.
TEST(NumFmt, IntegersAtTheirEdgesMatchPrintf) {
    for (long long v : {0LL, 7LL, -7LL, 9LL, 10LL, -10LL, 99LL, 100LL, 999999999LL, 1000000000LL,
                        -1000000000LL, 1999999999LL, 2147483647LL, -2147483647LL, -2147483648LL, 2147483648LL,
                        4278222847LL, 4294967295LL}) {
        for (bool u : {false, true}) {
            if (u ? v < 0 : v > INT_MAX) continue;
            char mine[20];
            std::memset(mine, 'x', sizeof mine);
            int length = u ? FormatUInt(mine, unsigned(v)) : FormatInt(mine, int(v));
            char expected[20];
            std::snprintf(expected, sizeof expected, u ? "%u" : "%d", unsigned(v));
            EXPECT_EQ(
                std::make_tuple(std::string(mine, strnlen(mine, 12)), length, std::string(mine + 12, 8)),
                std::make_tuple(std::string(expected), int(std::strlen(expected)), std::string(8, 'x')));
        }
    }
}

// printf takes the decimal point from the German locale; the formatter must not.
TEST(NumFmt, IgnoresTheProcessLocale) {
    std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
    char mine[NUMFMT_MAX], printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    FormatFloat(mine, -1234.5f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(std::make_pair(std::string(printed), std::string(mine)),
              std::make_pair(std::string("1,5"), std::string("-1234.500000")));
}

} // namespace
