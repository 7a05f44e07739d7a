#pragma once
// Damaged copies of valid inputs for every reader of outside data: each prefix of a good input, and
// seeded mutations of good inputs that are the same on every run. The reader's test decides what
// "read" and "refused" must leave behind.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mutate {

// Values on the edges of what size and offset checks accept.
inline const std::vector<uint32_t>& EdgeValues() {
    static const std::vector<uint32_t> v = {
        0,      1,       2,          3,           4,           8,           15,         16,
        24,     32,      40,         54,          124,         255,         256,        0x7fff,
        0xffff, 0x10000, 0x7fffffff, 0x80000000u, 0x80000001u, 0xfffffffeu, 0xffffffffu};
    return v;
}

struct Options {
    unsigned seed = 1;
    int rounds = 1000;
    std::vector<size_t> fields; // offsets of little-endian header fields that get edge values
    std::string alphabet;       // characters that replace bytes in text inputs (empty: any byte)
    size_t head = 0;            // most damage goes to the first head bytes when set
};

// One to four changes: a byte replaced, an edge value into a field, the input cut or grown.
template <class Bytes> void Damage(Bytes& b, std::mt19937& rng, const Options& o) {
    using Byte = typename Bytes::value_type;
    for (int changes = 1 + int(rng() % 4); changes > 0; changes--) {
        switch (rng() % 5) {
        case 0:
        case 1: {
            if (b.empty()) break;
            size_t at = o.head && rng() % 3 ? rng() % std::min(o.head, b.size()) : rng() % b.size();
            b[at] = o.alphabet.empty() ? Byte(rng()) : Byte(o.alphabet[rng() % o.alphabet.size()]);
            break;
        }
        case 2: {
            if (o.fields.empty()) break;
            size_t at = o.fields[rng() % o.fields.size()];
            uint32_t v = EdgeValues()[rng() % EdgeValues().size()];
            if (rng() % 4 == 0) v = uint32_t(-int32_t(v));
            int n = rng() % 2 ? 4 : 2;
            for (int i = 0; i < n && at + i < b.size(); i++)
                b[at + i] = Byte(v >> (8 * i));
            break;
        }
        case 3:
            b.resize(b.empty() ? 0 : rng() % b.size());
            break;
        case 4:
            b.resize(b.size() + rng() % 64, Byte(rng()));
            break;
        }
    }
}

// Calls visit(input, label) for every proper prefix of good.
template <class Bytes, class Visit> void EachPrefix(const Bytes& good, Visit visit, size_t step = 1) {
    for (size_t n = 0; n < good.size(); n += step)
        visit(Bytes(good.begin(), good.begin() + n), "prefix " + std::to_string(n));
}

// Calls visit(input, label) for o.rounds damaged copies of the seeds.
template <class Bytes, class Visit>
void EachMutation(const std::vector<Bytes>& seeds, const Options& o, Visit visit) {
    std::mt19937 rng(o.seed);
    for (int round = 0; round < o.rounds; round++) {
        Bytes b = seeds[rng() % seeds.size()];
        Damage(b, rng, o);
        visit(b, "mutation " + std::to_string(round));
    }
}

} // namespace mutate
