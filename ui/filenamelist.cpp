#include "ui/filenamelist.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

#include "base/filepath.h"

bool FILENAME_LIST::Find(const char* pattern) {
    char dir[sizeof folder];
    if (!pattern || !GetDirPart(dir, sizeof dir, pattern)) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    strcpy(folder, dir);
    do
        AddFile(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    Sort();
    return true;
}

void FILENAME_LIST::AddFile(const char* fileName) {
    char base[MAX_PATH];
    if (!fileName || !SplitExtension(nullptr, 0, base, sizeof base, nullptr, 0, fileName)) return;
    int number = GetTrailingNumber(base);
    if (number < 0 || FindNumber(number) >= 0) return;
    FILENAME_ENTRY entry;
    entry.number = number;
    if (JoinPath(entry.name, sizeof entry.name, folder, fileName)) entries.push_back(entry);
}

void FILENAME_LIST::Sort() {
    std::sort(entries.begin(), entries.end(),
              [](const FILENAME_ENTRY& a, const FILENAME_ENTRY& b) { return a.number < b.number; });
    lowest = entries.empty() ? -1 : entries.front().number;
    highest = entries.empty() ? -1 : entries.back().number;
}

int FILENAME_LIST::FindNumber(int n) const {
    for (int i = 0; i < GetCount(); i++)
        if (entries[i].number == n) return i;
    return -1;
}

const char* FILENAME_LIST::Get(int i) const {
    return i >= 0 && i < GetCount() ? entries[i].name : nullptr;
}

int FILENAME_LIST::GetNumber(int i) const {
    return i >= 0 && i < GetCount() ? entries[i].number : -1;
}

bool FILENAME_LIST::SetFolder(const char* path) {
    if (!path || strlen(path) >= sizeof folder) return false;
    strcpy(folder, path);
    return true;
}
