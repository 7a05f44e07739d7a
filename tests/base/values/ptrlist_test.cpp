#include "base/ptrlist.h"

#include <gtest/gtest.h>

namespace {

// Counts the elements alive, so that each is seen destroyed exactly once.
struct Counted {
    static int alive;
    Counted() { alive++; }
    ~Counted() { alive--; }
};
int Counted::alive = 0;

TEST(PtrList, EachElementIsDestroyedOnce) {
    PTRLIST<Counted> list;
    list.SetCount(3);
    Counted* last = list.Get(2);
    for (int i : {1, 1, -1, 3})
        list.DeleteAt(i); // leaves a null slot; a null slot or a bad index is ignored
    list.Pack();
    EXPECT_EQ(std::pair(last, static_cast<Counted*>(nullptr)), std::pair(list.Get(1), list.Get(2)));
    list.SetCount(4); // grows with new elements
    list.DeleteAt(0);
    list.SetCount(3); // shrinks, destroying what it drops
    EXPECT_EQ(Counted::alive, 2);
    list.SetCount(-3);
    EXPECT_EQ(std::pair(list.GetCount(), Counted::alive), std::pair(0, 0));
}

} // namespace
