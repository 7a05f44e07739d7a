#include <gtest/gtest.h>

#include "base/numfmt.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

float FromBits(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

std::string Printf(float value, int decimals) {
    char buf[NUMFMT_MAX * 2];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

// Counts the values whose text differs from printf's and reports the first few.
class Comparer {
  public:
    void Check(float value, int decimals = 6) {
        char mine[NUMFMT_MAX];
        int length = FormatFloat(mine, value, decimals);
        std::string expected = Printf(value, decimals);
        ++checked_;
        if (expected != mine || length != int(expected.size())) {
            if (++failures_ <= 10) {
                uint32_t bits;
                std::memcpy(&bits, &value, 4);
                ADD_FAILURE() << "bits 0x" << std::hex << bits << std::dec << " decimals " << decimals
                              << ": printf \"" << expected << "\", ours \"" << mine << "\"";
            }
        }
    }
    long checked() const { return checked_; }
    long failures() const { return failures_; }

  private:
    long checked_ = 0;
    long failures_ = 0;
};

} // namespace

TEST(NumFmt, EdgeValuesMatchPrintf) {
    Comparer c;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float edges[] = {0.0f,
                           -0.0f,
                           inf,
                           -inf,
                           nan,
                           -nan,
                           FromBits(0x7F800001),
                           FromBits(0xFFC00001),
                           std::numeric_limits<float>::max(),
                           -std::numeric_limits<float>::max(),
                           std::numeric_limits<float>::min(),
                           std::numeric_limits<float>::denorm_min(),
                           0.5f,
                           1.5f,
                           2.5f,
                           -0.5f,
                           0.25f,
                           0.75f,
                           0.125f,
                           0.0078125f,
                           0.0234375f,
                           0.9999995f,
                           0.99999994f,
                           999999.94f,
                           9.9999995e6f,
                           8388607.5f,
                           8388608.0f,
                           16777216.0f,
                           1e10f,
                           1.8446744e19f,
                           1.8446746e19f,
                           1e30f,
                           4.2949673e9f,
                           1e-7f,
                           5e-7f,
                           4.9999999e-7f,
                           1e-6f,
                           1.0000001e-6f,
                           0.1f,
                           0.2f,
                           0.3f,
                           57.29578f};
    for (float v : edges)
        for (int d = 0; d <= 9; ++d)
            c.Check(v, d);
    EXPECT_EQ(0, c.failures());
}

TEST(NumFmt, ExactTiesRoundToEven) {
    Comparer c;
    // k / 2^j with j up to 30 puts exact halves at every decimal position.
    for (int j = 1; j <= 30; ++j)
        for (uint32_t k = 1; k < 4096; k += 1)
            c.Check(std::ldexp(float(k), -j), j % 10);
    for (int k = -2000; k <= 2000; ++k)
        c.Check(k / 128.0f);
    for (int k = -2000; k <= 2000; ++k)
        c.Check(k * 0.5f, 0);
    EXPECT_EQ(0, c.failures());
}

TEST(NumFmt, MillionsOfFloatsMatchPrintf) {
    Comparer c;
    // Every exponent and a spread of mantissas: one value in 2048 of all bit patterns.
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 2047)
        c.Check(FromBits(uint32_t(bits)));
    std::mt19937 rng(12345);
    for (int i = 0; i < 1000000; ++i)
        c.Check(FromBits(rng()), int(rng() % 10));
    // The values models are made of: coordinates, UVs and colours.
    std::uniform_real_distribution<float> coordinates(-10000.0f, 10000.0f), unit(-2.0f, 2.0f);
    for (int i = 0; i < 1000000; ++i)
        c.Check(coordinates(rng));
    for (int i = 0; i < 1000000; ++i)
        c.Check(unit(rng));
    EXPECT_GT(c.checked(), 5000000);
    EXPECT_EQ(0, c.failures());
}

TEST(NumFmt, IntegersMatchPrintf) {
    const int ints[] = {
        0, 1, -1, 9, 10, 99, 100, 12345, -12345, 999999999, 1000000000, 2147483647, -2147483647 - 1};
    for (int v : ints) {
        char mine[16], ref[16];
        std::snprintf(ref, sizeof ref, "%d", v);
        EXPECT_EQ(int(std::strlen(ref)), FormatInt(mine, v));
        EXPECT_STREQ(ref, mine);
    }
    const unsigned uints[] = {0u, 7u, 4278222847u, 4294967295u, 1000000000u};
    for (unsigned v : uints) {
        char mine[16], ref[16];
        std::snprintf(ref, sizeof ref, "%u", v);
        EXPECT_EQ(int(std::strlen(ref)), FormatUInt(mine, v));
        EXPECT_STREQ(ref, mine);
    }
}

TEST(NumFmt, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "German_Germany.1252");
    char mine[NUMFMT_MAX];
    FormatFloat(mine, -1234.5f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_STREQ("-1234.500000", mine);
}
