#include "scene/exptext.h"

#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include "base/fout.h"
#include "base/umess.h"
#include "scene/quotedtext.h"

namespace {
// Large enough that a million-face model needs few writes, small beside the model itself.
constexpr size_t kFlushSize = 1 << 16;
} // namespace

EXPTEXT::~EXPTEXT() {
    std::free(data);
}

char* EXPTEXT::Grow(size_t n) {
    size_t want = capacity ? capacity : kFlushSize + 256;
    while (want < used + n)
        want *= 2;
    char* bigger = static_cast<char*>(std::realloc(data, want));
    if (!bigger) throw std::bad_alloc();
    data = bigger;
    capacity = want;
    return data + used;
}

void EXPTEXT::Tabs(int depth) {
    if (depth <= 0) return;
    std::memset(Reserve(depth), '\t', depth);
    used += depth;
}

void EXPTEXT::PutName(const char* text) {
    size_t n = std::strlen(text);
    char* p = Reserve(n);
    std::memcpy(p, text, n);
    MakeQuotable(p, n);
    used += n;
}

void EXPTEXT::PutMap(const char* text) {
    if (!text || !*text) return;
    Put(" \"", 2);
    Put(text);
    Put("\"", 1);
}

char* EXPTEXT::Float(char* p, float v, int decimals) {
    if (!std::isfinite(v)) nonFinite = failed = true;
    return p + FormatFloat(p, v, decimals);
}

void EXPTEXT::EndLine() {
    if (nonFinite && !reported) {
        size_t start = lineStart;
        while (start < used && data[start] == '\t')
            ++start;
        std::string line(data + start, used - start);
        mess.PrintfLn("有限でない数値は書き込めません!!(%s)", line.c_str());
        reported = true;
    }
    nonFinite = false;
    Put("\r\n", 2);
    lineStart = used;
    if (used >= kFlushSize) Flush();
}

// After a failure nothing more is written: a failed file is not finished with later lines.
int EXPTEXT::Flush() {
    if (used && !failed && !out.Write(data, used)) failed = true;
    used = lineStart = 0;
    return failed ? 0 : 1;
}
