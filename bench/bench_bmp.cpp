// Loads and saves an 8192 x 8192 24-bit BMP and, in the same run, reads and writes the same bytes
// raw; prints the times, their ratios and the peak memory that loading and saving took.
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <windows.h>
#include <psapi.h>

#include "base/ubmpdat.h"

namespace {

const int kSide = 8192;
const char* kSource = "bench_bmp_in.bmp";
const char* kSaved = "bench_bmp_out.bmp";
const char* kRaw = "bench_bmp_raw.bmp";

double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return double(t.QuadPart) / double(f.QuadPart);
}

size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize;
}

size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.WorkingSetSize;
}

void Put32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; i++)
        p[i] = (unsigned char)(v >> (8 * i));
}

// Writes the source picture row by row, so that making it costs no image-sized block.
bool WriteSource() {
    const uint32_t stride = kSide * 3, pixels = stride * kSide;
    unsigned char head[54] = {'B', 'M'};
    Put32(head + 2, 54 + pixels);
    Put32(head + 10, 54);
    Put32(head + 14, 40);
    Put32(head + 18, kSide);
    Put32(head + 22, kSide);
    head[26] = 1;
    head[28] = 24;
    FILE* f = fopen(kSource, "wb");
    if (!f) return false;
    bool ok = fwrite(head, 1, sizeof head, f) == sizeof head;
    std::vector<unsigned char> row(stride);
    for (int y = 0; ok && y < kSide; y++) {
        for (uint32_t i = 0; i < stride; i++)
            row[i] = (unsigned char)(i * 7 + y * 13);
        ok = fwrite(row.data(), 1, stride, f) == stride;
    }
    return fclose(f) == 0 && ok;
}

struct Times {
    double load = 1e9, save = 1e9, read = 1e9, write = 1e9;
};

bool RunBmp(Times& t) {
    UBMPDAT img;
    double t0 = Now();
    if (!img.LoadBMP(kSource)) return false;
    double t1 = Now();
    if (!img.SaveBMP(kSaved)) return false;
    double t2 = Now();
    t.load = std::min(t.load, t1 - t0);
    t.save = std::min(t.save, t2 - t1);
    return true;
}

// The same bytes through the buffered file functions in one call each way.
bool RunRaw(Times& t) {
    double t0 = Now();
    FILE* f = fopen(kSource, "rb");
    if (!f) return false;
    fseek(f, 0, SEEK_END);
    long size = ftell(f);
    fseek(f, 0, SEEK_SET);
    void* bytes = malloc(size);
    bool ok = bytes && fread(bytes, 1, size, f) == size_t(size);
    fclose(f);
    double t1 = Now();
    FILE* out = ok ? fopen(kRaw, "wb") : nullptr;
    ok = out && fwrite(bytes, 1, size, out) == size_t(size);
    if (out) ok = fclose(out) == 0 && ok;
    double t2 = Now();
    free(bytes);
    t.read = std::min(t.read, t1 - t0);
    t.write = std::min(t.write, t2 - t1);
    return ok;
}

} // namespace

int main() {
    if (!WriteSource()) {
        printf("cannot write %s\n", kSource);
        return 1;
    }
    const double image = double(kSide) * kSide * 3;
    Times t;
    // The first load and save run before any other image-sized block exists, so the peak
    // working set above the starting one is what they needed.
    size_t before = WorkingSet();
    if (!RunBmp(t)) {
        printf("BMP load or save failed\n");
        return 1;
    }
    size_t peak = PeakWorkingSet() - before;
    const int rounds = 3;
    for (int i = 0; i < rounds; i++)
        if (!RunRaw(t) || (i + 1 < rounds && !RunBmp(t))) {
            printf("a round failed\n");
            return 1;
        }
    printf("image %d x %d, 24 bits: %.1f MiB; best of %d rounds\n", kSide, kSide, image / 1048576, rounds);
    printf("BMP load %.3f s, raw read  %.3f s, ratio %.2f (goal 1.5)\n", t.load, t.read, t.load / t.read);
    printf("BMP save %.3f s, raw write %.3f s, ratio %.2f (goal 1.5)\n", t.save, t.write, t.save / t.write);
    printf("BMP load+save %.3f s, raw %.3f s, ratio %.2f\n", t.load + t.save, t.read + t.write,
           (t.load + t.save) / (t.read + t.write));
    printf("peak memory of load and save %.1f MiB, %.3f x the image (goal 1.1)\n", peak / 1048576.0,
           peak / image);
    remove(kSource);
    remove(kSaved);
    remove(kRaw);
    return 0;
}
