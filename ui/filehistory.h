// Most-recent-first list of file paths, each path once (once per type when typed).
#pragma once
#include <vector>

struct FILEHISTORY_ENTRY {
    int type = 0;
    char path[1024] = "";
};

class FILEHISTORY {
  public:
    void Reset(); // empty, maximum back to 10
    void Clear();

    void SetMax(int n) { maximum = n; }
    int GetMax() const { return maximum; }
    void SetTyped(int flag) { typed = flag; }
    int GetTyped() const { return typed; }
    int GetCount() const { return (int)entries.size(); }

    // False outside the list, or when the path does not fit in size bytes (buffer emptied then).
    bool GetPath(int i, char* buffer, int size) const;
    bool GetPathType(int i, int* type, char* buffer, int size) const;

    bool Find(const char* path, int* index) const;
    bool FindTyped(int type, const char* path, int* index) const;

    // These refuse (false, list unchanged) a null path or one longer than an entry holds.
    bool Add(const char* path);
    bool AddTyped(int type, const char* path);
    // Puts a path not yet listed at the end, beyond the maximum too; used when loading.
    bool Append(const char* path);
    bool AppendTyped(int type, const char* path);

    void MoveToFront(int i);

  private:
    // type: the type that must be equal too and is stored, or null when only the path counts.
    bool Search(const int* type, const char* path, int* index) const;
    bool Put(const int* type, const char* path);
    bool PutLast(const int* type, const char* path);

    std::vector<FILEHISTORY_ENTRY> entries;
    int maximum = 10;
    int typed = 0;
};
