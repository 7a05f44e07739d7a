#include "base/fout.h"

#include <cstdlib>

int FOUTMEM::Create(FOUT& out, size_t size) {
    block.Release();
    if (size) {
        block.data = static_cast<unsigned char*>(malloc(size));
        if (!block.data) return 0;
        block.capacity = size;
    }
    block.owned = block.grows = true;
    out.Bind(this, GetFuncs());
    return 1;
}

void FOUTMEM::Attach(FOUT& out, void* buffer, size_t size) {
    block.Release();
    block.data = static_cast<unsigned char*>(buffer);
    block.capacity = buffer ? size : 0;
    out.Bind(this, GetFuncs());
}
