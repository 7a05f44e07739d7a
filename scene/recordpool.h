// Records that come by the million (the faces of a model) are carved from large blocks instead
// of one heap allocation each. A block goes back to the heap when its last record is freed, so
// nothing stays behind once the records' owner is gone.
#pragma once

#include <cstddef>
#include <new>

class RECORDPOOL {
  public:
    constexpr explicit RECORDPOOL(size_t recordSize)
        : slotSize((sizeof(void*) + recordSize + 7) & ~size_t(7)) {}
    RECORDPOOL(const RECORDPOOL&) = delete;
    RECORDPOOL& operator=(const RECORDPOOL&) = delete;

    void* Allocate() noexcept; // null when memory runs out
    static void Free(void* p) noexcept;

  private:
    struct BLOCK;
    size_t slotSize;
    BLOCK* current = nullptr;
};

// Base of a record type T whose new and delete go through a pool of its own.
template <class T> class POOLED {
  public:
    static void* operator new(size_t size, const std::nothrow_t&) noexcept {
        return size == sizeof(T) ? Pool().Allocate() : nullptr;
    }
    static void* operator new(size_t size) {
        void* p = operator new(size, std::nothrow);
        if (!p) throw std::bad_alloc();
        return p;
    }
    static void operator delete(void* p) noexcept { RECORDPOOL::Free(p); }

  private:
    static RECORDPOOL& Pool() {
        static RECORDPOOL pool(sizeof(T));
        return pool;
    }
};
