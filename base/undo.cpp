#include "base/undo.h"

#include <cstdlib>
#include <cstring>

#include "base/fout.h"

int UNDOSUB::Store(UNDOTARGET* target) {
    if (!target) return 0;
    FOUT out;
    FOUTMEM mem;
    if (!mem.Create(out, 0x10000)) return 0;
    // A snapshot the hook could not write completely is no snapshot.
    if (!target->ReadUndo(&out) || !mem.Close()) return 0;
    return SetData(mem.GetBuffer(), unsigned(mem.GetSize()));
}

int UNDOSUB::Restore(UNDOTARGET* target) {
    if (!target) return 0;
    FOUT in;
    FOUTMEM mem(in, data, count);
    return target->WriteUndo(&in, 1);
}

int UNDOSUB::SetData(const void* bytes, unsigned n) {
    FreeData();
    if (!n) return 1;
    data = static_cast<unsigned char*>(malloc(n));
    if (!data) return 0;
    memcpy(data, bytes, n);
    count = n;
    return 1;
}

void UNDOSUB::FreeData() {
    if (!data) return;
    free(data);
    data = nullptr;
    count = 0;
}

void IUNDOBASE::Set(UNDOBUFF2* o, UNDOBASE* e) {
    Release();
    owner = o;
    entry = e;
    if (owner && entry) owner->AddUsedMemory(int(entry->GetSize()));
}

void IUNDOBASE::Release() {
    if (!entry) return;
    if (owner) owner->AddUsedMemory(-int(entry->GetSize()));
    delete entry;
    entry = nullptr;
}

UNDOBASE* UNDOBUFF2::GetEntry(int i) const {
    IUNDOBASE* slot = slots.Get(i);
    return slot ? slot->GetEntry() : nullptr;
}

void UNDOBUFF2::SetMaxCount(int n) {
    if (n < 2) return;
    maxCount = n;
    Trim();
}

void UNDOBUFF2::SetMaxMemory(unsigned n) {
    if (n < 1024) return;
    maxMemory = n;
    Trim();
}

void UNDOBUFF2::SetLimitByCount(int flag) {
    limitByCount = flag;
    if (flag) Trim();
}

void UNDOBUFF2::SetLimitByMemory(int flag) {
    limitByMemory = flag;
    if (flag) Trim();
}

void UNDOBUFF2::SetPos(int i) {
    if (0 <= i && i < GetCount()) pos = i;
}

void UNDOBUFF2::Truncate(int from) {
    if (from < 0 || from >= GetCount()) return;
    for (int i = GetCount() - 1; i >= from; --i)
        slots.DeleteAt(i);
    slots.SetCount(from);
    if (pos > from - 1) pos = from - 1;
}

void UNDOBUFF2::Trim() {
    int r = GetCount();
    int i = 0;
    while (r > 2) {
        bool over = (limitByCount && r > maxCount) || (limitByMemory && usedMemory > maxMemory);
        if (!over) break;
        slots.DeleteAt(i);
        ++i;
        --pos;
        --r;
    }
    if (i) slots.Pack();
}

void UNDOBUFF2::Append(UNDOBASE* entry) {
    IUNDOBASE* slot = slots.Add();
    if (slot)
        slot->Set(this, entry);
    else
        delete entry;
}

void UNDOBUFF2::Push(UNDOBASE* entry) {
    if (pos < GetCount() - 1) Truncate(pos + 1);
    Append(entry);
    ++pos;
    Trim();
}

int UNDOBUFF2::Undo(UNDOTARGET* target) {
    if (!CanUndo()) return 0;
    --pos;
    return GetEntry(pos)->Restore(target);
}

int UNDOBUFF2::Redo(UNDOTARGET* target) {
    if (!CanRedo()) return 0;
    ++pos;
    return GetEntry(pos)->Restore(target);
}

UNDOBASE* UNDOBUFF2::FindByKey(int key) const {
    for (int i = 0; i < GetCount(); ++i) {
        UNDOBASE* entry = GetEntry(i);
        if (entry && entry->key == key) return entry;
    }
    return nullptr;
}

int UNDOBUFF2::RestoreByKey(int key, UNDOTARGET* target) {
    UNDOBASE* entry = FindByKey(key);
    return entry ? entry->Restore(target) : 0;
}

void UNDOBUFF2::DropOutsideWindow(int key, int window) {
    if (GetCount() <= 0 || window <= 1) return;
    int keptUpToPos = 0;
    for (int i = 0; i < GetCount(); ++i) {
        UNDOBASE* entry = GetEntry(i);
        long long k = entry ? entry->key : 0;
        if (entry && (k <= (long long)key - window - 1 || k >= key))
            slots.DeleteAt(i);
        else if (i <= pos)
            ++keptUpToPos;
    }
    slots.Pack();
    // The position stays on its entry, or on the nearest one kept before it, within the list.
    pos = keptUpToPos - 1;
    if (pos < 0 && GetCount() > 0) pos = 0;
}

void UNDOBUFF2::PushKeyed(int key, int window, UNDOBASE* entry) {
    if (key > 0) DropOutsideWindow(key, window);
    entry->key = key;
    Append(entry);
    // The new entry is the current one, whatever the drop left of the old position.
    pos = GetCount() - 1;
    Trim();
}
