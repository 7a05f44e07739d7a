#include "base/fout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

void FOUT::Bind(void* s, const FOUTFUNCS* f) {
    stream = s;
    funcs = f;
}

int FOUT::Read(void* dst, size_t n) {
    return funcs ? funcs->Read(stream, dst, n) : 0;
}
int FOUT::Write(const void* src, size_t n) {
    return funcs ? funcs->Write(stream, src, n) : 0;
}
void FOUT::Seek(long pos) {
    if (funcs) funcs->Seek(stream, pos);
}
long FOUT::Tell() {
    return funcs ? funcs->Tell(stream) : 0;
}
void FOUT::SetName(const char* name) {
    if (funcs) funcs->SetName(stream, name);
}
const char* FOUT::GetName() {
    return funcs ? funcs->GetName(stream) : "";
}
long FOUT::GetSize() {
    return funcs ? funcs->GetSize(stream) : 0;
}
void FOUT::Nop(int arg) {
    if (funcs) funcs->Nop(stream, arg);
}
void FOUT::Skip(long n) {
    if (funcs) funcs->Skip(stream, n);
}
int FOUT::IsEOF() {
    return funcs ? funcs->IsEOF(stream) : 1;
}
int FOUT::IsOpen() {
    return funcs ? funcs->IsOpen(stream) : 0;
}
int FOUT::Close() {
    return funcs ? funcs->Close(stream) : 0;
}

int FOUT::WriteSwapped(const void* src, size_t n) {
    if (littleEndian) return Write(src, n);
    // Reversed in small pieces from the end, so no item needs a heap copy.
    const unsigned char* s = static_cast<const unsigned char*>(src);
    unsigned char piece[64];
    for (size_t done = 0; done < n;) {
        size_t len = n - done < sizeof piece ? n - done : sizeof piece;
        for (size_t i = 0; i < len; i++)
            piece[i] = s[n - 1 - done - i];
        if (!Write(piece, len)) return 0;
        done += len;
    }
    return 1;
}

int FOUT::ReadSwapped(void* dst, size_t n) {
    if (!Read(dst, n)) return 0;
    if (!littleEndian) {
        unsigned char* d = static_cast<unsigned char*>(dst);
        for (size_t i = 0; i < n / 2; i++) {
            unsigned char t = d[i];
            d[i] = d[n - 1 - i];
            d[n - 1 - i] = t;
        }
    }
    return 1;
}

int FOUT::WriteItems(const void* p, size_t itemSize, int count) {
    if (count <= 0) return 1;
    if (!p) return 0;
    if (littleEndian || itemSize == 1) return Write(p, itemSize * count);
    const char* c = static_cast<const char*>(p);
    for (int i = 0; i < count; i++)
        if (!WriteSwapped(c + itemSize * i, itemSize)) return 0;
    return 1;
}

int FOUT::ReadItems(void* p, size_t itemSize, int count) {
    if (count <= 0) return 1;
    if (!p) return 0;
    if (littleEndian || itemSize == 1) return Read(p, itemSize * count);
    char* c = static_cast<char*>(p);
    for (int i = 0; i < count; i++)
        if (!ReadSwapped(c + itemSize * i, itemSize)) return 0;
    return 1;
}

int FOUT::WriteString(const char* s) {
    if (!s) return WriteU8(0);
    return Write(s, strlen(s) + 1);
}

int FOUT::WriteBytes(const void* src, size_t n) {
    if (!src) return 0;
    return Write(src, n);
}

int FOUT::ReadString(char* dst, size_t size) {
    if (!dst || size == 0) return 0;
    for (size_t i = 0; i < size; i++) {
        if (!Read(dst + i, 1)) {
            dst[i] = 0;
            return 0;
        }
        if (dst[i] == 0) return 1;
    }
    dst[size - 1] = 0;
    return 0;
}

int FOUT::SkipString() {
    char c;
    do {
        if (!Read(&c, 1)) return 0;
    } while (c != 0);
    return 1;
}

int FOUT::FormatWrite(const char* prefix, size_t prefixLen, const char* format, va_list args,
                      const char* suffix, size_t suffixLen) {
    if (!format) format = "";
    char local[1024];
    va_list again;
    va_copy(again, args);
    size_t room = sizeof local - prefixLen - suffixLen;
    int len = prefixLen + suffixLen < sizeof local ? vsnprintf(local + prefixLen, room, format, args) : -1;
    char* text = local;
    std::unique_ptr<char[]> big;
    if (len < 0 || size_t(len) >= room) {
        // Too long for the line buffer: measure, then format into a block of the exact size.
        if (len < 0) {
            va_list measure;
            va_copy(measure, again);
            len = vsnprintf(nullptr, 0, format, measure);
            va_end(measure);
        }
        if (len < 0) {
            va_end(again);
            return 0;
        }
        big.reset(new (std::nothrow) char[prefixLen + len + suffixLen + 1]);
        if (!big) {
            va_end(again);
            return 0;
        }
        text = big.get();
        vsnprintf(text + prefixLen, len + 1, format, again);
    }
    va_end(again);
    memcpy(text, prefix, prefixLen);
    memcpy(text + prefixLen + len, suffix, suffixLen);
    return Write(text, prefixLen + len + suffixLen);
}

int FOUT::Printf(const char* format, ...) {
    if (!format) return WriteU8(0);
    va_list args;
    va_start(args, format);
    int ok = FormatWrite("", 0, format, args, "", 0);
    va_end(args);
    return ok;
}

int FOUT::PrintfLn(const char* format, ...) {
    if (!format) return WriteU8(0) && PrintNewLine();
    va_list args;
    va_start(args, format);
    int ok = FormatWrite("", 0, format, args, "\r\n", 2);
    va_end(args);
    return ok;
}
