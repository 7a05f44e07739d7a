// Undo history: a bounded list of document snapshots, walked by position or found by key, limited
// by entry count and by the bytes held.
#pragma once

#include <cstddef>

#include "base/ptrlist.h"

class FOUT;

// What the history snapshots: the document writes its state into a stream and reads it back.
class UNDOTARGET {
  public:
    virtual ~UNDOTARGET() = default;
    // Store hook: writes a snapshot into the stream; 0 on failure.
    virtual int ReadUndo(FOUT* stream) = 0;
    // Restore hook: takes a snapshot back from the stream; 0 on failure.
    virtual int WriteUndo(FOUT* stream, int flag) = 0;
};

class UNDOBASE {
  public:
    int key = 0;

    virtual ~UNDOBASE() = default;
    virtual unsigned GetSize() = 0;
    virtual int Restore(UNDOTARGET* target) = 0;
    virtual int Store(UNDOTARGET* target) = 0;
};

// A snapshot as the bytes the target's store hook wrote.
class UNDOSUB : public UNDOBASE {
  public:
    UNDOSUB() = default;
    explicit UNDOSUB(UNDOTARGET* target) { Store(target); }
    UNDOSUB(const UNDOSUB&) = delete;
    UNDOSUB& operator=(const UNDOSUB&) = delete;
    ~UNDOSUB() override { FreeData(); }

    unsigned GetSize() override { return count; }
    int Restore(UNDOTARGET* target) override;
    int Store(UNDOTARGET* target) override;

    // Keeps a copy of the bytes; 0 when the copy cannot be allocated.
    int SetData(const void* bytes, unsigned n);
    void FreeData();

  private:
    unsigned char* data = nullptr;
    unsigned count = 0;
};

class UNDOBUFF2;

// One slot of the history: owns its entry and keeps the owner's byte count in step.
class IUNDOBASE {
  public:
    IUNDOBASE() = default;
    IUNDOBASE(UNDOBUFF2* owner, UNDOBASE* entry) { Set(owner, entry); }
    IUNDOBASE(const IUNDOBASE&) = delete;
    IUNDOBASE& operator=(const IUNDOBASE&) = delete;
    virtual ~IUNDOBASE() { Release(); }

    void Set(UNDOBUFF2* owner, UNDOBASE* entry);
    void Release();
    UNDOBASE* GetEntry() const { return entry; }

  private:
    UNDOBUFF2* owner = nullptr;
    UNDOBASE* entry = nullptr;
};

class UNDOBUFF2 {
  public:
    UNDOBUFF2() = default;
    UNDOBUFF2(const UNDOBUFF2&) = delete;
    UNDOBUFF2& operator=(const UNDOBUFF2&) = delete;
    virtual ~UNDOBUFF2() { Clear(); }

    void Clear() { Truncate(0); }
    int GetCount() const { return slots.GetCount(); }
    UNDOBASE* GetEntry(int i) const;

    void SetMaxCount(int n);
    void SetMaxMemory(unsigned n);
    int GetMaxCount() const { return maxCount; }
    unsigned GetMaxMemory() const { return maxMemory; }
    unsigned GetUsedMemory() const { return usedMemory; }
    unsigned GetFreeMemory() const { return maxMemory - usedMemory; }
    void SetLimitByCount(int flag);
    void SetLimitByMemory(int flag);
    int GetLimitByCount() const { return limitByCount; }
    int GetLimitByMemory() const { return limitByMemory; }
    int GetPos() const { return pos; }
    void SetPos(int i);

    // Deletes the slots from index `from` on.
    void Truncate(int from);
    // Deletes the oldest slots while over a limit; two always remain.
    void Trim();

    // Position-based history: a push drops whatever lies after the position.
    void Push(UNDOBASE* entry);
    int CanUndo() const { return GetCount() > 1 && pos > 0; }
    int CanRedo() const { return GetCount() >= 2 && pos < GetCount() - 1; }
    int Undo(UNDOTARGET* target);
    int Redo(UNDOTARGET* target);

    // Keyed history: the oldest entry with the key wins.
    UNDOBASE* FindByKey(int key) const;
    int HasKey(int key) const { return FindByKey(key) != nullptr; }
    int RestoreByKey(int key, UNDOTARGET* target);
    // Keeps only keys key-window .. key-1 (when key > 0), then appends the entry under the key.
    void PushKeyed(int key, int window, UNDOBASE* entry);
    void DropOutsideWindow(int key, int window);

    void AddUsedMemory(int delta) { usedMemory += unsigned(delta); }

  private:
    void Append(UNDOBASE* entry);

    PTRLIST<IUNDOBASE> slots;
    int maxCount = 100;
    unsigned maxMemory = 0x1000000;
    unsigned usedMemory = 0;
    int pos = -1;
    int limitByCount = 1;
    int limitByMemory = 1;
};
