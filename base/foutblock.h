#pragma once
// A heap block with a cursor: the memory half shared by the file and memory back ends.
// The cursor never leaves [0, capacity]; reads and writes that would cross the end fail whole.
#include <cstddef>

struct FOUTBLOCK {
    unsigned char* data = nullptr;
    size_t pos = 0;
    size_t capacity = 0;
    size_t written = 0; // the highest byte written so far
    bool owned = false; // allocated here and freed on release
    bool grows = false; // an owned block that grows by doubling instead of refusing writes
    bool failed = false;

    int Read(void* dst, size_t n);
    int Write(const void* src, size_t n);
    void Seek(long p);
    void Skip(long n);
    int AtEnd() const { return pos >= capacity; }
    // Makes room for at least need bytes; the old block stays when memory runs out.
    int Reserve(size_t need);
    // Shrinks to the cursor's offset; at 0 the block is freed.
    int Fit();
    void Release(); // frees an owned block and forgets it
    void Reset();   // forgets the block without freeing it
};
