// PFM files: three header lines ended by LF, then the raw floats.
#include "base/pfmdata.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "base/numfmt.h"

namespace {

const size_t kLine = 256; // a header line holds at most 255 characters

// One header line without its LF (a CR before it stays in the line); false when the stream
// ends first, the line is too long or holds a zero byte, which would end its text early.
bool ReadLine(FOUT& stream, char (&line)[kLine]) {
    for (size_t n = 0; n < kLine; n++) {
        char c;
        if (!stream.Read(&c, 1) || c == 0) return false;
        if (c == '\n') {
            line[n] = 0;
            return true;
        }
        line[n] = c;
    }
    return false;
}

const char* SkipBlanks(const char* s) {
    while (*s == ' ' || *s == '\t' || *s == '\r' || *s == '\v' || *s == '\f')
        ++s;
    return s;
}

// A dimension as "%d" reads it (blanks, a sign, digits), which must be positive and fit an int.
bool ParseDimension(const char*& s, int& value) {
    const char* p = SkipBlanks(s);
    if (*p == '+' && p[1] >= '0' && p[1] <= '9') ++p;
    auto [next, ec] = std::from_chars(p, p + strlen(p), value);
    if (ec != std::errc() || value <= 0) return false;
    s = next;
    return true;
}

// "%d %d": width and height; whatever follows the height is not read.
bool ParseSize(const char* line, int& width, int& height) {
    return ParseDimension(line, width) && ParseDimension(line, height);
}

// The scale, whose sign gives the byte order; 0, NaN or no number at all count as -1.
float ParseScale(const char* line) {
    const char* p = SkipBlanks(line);
    if (*p == '+') ++p;
    double value = 0.0;
    std::from_chars(p, p + strlen(p), value);
    if (std::isnan(value) || value == 0.0) return -1.0f;
    if (std::fabs(value) > FLT_MAX) return value < 0 ? -FLT_MAX : FLT_MAX;
    float scale = float(value);
    return scale == 0.0f ? (value < 0 ? -FLT_MIN : FLT_MIN) : scale;
}

// Reads the gray flag, size and scale into header (its data untouched); false when any line is bad.
bool ReadHeader(FOUT& stream, PFMDATA& header) {
    char line[kLine];
    if (!ReadLine(stream, line)) return false;
    int gray;
    if (strcmp(line, "PF") == 0)
        gray = 0;
    else if (strcmp(line, "Pf") == 0)
        gray = 1;
    else
        return false;
    int width, height;
    if (!ReadLine(stream, line) || !ParseSize(line, width, height)) return false;
    if (!ReadLine(stream, line)) return false;
    header.SetGray(gray);
    header.SetSize(width, height);
    header.SetScale(ParseScale(line));
    return header.GetDataSize() > 0; // 0 when the data would not fit in an int
}

void ReverseFloats(float* data, size_t count) {
    unsigned char* p = reinterpret_cast<unsigned char*>(data);
    for (size_t i = 0; i < count; i++, p += 4) {
        std::swap(p[0], p[3]);
        std::swap(p[1], p[2]);
    }
}

} // namespace

int ReadPfmHeader(FOUT& stream, PFMDATA* image) {
    PFMDATA header;
    if (!image || !ReadHeader(stream, header)) return 0;
    int width, height;
    header.GetSize(&width, &height);
    image->SetGray(header.IsGray());
    image->SetSize(width, height);
    image->SetScale(header.GetScale());
    return 1;
}

int ReadPfm(FOUT& stream, PFMDATA* image) {
    PFMDATA read;
    if (!image || !ReadHeader(stream, read)) return 0;
    size_t bytes = size_t(read.GetDataSize());
    // A stream that knows its size refuses short data before a large block is allocated.
    long size = stream.GetSize(), at = stream.Tell();
    if (size > 0 && at >= 0 && (at > size || size_t(size - at) < bytes)) return 0;
    if (!read.Alloc() || !stream.Read(read.GetData(), bytes)) return 0;
    if (read.GetScale() > 0) ReverseFloats(read.GetData(), bytes / 4);
    image->Swap(read);
    return 1;
}

int LoadPfm(const char* path, PFMDATA* image) {
    PFMFOUT stream;
    FOUTFILE file;
    return path && image && file.OpenRead(stream, path) && ReadPfm(stream, image);
}

int LoadPfmHeader(const char* path, PFMDATA* image) {
    PFMFOUT stream;
    FOUTFILE file;
    return path && image && file.OpenRead(stream, path) && ReadPfmHeader(stream, image);
}

// The reader never writes, so the caller's block is attached as it is.
int LoadPfm(const void* block, size_t size, PFMDATA* image) {
    if (!block || !image) return 0;
    PFMFOUT stream;
    FOUTMEM memory(stream, const_cast<void*>(block), size);
    return ReadPfm(stream, image);
}

int LoadPfmHeader(const void* block, size_t size, PFMDATA* image) {
    if (!block || !image) return 0;
    PFMFOUT stream;
    FOUTMEM memory(stream, const_cast<void*>(block), size);
    return ReadPfmHeader(stream, image);
}

int SavePfm(const char* path, const PFMDATA* image) {
    if (!path || !image) return 0;
    size_t bytes = size_t(image->GetDataSize());
    // Data allocated for another size would be written short or read past.
    if (bytes == 0 || image->GetAllocSize() < bytes) return 0;
    int width, height;
    image->GetSize(&width, &height);
    char head[16 + 2 * 12 + NUMFMT_MAX];
    char* p = head;
    memcpy(p, image->IsGray() ? "Pf\n" : "PF\n", 3);
    p += 3;
    p += FormatInt(p, width);
    *p++ = ' ';
    p += FormatInt(p, height);
    *p++ = '\n';
    p += FormatFloat(p, -std::fabs(image->GetScale()));
    *p++ = '\n';

    PFMFOUT stream;
    FOUTFILE file;
    if (!file.OpenWrite(stream, path)) return 0;
    bool ok = stream.Write(head, size_t(p - head));
    ok = ok && stream.Write(image->GetData(), bytes);
    return file.Close() && ok;
}
