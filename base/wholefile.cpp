#include "base/filepath.h"

#include <cstdlib>

// The size by seeking to the end; the stream is back at its start afterwards, -1 on failure.
static long MeasureFile(FILE* f) {
    if (fseek(f, 0, SEEK_END) != 0) return -1;
    long size = ftell(f);
    if (size < 0 || fseek(f, 0, SEEK_SET) != 0) return -1;
    return size;
}

// Reads the whole file into the caller's block, or into a new one when block is null.
static long ReadWhole(const char* path, void* buffer, size_t capacity, void** out) {
    FILE* f = OpenRead(path);
    if (!f) return 0;
    long size = MeasureFile(f);
    void* dst = buffer;
    if (size > 0 && out) dst = malloc(size);
    bool ok = size > 0 && dst && (out || size_t(size) <= capacity) && fread(dst, 1, size, f) == size_t(size);
    ok = fclose(f) == 0 && ok;
    if (!ok) {
        if (out && dst) free(dst);
        return 0;
    }
    if (out) *out = dst;
    return size;
}

long ReadFileInto(const char* path, void* buffer, size_t capacity) {
    if (!buffer) return 0;
    return ReadWhole(path, buffer, capacity, nullptr);
}

long ReadFileAlloc(const char* path, void** out) {
    if (!out) return 0;
    *out = nullptr;
    return ReadWhole(path, nullptr, 0, out);
}

long ReadFileHead(const char* path, void* buffer, long n) {
    if (!buffer || n < 0) return 0;
    FILE* f = OpenRead(path);
    if (!f) return 0;
    bool ok = fread(buffer, 1, n, f) == size_t(n);
    ok = fclose(f) == 0 && ok;
    return ok ? n : 0;
}

long WriteFileFromBuffer(const char* path, const void* data, long n) {
    if ((!data && n) || n < 0) return 0;
    FILE* f = OpenWrite(path);
    if (!f) return 0;
    bool ok = fwrite(data, 1, n, f) == size_t(n);
    ok = CloseFile(f) == 0 && ok;
    return ok ? n : 0;
}

int FileExists(const char* path) {
    FILE* f = OpenRead(path);
    return f && fclose(f) == 0;
}

long GetFileSizeOf(const char* path) {
    FILE* f = OpenRead(path);
    if (!f) return 0;
    long size = MeasureFile(f);
    fclose(f);
    return size < 0 ? 0 : size;
}

FILE* OpenRead(const char* path) {
    return path ? fopen(path, "rb") : nullptr;
}
FILE* OpenWrite(const char* path) {
    return path ? fopen(path, "wb") : nullptr;
}
// The runtime's fclose does not report a failed final flush (a full disk), so the flush comes first.
int CloseFile(FILE* stream) {
    if (!stream) return EOF;
    bool ok = fflush(stream) == 0 && !ferror(stream);
    return fclose(stream) == 0 && ok ? 0 : EOF;
}
