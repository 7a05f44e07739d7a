#include "base/numfmt.h"

#include <cstdint>
#include <cstring>

namespace {

const char kDigitPairs[] = "00010203040506070809"
                           "10111213141516171819"
                           "20212223242526272829"
                           "30313233343536373839"
                           "40414243444546474849"
                           "50515253545556575859"
                           "60616263646566676869"
                           "70717273747576777879"
                           "80818283848586878889"
                           "90919293949596979899";

const double kPow10Double[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
const uint32_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// Writes exactly `count` digits of v (leading zeros included) ending just before `end`.
void PutDigitsBackward(char* end, uint32_t v, int count) {
    while (count >= 2) {
        uint32_t pair = v % 100;
        v /= 100;
        end -= 2;
        std::memcpy(end, kDigitPairs + pair * 2, 2);
        count -= 2;
    }
    if (count) *--end = char('0' + v % 10);
}

int DigitCount(uint32_t v) {
    int n = 1;
    while (n < 10 && v >= kPow10[n])
        ++n;
    return n;
}

char* PutU32(char* p, uint32_t v) {
    if (v < 10) {
        *p = char('0' + v);
        return p + 1;
    }
    int n = DigitCount(v);
    PutDigitsBackward(p + n, v, n);
    return p + n;
}

// An integer held as little-endian 32-bit words: the whole part of floats of 2^64 and beyond.
char* PutWords(char* p, uint32_t* words, int count) {
    uint32_t chunks[8];
    int chunkCount = 0;
    while (count > 0) {
        uint64_t rem = 0;
        for (int i = count - 1; i >= 0; --i) {
            uint64_t cur = (rem << 32) | words[i];
            words[i] = uint32_t(cur / 1000000000u);
            rem = cur % 1000000000u;
        }
        chunks[chunkCount++] = uint32_t(rem);
        while (count > 0 && words[count - 1] == 0)
            --count;
    }
    p = PutU32(p, chunks[--chunkCount]);
    while (chunkCount > 0) {
        PutDigitsBackward(p + 9, chunks[--chunkCount], 9);
        p += 9;
    }
    return p;
}

// The whole part m * 2^e of a float of 2^23 and beyond (e >= 0).
char* PutScaledInteger(char* p, uint32_t m, int e) {
    uint32_t words[5] = {0, 0, 0, 0, 0};
    uint64_t shifted = uint64_t(m) << (e % 32);
    words[e / 32] = uint32_t(shifted);
    words[e / 32 + 1] = uint32_t(shifted >> 32);
    return PutWords(p, words, e / 32 + 2);
}

// The common case: |value| * 10^decimals below 2^31. The product is exact in double (24 bits
// of mantissa times the 21-bit odd part of 10^9 at most), and rounding is done by hand, so the
// result does not depend on the processor's rounding mode.
bool PutSmall(char*& p, float value, int decimals) {
    double scaled = double(value < 0 ? -value : value) * kPow10Double[decimals];
    if (!(scaled < 2147483647.0)) return false;
    uint32_t q = uint32_t(int32_t(scaled));
    double rem = scaled - double(q);
    // Without branches: which way a value rounds is as good as random.
    q += uint32_t(rem > 0.5) | (uint32_t(rem == 0.5) & q & 1);
    uint32_t unit = kPow10[decimals];
    p = PutU32(p, q / unit);
    if (decimals == 6) {
        // Two digits at a time from the top: y >> 32 is the next pair (checked for every
        // fraction below 10^6).
        uint64_t y = uint64_t(q % unit) * 429497u;
        *p++ = '.';
        for (int i = 0; i < 3; ++i) {
            std::memcpy(p, kDigitPairs + 2 * uint32_t(y >> 32), 2);
            p += 2;
            y = uint64_t(uint32_t(y)) * 100u;
        }
    } else if (decimals) {
        *p++ = '.';
        PutDigitsBackward(p + decimals, q % unit, decimals);
        p += decimals;
    }
    return true;
}

char* PutZeroFraction(char* p, int decimals) {
    if (decimals == 0) return p;
    *p++ = '.';
    std::memset(p, '0', decimals);
    return p + decimals;
}

} // namespace

int FormatUInt(char* out, unsigned value) {
    char* end = PutU32(out, value);
    *end = 0;
    return int(end - out);
}

int FormatInt(char* out, int value) {
    char* p = out;
    uint32_t magnitude = uint32_t(value);
    if (value < 0) {
        *p++ = '-';
        magnitude = 0u - magnitude;
    }
    char* end = PutU32(p, magnitude);
    *end = 0;
    return int(end - out);
}

int FormatFloat(char* out, float value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 9) decimals = 9;
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    uint32_t expField = (bits >> 23) & 0xFF;
    uint32_t frac = bits & 0x7FFFFF;
    char* p = out;
    if (expField == 0xFF && frac) {
        // printf shows no sign on a NaN.
        std::memcpy(out, "nan", 4);
        return 3;
    }
    if (bits >> 31) *p++ = '-';
    if (expField == 0xFF) {
        std::memcpy(p, "inf", 4);
        return int(p + 3 - out);
    }
    if (PutSmall(p, value, decimals)) {
        *p = 0;
        return int(p - out);
    }
    // The float is exactly m * 2^e; every step below is exact integer arithmetic.
    uint32_t m = expField ? (frac | 0x800000) : frac;
    int e = expField ? int(expField) - 150 : -149;
    if (e >= 0) {
        p = PutScaledInteger(p, m, e);
        p = PutZeroFraction(p, decimals);
        *p = 0;
        return int(p - out);
    }
    int k = -e;
    uint32_t whole = k < 32 ? m >> k : 0;
    uint64_t fracBits = k < 32 ? (m & ((1u << k) - 1)) : m;
    uint64_t scaled = fracBits * kPow10[decimals];
    uint64_t q = 0;
    if (k < 64) {
        q = scaled >> k;
        uint64_t rem = scaled & ((uint64_t(1) << k) - 1);
        uint64_t half = uint64_t(1) << (k - 1);
        // Ties go to the even last digit, as printf rounds the exact binary value.
        uint64_t lastDigit = decimals ? q : whole;
        if (rem > half || (rem == half && (lastDigit & 1))) ++q;
        if (decimals == 0) {
            whole += uint32_t(q);
            q = 0;
        } else if (q == kPow10[decimals]) {
            q = 0;
            ++whole;
        }
    }
    p = PutU32(p, whole);
    if (decimals) {
        *p++ = '.';
        PutDigitsBackward(p + decimals, uint32_t(q), decimals);
        p += decimals;
    }
    *p = 0;
    return int(p - out);
}
