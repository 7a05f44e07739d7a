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

TEST_F(PtrList, AddHandsOutOwnedElements) {
    {
        PTRLIST<Counted> list;
        Counted* a = list.Add();
        Counted* b = list.Add();
        EXPECT_EQ(list.GetCount(), 2);
        EXPECT_EQ(list.Get(0), a);
        EXPECT_EQ(list[1], b);
        EXPECT_EQ(list.Get(2), nullptr);
        EXPECT_EQ(list.Get(-1), nullptr);
        EXPECT_EQ(list.IndexOf(b), 1);
        Counted stranger;
        EXPECT_EQ(list.IndexOf(&stranger), -1);
        EXPECT_EQ(list.IndexOf(nullptr), -1);
        EXPECT_EQ(Counted::alive, 3);
    }
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, DeleteInTheMiddleLeavesANullSlotUntilPack) {
    PTRLIST<Counted> list;
    Counted* a = list.Add();
    list.Add();
    Counted* c = list.Add();
    list.DeleteAt(1);
    EXPECT_EQ(Counted::alive, 2);
    EXPECT_EQ(list.GetCount(), 3);
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
}

TEST_F(PtrList, ClearDropsSlotsWithoutDestroying) {
    PTRLIST<Counted> list;
    Counted* a = list.Add();
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 1);
    delete a;
    list.DeleteAll();
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, DeleteAllSkipsNullSlots) {
    PTRLIST<Counted> list;
    for (int i = 0; i < 4; i++)
        list.Add();
    list.DeleteAt(2);
    list.DeleteAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 0);
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
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, SetCountShrinksAndGrows) {
    PTRLIST<Counted> list;
    Counted* a = list.Add();
    list.SetCount(4);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.Get(0), a);
    EXPECT_EQ(list.Get(3)->id, 3);
    EXPECT_EQ(Counted::alive, 4);
    list.SetCount(2);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(Counted::alive, 2);
    list.SetCount(0);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 0);
    list.Add();
    list.SetCount(-3);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Counted::alive, 0);
}

TEST_F(PtrList, ValueCells) {
    PTRLIST<int> ids;
    *ids.New() = 5;
    ids.AddValue(7);
    EXPECT_EQ(*ids[0] + *ids[1], 12);

    // A cell list holds pointers to objects it does not own.
    Counted table;
    {
        PTRLIST<Counted*> cells;
        cells.AddValue(&table);
        EXPECT_EQ(*cells[0], &table);
    }
    EXPECT_EQ(Counted::alive, 1);
}

} // namespace
