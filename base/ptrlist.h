// Owning list of element pointers over a growable array. Deleting an element leaves a null
// slot, so the indices of the others stay valid until Pack.
#pragma once

#include <new>
#include <vector>

template <class T> class PTRLIST {
  public:
    PTRLIST() = default;
    PTRLIST(const PTRLIST&) = delete;
    PTRLIST& operator=(const PTRLIST&) = delete;
    ~PTRLIST() { DeleteAll(); }

    int GetCount() const { return (int)slots.size(); }
    bool IsValidIndex(int i) const { return 0 <= i && i < GetCount(); }
    T* Get(int i) const { return IsValidIndex(i) ? slots[i] : nullptr; }
    T* operator[](int i) const { return slots[i]; }

    // A failed allocation still appends its null slot. Null, and nothing added, when the slot
    // itself cannot be made.
    T* Add() { return Append(Make()); }
    // For element types without a constructor: the new element is left uninitialised.
    T* New() { return Append(new (std::nothrow) T); }
    T* AddValue(const T& v) {
        T* p = New();
        if (p) *p = v;
        return p;
    }

    int IndexOf(const T* p) const {
        for (int i = 0; i < GetCount(); i++)
            if (slots[i] == p) return i;
        return -1;
    }

    void DeleteAt(int i) {
        if (!IsValidIndex(i) || !slots[i]) return;
        delete slots[i];
        slots[i] = nullptr;
    }
    // Drops every slot without destroying the elements.
    void Clear() { slots.clear(); }
    void DeleteAll() {
        for (int i = 0; i < GetCount(); i++)
            DeleteAt(i);
        Clear();
    }
    // Removes the null slots, keeping the order of the others.
    void Pack() {
        int write = 0;
        for (int read = 0; read < GetCount(); read++)
            if (slots[read]) slots[write++] = slots[read];
        slots.resize(write);
    }
    // Shrinking destroys the dropped elements; growing adds default-constructed ones. A
    // negative count counts as 0.
    void SetCount(int n) {
        if (n < 0) n = 0;
        int count = GetCount();
        for (int i = n; i < count; i++)
            DeleteAt(i);
        slots.resize(n);
        for (int i = count; i < n; i++)
            slots[i] = Make();
    }

  private:
    static T* Make() { return new (std::nothrow) T(); }
    T* Append(T* p) {
        try {
            slots.push_back(p);
        } catch (const std::bad_alloc&) {
            delete p;
            return nullptr;
        }
        return p;
    }

    std::vector<T*> slots;
};
