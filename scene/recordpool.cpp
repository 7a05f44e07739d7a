#include "scene/recordpool.h"

// Each slot starts with a pointer to its block. Only the block in use for new records takes
// back freed slots, which fits records that are made and freed together with their owner.
struct RECORDPOOL::BLOCK {
    RECORDPOOL* pool;
    int live;
    char* next;
    char* end;
    void* freed;
};

namespace {
constexpr size_t kBlockSize = 1 << 18;
} // namespace

void* RECORDPOOL::Allocate() noexcept {
    constexpr size_t header = (sizeof(BLOCK) + 7) & ~size_t(7); // keeps the slots 8-byte aligned
    BLOCK* b = current;
    char* slot = nullptr;
    if (b && b->freed) {
        slot = static_cast<char*>(b->freed);
        b->freed = *reinterpret_cast<void**>(slot + sizeof(BLOCK*));
    } else {
        if (!b || b->next + slotSize > b->end) {
            b = static_cast<BLOCK*>(::operator new(kBlockSize, std::nothrow));
            if (!b) return nullptr;
            b->pool = this;
            b->live = 0;
            b->next = reinterpret_cast<char*>(b) + header;
            b->end = reinterpret_cast<char*>(b) + kBlockSize;
            b->freed = nullptr;
            current = b;
        }
        slot = b->next;
        b->next += slotSize;
        *reinterpret_cast<BLOCK**>(slot) = b;
    }
    ++b->live;
    return slot + sizeof(BLOCK*);
}

void RECORDPOOL::Free(void* p) noexcept {
    if (!p) return;
    char* slot = static_cast<char*>(p) - sizeof(BLOCK*);
    BLOCK* b = *reinterpret_cast<BLOCK**>(slot);
    if (--b->live == 0) {
        if (b->pool->current == b) b->pool->current = nullptr;
        ::operator delete(b);
        return;
    }
    *reinterpret_cast<void**>(p) = b->freed;
    b->freed = slot;
}
