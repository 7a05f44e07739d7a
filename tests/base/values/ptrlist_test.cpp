#include "base/ptrlist.h"

#include <gtest/gtest.h>

namespace {

// Counts constructions and destructions, so that each element is seen destroyed exactly once.
struct Counted {
    static int alive, made;
    int id;
    Counted() : id(made++) { alive++; }
    ~Counted() { alive--; }
};
int Counted::alive = 0, Counted::made = 0;

TEST(PtrList, EachElementIsDestroyedOnce) {
    Counted* dropped = nullptr;
    {
        PTRLIST<Counted> list;
        Counted* a = list.Add();
        list.Add();
        Counted* c = list.Add();
        EXPECT_EQ(list.Get(3), nullptr);
        EXPECT_EQ(list.Get(-1), nullptr);
        for (int i : {1, 1, -1, 3})
            list.DeleteAt(i); // leaves a null slot; a null slot or a bad index is ignored
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_EQ(list.IndexOf(nullptr), 1);
        list.Pack();
        EXPECT_EQ(list.Get(1), c);
        list.SetCount(4); // grows with new elements
        EXPECT_EQ(list.Get(0), a);
        EXPECT_EQ(list.Get(3)->id, 4);
        list.SetCount(3);
        list.DeleteAt(0); // the destructor skips the null slot
        EXPECT_EQ(Counted::alive, 2);
        PTRLIST<Counted> other;
        dropped = other.Add();
        other.Clear(); // drops the slot, not the element
        other.SetCount(-3);
        EXPECT_EQ(other.GetCount(), 0);
    }
    EXPECT_EQ(Counted::alive, 1);
    delete dropped;
}

} // namespace
