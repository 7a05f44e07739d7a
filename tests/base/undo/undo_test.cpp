#include <gtest/gtest.h>

#include <vector>

#include "base/fout.h"
#include "base/undo.h"

namespace {

// A document whose state is a byte vector: the store hook writes it, the restore hook reads it back.
class BytesDoc : public UNDOTARGET {
  public:
    std::vector<unsigned char> state;
    int failStore = 0;
    int restores = 0;
    int lastFlag = -1;

    int ReadUndo(FOUT* stream) override {
        if (failStore) return 0;
        return state.empty() ? 1 : stream->Write(state.data(), state.size());
    }
    int WriteUndo(FOUT* stream, int flag) override {
        ++restores;
        lastFlag = flag;
        long n = stream->GetSize();
        state.assign(size_t(n), 0);
        return n == 0 || stream->Read(state.data(), size_t(n));
    }
};

// An entry of a given size that counts how often entries are destroyed.
class SizedEntry : public UNDOBASE {
  public:
    static int destroyed;
    unsigned size;
    explicit SizedEntry(unsigned n) : size(n) {}
    ~SizedEntry() override { ++destroyed; }
    unsigned GetSize() override { return size; }
    int Restore(UNDOTARGET*) override { return 1; }
    int Store(UNDOTARGET*) override { return 1; }
};
int SizedEntry::destroyed = 0;

std::vector<int> Keys(const UNDOBUFF2& h) {
    std::vector<int> keys;
    for (int i = 0; i < h.GetCount(); ++i)
        keys.push_back(h.GetEntry(i)->key);
    return keys;
}

void PushKeys(UNDOBUFF2& h, int from, int to) {
    for (int k = from; k <= to; ++k)
        h.PushKeyed(k, 1, new SizedEntry(8));
}

} // namespace

TEST(UndoSnapshot, StoresAndRestoresTheTargetsBytes) {
    BytesDoc doc;
    doc.state = {1, 2, 3, 4, 5};
    UNDOSUB entry(&doc);
    EXPECT_EQ(entry.GetSize(), 5u);
    doc.state = {9};
    EXPECT_EQ(entry.Restore(&doc), 1);
    EXPECT_EQ(doc.state, (std::vector<unsigned char>{1, 2, 3, 4, 5}));
    EXPECT_EQ(doc.lastFlag, 1);

    // Larger than the first buffer: the stream grows, the copy is fitted.
    doc.state.assign(200000, 7);
    EXPECT_EQ(entry.Store(&doc), 1);
    EXPECT_EQ(entry.GetSize(), 200000u);
}

TEST(UndoSnapshot, EmptySnapshotsRestoreAndFailuresStoreNothing) {
    BytesDoc doc;
    UNDOSUB empty(&doc);
    EXPECT_EQ(empty.Restore(&doc), 1);
    EXPECT_EQ(doc.restores, 1);
    EXPECT_EQ(empty.Store(nullptr), 0);
    doc.failStore = 1;
    EXPECT_EQ(empty.Store(&doc), 0);
    EXPECT_EQ(empty.GetSize(), 0u);
}

TEST(UndoHistory, CountLimitKeepsTheNewestHundredAndReleasesEachEntryOnce) {
    SizedEntry::destroyed = 0;
    {
        UNDOBUFF2 h;
        PushKeys(h, 0, 100);
        ASSERT_EQ(h.GetCount(), 100);
        EXPECT_EQ(h.GetEntry(0)->key, 1);
        EXPECT_EQ(h.GetPos(), 99);
        EXPECT_EQ(SizedEntry::destroyed, 1);
        h.Clear();
        EXPECT_EQ(h.GetPos(), -1);
        EXPECT_EQ(h.GetUsedMemory(), 0u);
        EXPECT_EQ(SizedEntry::destroyed, 101);
        PushKeys(h, 1, 4);
    }
    EXPECT_EQ(SizedEntry::destroyed, 105);
}

TEST(UndoHistory, MemoryLimitAlwaysKeepsTwo) {
    UNDOBUFF2 h;
    const unsigned tenMiB = 10u << 20;
    for (int k = 1; k <= 3; ++k)
        h.PushKeyed(k, 1, new SizedEntry(tenMiB));
    EXPECT_EQ(Keys(h), (std::vector<int>{2, 3}));
    EXPECT_EQ(h.GetUsedMemory(), 2 * tenMiB);
    EXPECT_EQ(h.GetPos(), 1);
}

TEST(UndoHistory, KeyedPushDropsKeysOutsideTheWindow) {
    UNDOBUFF2 h;
    PushKeys(h, 1, 5);
    h.PushKeyed(3, 10, new SizedEntry(8));
    EXPECT_EQ(Keys(h), (std::vector<int>{1, 2, 3}));
    // The position stays on the new entry, so position-based calls stay inside the list.
    EXPECT_EQ(h.GetPos(), 2);
    EXPECT_FALSE(h.CanRedo());
    EXPECT_TRUE(h.CanUndo());
    BytesDoc doc;
    EXPECT_EQ(h.Undo(&doc), 1);
    EXPECT_EQ(h.GetPos(), 1);

    // The host's first snapshot of a document, and a state with a window of 3.
    UNDOBUFF2 f;
    PushKeys(f, 0, 4);
    f.PushKeyed(5, 3, new SizedEntry(8));
    EXPECT_EQ(Keys(f), (std::vector<int>{2, 3, 4, 5}));
    // Key zero or a window of one drops nothing.
    f.PushKeyed(0, 10, new SizedEntry(8));
    f.PushKeyed(2, 1, new SizedEntry(8));
    EXPECT_EQ(Keys(f), (std::vector<int>{2, 3, 4, 5, 0, 2}));
}

TEST(UndoHistory, DropOutsideWindowAloneKeepsAValidPosition) {
    UNDOBUFF2 h;
    PushKeys(h, 1, 6);
    h.SetPos(1);
    h.DropOutsideWindow(5, 2);
    EXPECT_EQ(Keys(h), (std::vector<int>{3, 4}));
    EXPECT_EQ(h.GetPos(), 0);
    h.DropOutsideWindow(100, 2);
    EXPECT_EQ(h.GetCount(), 0);
    EXPECT_EQ(h.GetPos(), -1);
    EXPECT_EQ(h.GetUsedMemory(), 0u);
}

TEST(UndoHistory, RestoreByKeyUsesTheOldestMatch) {
    BytesDoc doc;
    UNDOBUFF2 h;
    doc.state = {1};
    h.PushKeyed(4, 1, new UNDOSUB(&doc));
    doc.state = {2};
    h.PushKeyed(4, 1, new UNDOSUB(&doc));
    EXPECT_TRUE(h.HasKey(4));
    EXPECT_EQ(h.RestoreByKey(4, &doc), 1);
    EXPECT_EQ(doc.state, (std::vector<unsigned char>{1}));
    EXPECT_EQ(h.RestoreByKey(5, &doc), 0);
    EXPECT_FALSE(h.HasKey(5));
}

TEST(UndoHistory, SettersIgnoreValuesBelowTheirMinimum) {
    UNDOBUFF2 h;
    h.SetMaxCount(1);
    h.SetMaxMemory(1000);
    EXPECT_EQ(h.GetMaxCount(), 100);
    EXPECT_EQ(h.GetMaxMemory(), 0x1000000u);
    PushKeys(h, 1, 5);
    h.SetMaxCount(3);
    EXPECT_EQ(Keys(h), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(h.GetPos(), 2);
}

TEST(UndoHistory, PositionalPushUndoRedo) {
    BytesDoc doc;
    UNDOBUFF2 h;
    for (unsigned char b = 1; b <= 3; ++b) {
        doc.state = {b};
        h.Push(new UNDOSUB(&doc));
    }
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.Undo(&doc), 1);
    EXPECT_EQ(h.Undo(&doc), 1);
    EXPECT_EQ(doc.state, (std::vector<unsigned char>{1}));
    EXPECT_EQ(h.Undo(&doc), 0);
    EXPECT_EQ(h.Redo(&doc), 1);
    EXPECT_EQ(doc.state, (std::vector<unsigned char>{2}));
    // A push after an undo drops the entries after the position.
    doc.state = {9};
    h.Push(new UNDOSUB(&doc));
    EXPECT_EQ(h.GetCount(), 3);
    EXPECT_EQ(h.GetPos(), 2);
}
