#include "base/ptrlist.h"

#include <gtest/gtest.h>

namespace {

// Counts constructions and destructions so tests can see who owns what.
struct Counted {
    static int alive, made;
    int id;
    Counted() : id(made++) { alive++; }
    virtual ~Counted() { alive--; }
};
int Counted::alive = 0, Counted::made = 0;

struct Derived : Counted {
    static int gone;
    ~Derived() override { gone++; }
};
int Derived::gone = 0;

class PtrList : public ::testing::Test {
  protected:
    void SetUp() override { Counted::alive = Counted::made = Derived::gone = 0; }
};

TEST_F(PtrList, DeleteLeavesANullSlotUntilPackAndBadIndicesAreIgnored) {
    {
        PTRLIST<Counted> list;
        Counted* a = list.Add();
        list.Add();
        Counted* c = list.Add();
        EXPECT_EQ(list.Get(3), nullptr);
        EXPECT_EQ(list.Get(-1), nullptr);
        list.DeleteAt(1);
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_EQ(list.Get(1), nullptr);
        EXPECT_EQ(list.IndexOf(nullptr), 1);
        list.DeleteAt(1);
        list.DeleteAt(-1);
        list.DeleteAt(3);
        EXPECT_EQ(Counted::alive, 2);
        list.Pack();
        EXPECT_EQ(list.GetCount(), 2);
        EXPECT_EQ(list.Get(0), a);
        EXPECT_EQ(list.Get(1), c);
        list.Add();
        list.DeleteAt(0); // DeleteAll skips the null slot
    }
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, ClearDropsSlotsWithoutDestroying) {
    PTRLIST<Counted> list;
    Counted* a = list.Add();
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 1);
    delete a;
}

TEST_F(PtrList, DerivedDestructorsRun) {
    {
        PTRLIST<Derived> list;
        list.Add();
        list.Add();
        list.DeleteAt(0);
        EXPECT_EQ(Derived::gone, 1);
    }
    EXPECT_EQ(Derived::gone, 2);
}

TEST_F(PtrList, SetCountShrinksAndGrows) {
    PTRLIST<Counted> list;
    Counted* a = list.Add();
    list.SetCount(4);
    EXPECT_EQ(list.Get(0), a);
    EXPECT_EQ(list.Get(3)->id, 3);
    EXPECT_EQ(Counted::alive, 4);
    list.SetCount(2);
    EXPECT_EQ(Counted::alive, 2);
    list.SetCount(-3);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, CellListsDoNotOwnWhatTheyPointTo) {
    Counted table;
    {
        PTRLIST<Counted*> cells;
        cells.AddValue(&table);
        EXPECT_EQ(*cells[0], &table);
    }
    EXPECT_EQ(Counted::alive, 1);
}

} // namespace
