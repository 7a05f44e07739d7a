#include "base/fout.h"

#include <cstdlib>
#include <cstring>

#include "base/filepath.h"

void FOUTNAMED::SetName(const char* text) {
    if (!text) text = "";
    size_t len = strlen(text);
    if (len >= sizeof name) len = sizeof name - 1;
    memcpy(name, text, len);
    name[len] = 0;
}

FOUTFILE::~FOUTFILE() {
    if (mode != 0) Close();
}

void FOUTFILE::Forget() {
    if (mode != 0)
        Close();
    else
        file = nullptr; // a caller's stream stays the caller's
    open = false;
}

int FOUTFILE::OpenStream(FOUT& out, const char* path, int newMode) {
    Forget();
    if (!path) return 0;
    SetName(path);
    file = fopen(path, newMode == 1 || newMode == 3 ? "rb" : "wb");
    if (!file) return 0;
    mode = newMode;
    open = true;
    out.Bind(this, GetFuncs());
    return 1;
}

int FOUTFILE::OpenRead(FOUT& out, const char* path) {
    if (!OpenStream(out, path, 1)) return 0;
    setvbuf(file, nullptr, _IOFBF, 1 << 16);
    return 1;
}

int FOUTFILE::OpenWrite(FOUT& out, const char* path) {
    if (!OpenStream(out, path, 2)) return 0;
    setvbuf(file, nullptr, _IOFBF, 1 << 16);
    return 1;
}

int FOUTFILE::OpenReadMemory(FOUT& out, const char* path) {
    FOUT unbound;
    if (!OpenStream(unbound, path, 1)) return 0;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0) size = ftell(file);
    bool ok = size >= 0 && fseek(file, 0, SEEK_SET) == 0;
    if (ok && size > 0) {
        block.data = static_cast<unsigned char*>(malloc(size));
        block.owned = true;
        ok = block.data && fread(block.data, 1, size, file) == size_t(size);
    }
    fclose(file);
    file = nullptr;
    if (!ok) {
        block.Release();
        mode = 0;
        open = false;
        return 0;
    }
    block.capacity = block.written = size;
    mode = 3;
    out.Bind(this, GetFuncs());
    return 1;
}

int FOUTFILE::OpenWriteMemory(FOUT& out, const char* path, size_t size) {
    FOUT unbound;
    if (!OpenStream(unbound, path, 2)) return 0;
    block.data = static_cast<unsigned char*>(malloc(size ? size : 1));
    if (!block.data) {
        Close();
        return 0;
    }
    block.owned = true;
    block.capacity = size;
    mode = 4;
    out.Bind(this, GetFuncs());
    return 1;
}

void FOUTFILE::Attach(FOUT& out, FILE* stream) {
    Forget();
    mode = 0;
    file = stream;
    open = stream != nullptr;
    out.Bind(this, GetFuncs());
}

int FOUTFILE::Read(void* dst, size_t n) {
    if (!open) return 0;
    if (InMemory()) return block.Read(dst, n);
    return fread(dst, 1, n, file) == n;
}

int FOUTFILE::Write(const void* src, size_t n) {
    if (!open) return 0;
    if (InMemory()) return block.Write(src, n);
    return fwrite(src, 1, n, file) == n;
}

void FOUTFILE::Seek(long pos) {
    if (!open) return;
    if (InMemory())
        block.Seek(pos);
    else
        fseek(file, pos, SEEK_SET);
}

long FOUTFILE::Tell() {
    if (!open) return 0;
    if (InMemory()) return long(block.pos);
    return ftell(file);
}

long FOUTFILE::GetSize() {
    if (!open) return 0;
    if (mode == 3) return long(block.capacity);
    if (mode == 4) return long(block.written);
    long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0) return 0;
    long size = ftell(file);
    fseek(file, here, SEEK_SET);
    return size < 0 ? 0 : size;
}

void FOUTFILE::Skip(long n) {
    if (!open) return;
    if (InMemory())
        block.Skip(n);
    else
        fseek(file, n, SEEK_CUR);
}

int FOUTFILE::IsEOF() {
    if (!open) return 1;
    if (InMemory()) return block.AtEnd();
    return feof(file) != 0;
}

int FOUTFILE::Close() {
    if (!open) return 0;
    bool ok = true;
    // The file keeps what lies before the cursor, so a seek back before closing shortens it.
    if (mode == 4) ok = fwrite(block.data, 1, block.pos, file) == block.pos && !block.failed;
    if (file) ok = CloseFile(file) == 0 && ok;
    file = nullptr;
    block.Release();
    mode = 0;
    open = false;
    return ok;
}
