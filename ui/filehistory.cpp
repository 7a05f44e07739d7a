#include "ui/filehistory.h"

#include <algorithm>
#include <cstring>

static bool Fits(const char* path) {
    return path && strlen(path) < sizeof FILEHISTORY_ENTRY::path;
}

// An untyped store (type null) leaves the entry's type as it was.
static void Store(FILEHISTORY_ENTRY& entry, const int* type, const char* path) {
    if (type) entry.type = *type;
    memcpy(entry.path, path, strlen(path) + 1);
}

void FILEHISTORY::Reset() {
    entries.clear();
    maximum = 10;
}

void FILEHISTORY::Clear() {
    entries.clear();
}

bool FILEHISTORY::GetPath(int i, char* buffer, int size) const {
    int type;
    return GetPathType(i, &type, buffer, size);
}

bool FILEHISTORY::GetPathType(int i, int* type, char* buffer, int size) const {
    if (!buffer || size <= 0) return false;
    buffer[0] = 0;
    if (i < 0 || i >= GetCount()) return false;
    const FILEHISTORY_ENTRY& entry = entries[i];
    if (strlen(entry.path) >= (size_t)size) return false;
    strcpy(buffer, entry.path);
    if (type) *type = entry.type;
    return true;
}

bool FILEHISTORY::Find(const char* path, int* index) const {
    return Search(nullptr, path, index);
}

bool FILEHISTORY::FindTyped(int type, const char* path, int* index) const {
    return Search(&type, path, index);
}

bool FILEHISTORY::Search(const int* type, const char* path, int* index) const {
    for (int i = 0; path && i < GetCount(); i++)
        if ((!type || entries[i].type == *type) && strcmp(entries[i].path, path) == 0) {
            if (index) *index = i;
            return true;
        }
    return false;
}

bool FILEHISTORY::Add(const char* path) {
    return Put(nullptr, path);
}

bool FILEHISTORY::AddTyped(int type, const char* path) {
    return Put(&type, path);
}

bool FILEHISTORY::Put(const int* type, const char* path) {
    if (!Fits(path)) return false;
    int i = 0;
    if (Search(type, path, &i)) {
        MoveToFront(i);
        return true;
    }
    if (GetCount() < maximum) entries.emplace_back();
    // A history whose maximum is 0 or less has no entry to reuse.
    if (entries.empty()) return false;
    // The last entry, when the list is full its oldest, becomes the new first one.
    std::rotate(entries.begin(), entries.end() - 1, entries.end());
    Store(entries[0], type, path);
    return true;
}

bool FILEHISTORY::Append(const char* path) {
    return PutLast(nullptr, path);
}

bool FILEHISTORY::AppendTyped(int type, const char* path) {
    return PutLast(&type, path);
}

bool FILEHISTORY::PutLast(const int* type, const char* path) {
    if (!Fits(path) || Search(type, path, nullptr)) return false;
    entries.emplace_back();
    Store(entries.back(), type, path);
    return true;
}

void FILEHISTORY::MoveToFront(int i) {
    if (i <= 0 || i >= GetCount()) return;
    std::rotate(entries.begin(), entries.begin() + i, entries.begin() + i + 1);
}
