#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "base/fout.h"
#include "base/undo.h"

namespace {

// A document whose state is a byte vector: the store hook writes it, the restore hook reads it back.
struct BytesDoc : UNDOTARGET {
    std::vector<unsigned char> state;
    int failStore = 0;
    int ReadUndo(FOUT* stream) override {
        return !failStore && (state.empty() || stream->Write(state.data(), state.size()));
    }
    int WriteUndo(FOUT* stream, int flag) override {
        state.assign(size_t(stream->GetSize()), 0);
        return flag == 1 && stream->Read(state.data(), state.size());
    }
};

// An entry of a given size that counts how often entries are destroyed.
struct SizedEntry : UNDOBASE {
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

void PushKeys(UNDOBUFF2& h, int from, int to, unsigned size = 8) {
    for (int k = from; k <= to; ++k)
        h.PushKeyed(k, 1, new SizedEntry(size));
}

} // namespace

TEST(UndoHistory, SnapshotsRestoreTheirBytesAndFailedStoresAreReported) {
    BytesDoc doc;
    UNDOBUFF2 h;
    for (unsigned char b : {1, 2, 3}) {
        doc.state.assign(b == 2 ? 200000 : 0, b); // the real snapshots are empty; this one grows the stream
        h.PushKeyed(b == 3 ? 1 : 4, 1, new UNDOSUB(&doc));
    }
    // Key 4 restores the oldest of its two entries; then undo, undo, a refused undo and a redo.
    EXPECT_EQ(std::tuple(1, size_t(0), 0, 1, std::vector<unsigned char>(200000, 2), 1, 0, 1),
              (std::tuple{h.RestoreByKey(4, &doc), doc.state.size(), h.RestoreByKey(5, &doc), h.Undo(&doc),
                          doc.state, h.Undo(&doc), h.Undo(&doc), h.Redo(&doc)}));
    doc.state = {9}; // a push after an undo drops the entries after the position
    h.Push(new UNDOSUB(&doc));
    EXPECT_EQ(std::pair(3, 0), std::pair(h.GetCount(), h.CanRedo()));
    UNDOSUB entry(&doc);
    EXPECT_EQ(entry.Store(nullptr), 0);
    doc.failStore = 1;
    EXPECT_EQ(entry.Store(&doc), 0);
}

TEST(UndoHistory, LimitsAndKeyWindowsDropTheOldestOnceAndKeepAValidPosition) {
    SizedEntry::destroyed = 0;
    {
        UNDOBUFF2 h;
        PushKeys(h, 0, 100);
        EXPECT_EQ(std::pair(1, 1), std::pair(h.GetEntry(0)->key, SizedEntry::destroyed));
        h.SetMaxCount(3);
        EXPECT_EQ(Keys(h), (std::vector<int>{98, 99, 100}));
        h.Clear();
        EXPECT_EQ(std::pair(0u, 101), std::pair(h.GetUsedMemory(), SizedEntry::destroyed));
        PushKeys(h, 1, 3, 10u << 20); // the memory limit always keeps two
        EXPECT_EQ(std::pair(std::vector<int>{2, 3}, 20u << 20), std::pair(Keys(h), h.GetUsedMemory()));
    }
    EXPECT_EQ(SizedEntry::destroyed, 104);
    // A keyed push drops the keys outside its window and keeps a valid position.
    const struct {
        int last, key, window;
        std::vector<int> keys;
    } rows[] = {
        {5, 3, 10, {1, 2, 3}},
        {4, 5, 3, {2, 3, 4, 5}},
        {5, 0, 10, {1, 2, 3, 4, 5, 0}}, // key zero or a window of one drops nothing
        {5, 2, 1, {1, 2, 3, 4, 5, 2}},
    };
    for (const auto& r : rows) {
        UNDOBUFF2 h;
        PushKeys(h, 1, r.last);
        h.PushKeyed(r.key, r.window, new SizedEntry(8));
        EXPECT_EQ(std::pair(r.keys, int(r.keys.size()) - 1), std::pair(Keys(h), h.GetPos()))
            << r.key; // on the new entry
    }
    UNDOBUFF2 h;
    PushKeys(h, 1, 6);
    h.SetPos(1);
    h.DropOutsideWindow(5, 2);
    EXPECT_EQ(std::pair(std::vector<int>{3, 4}, 0), std::pair(Keys(h), h.GetPos()));
    h.DropOutsideWindow(100, 2);
    EXPECT_EQ(std::pair(h.GetPos(), h.GetUsedMemory()), std::pair(-1, 0u)); // nothing left
}
