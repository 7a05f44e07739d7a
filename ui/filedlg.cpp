#include "ui/filedlg.h"
#include "base/filepath.h"
#include "base/linefmt.h"
#include <commdlg.h>
#include <shlobj.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int kPathSize = 1024;

// Copies at most size - 1 bytes of text, never splitting a double-byte character.
void CopyBounded(char* dst, size_t size, const char* text) {
    size_t n = text ? WholeCharPrefix(text, strnlen(text, size - 1)) : 0;
    if (n) memcpy(dst, text, n);
    dst[n] = '\0';
}

} // namespace

FILEEXTFILTER::~FILEEXTFILTER() {
    FreeBuffers();
}

void FILEEXTFILTER::AddType(const char* description, const char* extension) {
    TYPE* type = types.Add();
    if (!type) return;
    CopyBounded(type->description, sizeof type->description, description);
    CopyBounded(type->extension, sizeof type->extension, extension);
}

bool FILEEXTFILTER::Allocate(int filterBytes, int extBytes, int pointers) {
    FreeBuffers();
    filter = static_cast<char*>(calloc(filterBytes, 1));
    extText = static_cast<char*>(calloc(extBytes, 1));
    exts = static_cast<const char**>(calloc(pointers + 1, sizeof *exts)); // one more for the closing null
    if (!filter || !extText || !exts) {
        FreeBuffers();
        return false;
    }
    filterSize = filterBytes;
    extSize = extBytes;
    pointerCount = pointers;
    return true;
}

void FILEEXTFILTER::FreeBuffers() {
    free(filter);
    free(extText);
    free(exts);
    filter = extText = nullptr;
    exts = nullptr;
    filterSize = extSize = pointerCount = 0;
    filterUsed = extUsed = extCount = 0;
}

bool FILEEXTFILTER::AddEntry(const char* description, const char* pattern, const char* extension) {
    int descLen = static_cast<int>(strlen(description)) + 1;
    int patLen = static_cast<int>(strlen(pattern)) + 1;
    int extLen = static_cast<int>(strlen(extension)) + 1;
    // Room is kept for the two closing zero bytes of the filter.
    if (extCount >= pointerCount || filterUsed + descLen + patLen + 2 > filterSize ||
        extUsed + extLen > extSize)
        return false;
    memcpy(filter + filterUsed, description, descLen);
    filterUsed += descLen;
    memcpy(filter + filterUsed, pattern, patLen);
    filterUsed += patLen;
    memcpy(extText + extUsed, extension, extLen);
    exts[extCount++] = extText + extUsed;
    extUsed += extLen;
    return true;
}

void FILEEXTFILTER::Build() {
    if (!Allocate(FILTER_SIZE, EXT_SIZE, EXT_COUNT)) return;
    char text[DESC_SIZE + EXTNAME_SIZE + 8];
    char pattern[EXTNAME_SIZE + 2];
    if (allFiles) {
        char all[ALL_PATTERNS_SIZE] = "";
        size_t used = 0;
        for (int i = 0; i < types.GetCount(); ++i) {
            if (!types[i]) continue;
            int n = snprintf(all + used, sizeof all - used, used ? ";*.%s" : "*.%s", types[i]->extension);
            if (n < 0 || used + n >= sizeof all) {
                all[used] = '\0'; // patterns that do not fit are left out
                break;
            }
            used += n;
        }
        AddEntry("対応する全てのファイル", all, "*");
    }
    for (int i = 0; i < types.GetCount(); ++i) {
        if (!types[i]) continue;
        snprintf(text, sizeof text, "%s (*.%s)", types[i]->description, types[i]->extension);
        snprintf(pattern, sizeof pattern, "*.%s", types[i]->extension);
        if (!AddEntry(text, pattern, types[i]->extension)) break;
    }
    // The buffer is zero-filled: the two closing zero bytes are already in place after the last pattern.
}

const char* FILEEXTFILTER::GetExt(int i) const {
    return (exts && i >= 0 && i < extCount) ? exts[i] : nullptr;
}

int FILEEXTFILTER::FindExt(const char* extension) const {
    if (!extension || !*extension) return -1;
    for (int i = 0; i < extCount; ++i)
        if (exts[i] && exts[i][0] != '*' && lstrcmpiA(exts[i], extension) == 0) return i;
    return -1;
}

int FILEEXTFILTER::FindExtOfPath(const char* path) const {
    const char* ext = path ? FindExtension(path) : nullptr;
    if (!ext) return 0;
    if (!*ext) return 1;
    int i = FindExt(ext);
    return i < 0 ? 0 : i;
}

namespace {

// What the dialog chose, with the chosen filter entry's extension, into path; 0 when it would not fit.
int TakeChosenName(char* path, const char* chosen, int filterIndex, const char* const* exts) {
    int k = filterIndex > 1 ? filterIndex - 1 : 0;
    const char* ext = nullptr;
    if (exts) {
        int i = 0;
        while (i < k && exts[i])
            ++i;
        ext = i == k ? exts[k] : nullptr;
    }
    char result[kPathSize];
    if (ext && strcmp(ext, "*") != 0) {
        if (ChangeExtension(result, sizeof result, chosen, ext) != 0) return 0;
    } else {
        if (strlen(chosen) >= sizeof result) return 0;
        strcpy(result, chosen);
    }
    strcpy(path, result);
    return 1;
}

int RunFileDialog(bool save, HWND owner, char* path, const char* title, const char* filter, int filterIndex,
                  const char* const* exts) {
    char file[kPathSize];
    CopyBounded(file, sizeof file, path);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = 76;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = filterIndex;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = "";
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_SHOWHELP;
    if (save) ofn.Flags &= ~OFN_FILEMUSTEXIST;
    BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) return 0;
    return TakeChosenName(path, file, ofn.nFilterIndex, exts);
}

} // namespace

int OpenFileDialog(HWND owner, char* path, const char* title, const char* filter, int filterIndex,
                   const char* const* exts) {
    return RunFileDialog(false, owner, path, title, filter, filterIndex, exts);
}

int SaveFileDialog(HWND owner, char* path, const char* title, const char* filter, int filterIndex,
                   const char* const* exts) {
    return RunFileDialog(true, owner, path, title, filter, filterIndex, exts);
}

bool LoadImageDialog(HWND owner, char* path) {
    static const char filter[] = "*.BMP\0*.bmp\0*.JPG\0*.jpg\0*.PNG\0*.png\0*.*\0*.*\0";
    static const char* const exts[] = {"BMP", "JPG", "PNG", "*", nullptr};
    return OpenFileDialog(owner, path, "LoadImage", filter, 1, exts) != 0;
}

int BrowseFolder(HWND owner, char* path, const char* title) {
    char display[MAX_PATH];
    BROWSEINFOA bi = {};
    bi.hwndOwner = owner;
    bi.pszDisplayName = display;
    bi.lpszTitle = title;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = BrowseFolderProc;
    bi.lParam = reinterpret_cast<LPARAM>(path);
    LPITEMIDLIST item = SHBrowseForFolderA(&bi);
    if (!item) return 0;
    char chosen[MAX_PATH];
    BOOL ok = SHGetPathFromIDListA(item, chosen);
    CoTaskMemFree(item);
    if (!ok) return 0;
    CopyBounded(path, kPathSize, chosen);
    return 1;
}

int CALLBACK BrowseFolderProc(HWND hwnd, UINT msg, LPARAM, LPARAM lpData) {
    if (msg == BFFM_INITIALIZED) SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}
