// Open, save and folder dialogs, and the filter text with its extension table that the file dialogs take.
#pragma once
#include "base/ptrlist.h"
#include <windows.h>

// Builds the common-dialog filter from file types: pairs of zero-terminated strings (description,
// pattern) ended by two further zero bytes, and the extension of each entry in the same order.
class FILEEXTFILTER {
  public:
    enum {
        FILTER_SIZE = 65536,
        EXT_SIZE = 65536,
        EXT_COUNT = 256,
        DESC_SIZE = 256,
        EXTNAME_SIZE = 16,
        ALL_PATTERNS_SIZE = 4096
    };

    FILEEXTFILTER() = default;
    FILEEXTFILTER(const FILEEXTFILTER&) = delete;
    FILEEXTFILTER& operator=(const FILEEXTFILTER&) = delete;
    virtual ~FILEEXTFILTER();

    // The extension without its dot ("bmp"), or "*" for any file. Longer texts are cut.
    void AddType(const char* description, const char* extension);
    void SetAllFiles(int flag) { allFiles = flag; }
    int GetAllFiles() const { return allFiles; }
    int GetTypeCount() const { return types.GetCount(); }

    // Entries that would not fit the buffers are left out.
    void Build();
    const char* GetFilter() const { return filter; }
    const char* const* GetExtList() const { return exts; } // ends with a null entry
    const char* GetExt(int i) const;                       // null outside the table
    int GetExtCount() const { return extCount; }
    int FindExt(const char* extension) const;
    int FindExtOfPath(const char* path) const;

    bool Allocate(int filterSize, int extSize, int pointerCount);
    void FreeBuffers();

  private:
    struct TYPE {
        char description[DESC_SIZE];
        char extension[EXTNAME_SIZE];
    };
    bool AddEntry(const char* description, const char* pattern, const char* extension);

    int filterSize = 0, extSize = 0, pointerCount = 0;
    char* filter = nullptr;
    char* extText = nullptr;
    const char** exts = nullptr;
    int filterUsed = 0, extUsed = 0, extCount = 0;
    int allFiles = 0;
    PTRLIST<TYPE> types;
};

// path is a 1024-byte buffer. After OK it holds the chosen file, with the extension of the chosen filter
// entry (exts[filterIndex - 1], unless "*"); exts ends with a null entry and may be null. Cancelled or
// failed dialogs, and names that would not fit, return 0 and leave path as it was.
int OpenFileDialog(HWND owner, char* path, const char* title, const char* filter, int filterIndex,
                   const char* const* exts);
int SaveFileDialog(HWND owner, char* path, const char* title, const char* filter, int filterIndex,
                   const char* const* exts);
bool LoadImageDialog(HWND owner, char* path);
// Opens at the folder in path (1024 bytes) and stores the chosen folder there.
int BrowseFolder(HWND owner, char* path, const char* title);
int CALLBACK BrowseFolderProc(HWND hwnd, UINT msg, LPARAM lParam, LPARAM lpData);
