#include "base/foutblock.h"

#include <climits>
#include <cstdlib>
#include <cstring>

int FOUTBLOCK::Read(void* dst, size_t n) {
    if (n > capacity - pos) return 0;
    if (n) memcpy(dst, data + pos, n);
    pos += n;
    return 1;
}

int FOUTBLOCK::Write(const void* src, size_t n) {
    if (n > capacity - pos && !(grows && Reserve(pos + n))) {
        failed = true;
        return 0;
    }
    if (n) memcpy(data + pos, src, n);
    pos += n;
    if (pos > written) written = pos;
    return 1;
}

void FOUTBLOCK::Seek(long p) {
    pos = p < 0 ? 0 : size_t(p) > capacity ? capacity : size_t(p);
}

void FOUTBLOCK::Skip(long n) {
    if (n < 0)
        pos = size_t(-(n + 1)) >= pos ? 0 : pos + n;
    else
        pos = size_t(n) > capacity - pos ? capacity : pos + n;
}

int FOUTBLOCK::Reserve(size_t need) {
    // Positions travel as long through the stream table, so a block stays below LONG_MAX.
    if (need > size_t(LONG_MAX)) return 0;
    if (need <= capacity) return 1;
    size_t cap = capacity ? capacity : 1;
    while (cap < need)
        cap = cap > size_t(LONG_MAX) / 2 ? size_t(LONG_MAX) : cap * 2;
    void* grown = realloc(data, cap);
    if (!grown) return 0;
    data = static_cast<unsigned char*>(grown);
    capacity = cap;
    return 1;
}

int FOUTBLOCK::Fit() {
    if (pos == 0) {
        // realloc to 0 bytes frees the block on some runtimes and not on others: free it here.
        free(data);
        Reset();
        return 1;
    }
    void* fitted = realloc(data, pos);
    if (!fitted) return 0;
    data = static_cast<unsigned char*>(fitted);
    capacity = pos;
    if (written > pos) written = pos;
    return 1;
}

void FOUTBLOCK::Release() {
    if (owned) free(data);
    Reset();
    owned = grows = failed = false;
}

void FOUTBLOCK::Reset() {
    data = nullptr;
    pos = capacity = written = 0;
}
