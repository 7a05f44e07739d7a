#include "scene/hxo_model.h"

// Each slot starts with a pointer to its block; a block is freed when its last face goes, so
// nothing stays behind once the model is gone. Only the block in use for new faces takes back
// freed slots, which fits faces that are made and freed with their model.
namespace {

struct BLOCK {
    int live;
    char* next;
    char* end;
    void* freed;
};

constexpr size_t kSlotSize = (sizeof(BLOCK*) + sizeof(HXO_FACE) + 7) & ~size_t(7);
constexpr size_t kBlockSize = 1 << 18;

BLOCK* g_current = nullptr;

BLOCK* NewBlock() {
    BLOCK* b = static_cast<BLOCK*>(::operator new(kBlockSize, std::nothrow));
    if (!b) return nullptr;
    b->live = 0;
    b->next = reinterpret_cast<char*>(b) + ((sizeof(BLOCK) + 7) & ~size_t(7));
    b->end = reinterpret_cast<char*>(b) + kBlockSize;
    b->freed = nullptr;
    return b;
}

} // namespace

void* HXO_FACE::operator new(size_t, const std::nothrow_t&) noexcept {
    BLOCK* b = g_current;
    char* slot = nullptr;
    if (b && b->freed) {
        slot = static_cast<char*>(b->freed);
        b->freed = *reinterpret_cast<void**>(slot + sizeof(BLOCK*));
    } else {
        if (!b || b->next + kSlotSize > b->end) {
            b = NewBlock();
            if (!b) return nullptr;
            g_current = b;
        }
        slot = b->next;
        b->next += kSlotSize;
        *reinterpret_cast<BLOCK**>(slot) = b;
    }
    ++b->live;
    return slot + sizeof(BLOCK*);
}

void* HXO_FACE::operator new(size_t size) {
    void* p = operator new(size, std::nothrow);
    if (!p) throw std::bad_alloc();
    return p;
}

void HXO_FACE::operator delete(void* p) noexcept {
    if (!p) return;
    char* slot = static_cast<char*>(p) - sizeof(BLOCK*);
    BLOCK* b = *reinterpret_cast<BLOCK**>(slot);
    if (--b->live == 0) {
        if (b == g_current) g_current = nullptr;
        ::operator delete(b);
        return;
    }
    *reinterpret_cast<void**>(p) = b->freed;
    b->freed = slot;
}
