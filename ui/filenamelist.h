// The numbered files of one sequence in a folder (shot2.bmp, shot07.bmp, shot10.bmp ...), in the
// order of their numbers, and the helpers that take a trailing number off a name.
#pragma once
#include <cstddef>
#include <vector>

struct FILENAME_ENTRY {
    char name[260]; // the full path
    int number;
};

class FILENAME_LIST {
  public:
    virtual ~FILENAME_LIST() = default;

    // Adds every file matching the pattern (a path with wildcards in its file name), then sorts.
    // False, with the list unchanged, when nothing matches.
    bool Find(const char* pattern);
    // Skips a name without a trailing number, one whose number is listed already, and one whose
    // full path would not fit.
    void AddFile(const char* fileName);
    void Sort(); // by number; lowest and highest are -1 for an empty list

    int FindNumber(int n) const;
    const char* Get(int i) const;
    int GetNumber(int i) const;
    int GetCount() const { return (int)entries.size(); }
    int GetLowest() const { return lowest; }
    int GetHighest() const { return highest; }
    bool SetFolder(const char* path); // false, folder unchanged, when it does not fit

  private:
    char folder[260] = "";
    std::vector<FILENAME_ENTRY> entries;
    int lowest = 0x7FFFFFFF;
    int highest = 0;
};

// dst = name without its trailing digits. False for a null argument or when the rest does not fit
// (dst emptied then); an empty name gives true and leaves dst alone.
bool SplitTrailingNumber(char* dst, size_t size, const char* name);
// The value of the name's trailing digits (saturated at 0x7FFFFFFF), or -1 without any.
int GetTrailingNumber(const char* name);
int GetNumberOfPath(const char* path); // of the file name without its extension
// dst = folder\base*.ext, a pattern for FILENAME_LIST::Find; the extension may come with its '.'.
// False, dst emptied, when it does not fit.
bool MakeFilePattern(char* dst, size_t size, const char* folder, const char* base, const char* extension);
