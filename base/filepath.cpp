#include "base/filepath.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <windows.h>
#include <shlwapi.h>

// Every scan walks whole characters forward with CharNextA; "last" is the last one met.
static bool IsSeparator(const char* p) {
    return *p == '\\' || *p == ':';
}

// The last separator; one in the first position counts only when fromFirst is set.
static const char* LastSeparator(const char* path, bool fromFirst) {
    const char* last = nullptr;
    for (const char* p = path; *p; p = CharNextA(p))
        if (IsSeparator(p) && (fromFirst || p != path)) last = p;
    return last;
}

// The '.' that starts the extension: the last one after the last separator.
static const char* ExtensionDot(const char* path) {
    const char* dot = nullptr;
    for (const char* p = path; *p; p = CharNextA(p)) {
        if (*p == '.')
            dot = p;
        else if (IsSeparator(p))
            dot = nullptr;
    }
    return dot;
}

// Copies [begin, end) into out when it fits; otherwise out is emptied and the result is 0.
static int CopyPart(char* out, size_t size, const char* begin, const char* end) {
    if (!out || size == 0) return 0;
    size_t len = end - begin;
    if (len >= size) {
        out[0] = 0;
        return 0;
    }
    memmove(out, begin, len);
    out[len] = 0;
    return 1;
}

static int CopyText(char* out, size_t size, const char* text) {
    return CopyPart(out, size, text, text + strlen(text));
}

static void Empty(char* out, size_t size) {
    if (out && size) out[0] = 0;
}

const char* FindChar(const char* text, char c) {
    if (!text) return nullptr;
    for (const char* p = text; *p; p = CharNextA(p))
        if (*p == c) return p;
    return nullptr;
}

const char* FindLastChar(const char* text, char c) {
    if (!text) return nullptr;
    const char* last = nullptr;
    for (const char* p = text; *p; p = CharNextA(p))
        if (*p == c) last = p;
    return last;
}

const char* FindExtension(const char* path) {
    const char* dot = path ? ExtensionDot(path) : nullptr;
    return dot ? dot + 1 : nullptr;
}

int GetExtension(char* out, size_t size, const char* path) {
    const char* ext = FindExtension(path);
    if (!ext) {
        Empty(out, size);
        return 0;
    }
    return CopyText(out, size, ext);
}

int HasNoExtension(char* out, size_t size, const char* path) {
    // The answer is the path's, even when its extension does not fit in out.
    GetExtension(out, size, path);
    return FindExtension(path) == nullptr;
}

int ExtensionDiffers(const char* path, const char* ext) {
    const char* own = FindExtension(path);
    return !own || !ext || lstrcmpiA(own, ext) != 0;
}

int ExtensionsDiffer(const char* path1, const char* path2) {
    const char* ext1 = FindExtension(path1);
    const char* ext2 = FindExtension(path2);
    return !ext1 || !ext2 || lstrcmpiA(ext1, ext2) != 0;
}

int ChangeExtension(char* dst, size_t size, const char* src, const char* ext) {
    if (!dst || !src) {
        Empty(dst, size);
        return 1;
    }
    const char* dot = ExtensionDot(src);
    size_t base = dot ? size_t(dot - src) : strlen(src);
    const char* newExt = ext ? FindExtension(ext) : "";
    if (!newExt) newExt = ext; // given without a '.'
    if (base + strlen(newExt) + 2 > size) {
        Empty(dst, size);
        return 1;
    }
    // Built apart first: dst may be src, and ext may point into either.
    std::string work(src, base);
    work += '.';
    work += newExt;
    memcpy(dst, work.c_str(), work.size() + 1);
    return 0;
}

int ChangeExtensionFrom(char* dst, size_t size, const char* src, const char* other) {
    const char* ext = FindExtension(other);
    if (ext) return ChangeExtension(dst, size, src, ext);
    if (src) CopyText(dst, size, src);
    return 1;
}

int GetDirPart(char* out, size_t size, const char* path) {
    if (!path) {
        Empty(out, size);
        return 0;
    }
    const char* sep = LastSeparator(path, false);
    return CopyPart(out, size, path, sep ? sep + 1 : path);
}

int GetFileNamePart(char* out, size_t size, const char* path) {
    if (!path) {
        Empty(out, size);
        return 0;
    }
    const char* sep = LastSeparator(path, false);
    return CopyText(out, size, sep ? sep + 1 : path);
}

int SplitExtension(char* folder, size_t folderSize, char* name, size_t nameSize, char* ext, size_t extSize,
                   const char* path) {
    Empty(folder, folderSize);
    Empty(name, nameSize);
    Empty(ext, extSize);
    if (!path) return 0;
    const char* sep = LastSeparator(path, true);
    const char* dot = ExtensionDot(path);
    const char* nameStart = sep ? sep + 1 : path;
    const char* nameEnd = dot ? dot : path + strlen(path);
    int ok = 1;
    if (folder && sep) ok &= CopyPart(folder, folderSize, path, *sep == ':' ? sep + 1 : sep);
    if (name) ok &= CopyPart(name, nameSize, nameStart, nameEnd);
    if (ext && dot) ok &= CopyText(ext, extSize, dot + 1);
    return ok;
}

// True when the text's last whole character is a backslash.
static bool EndsWithBackslash(const char* text) {
    const char* last = nullptr;
    for (const char* p = text; *p; p = CharNextA(p))
        last = p;
    return last && *last == '\\';
}

int JoinPath(char* dst, size_t size, const char* folder, const char* name) {
    Empty(dst, size);
    if (!dst || !name || strlen(name) + 1 > size) return 0;
    if (!folder || !*folder || FindChar(name, ':') || name[0] == '\\') return CopyText(dst, size, name);
    size_t len = strlen(folder);
    if (len + 1 > size) return 0;
    memcpy(dst, folder, len + 1);
    if (!EndsWithBackslash(dst)) {
        if (len + 2 > size) return 0;
        dst[len++] = '\\';
        dst[len] = 0;
    }
    if (len + strlen(name) + 1 >= size) return 0;
    memcpy(dst + len, name, strlen(name) + 1);
    return 1;
}

int MakeRelativePath(char* dst, size_t size, const char* file, const char* folder) {
    Empty(dst, size);
    if (!file || !folder) return 0;
    char relative[MAX_PATH] = "";
    if (!PathRelativePathToA(relative, folder, FILE_ATTRIBUTE_DIRECTORY, file, FILE_ATTRIBUTE_ARCHIVE)) {
        CopyText(dst, size, file);
        return 0;
    }
    const char* text = relative[0] == '.' && relative[1] == '\\' ? relative + 2 : relative;
    return CopyText(dst, size, text);
}

std::string ResolvePath(const char* path) {
    if (!path) return "";
    // `/` is a separator like `\`. Turned first, a name that begins with `/` resolves on the current drive
    // on every system, never as a path of another file system. No second byte of a Shift-JIS character is
    // ever a `/`.
    std::string name = path;
    std::replace(name.begin(), name.end(), '/', '\\');
    DWORD size = GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
    if (!size) return "";
    std::string full(size, '\0');
    DWORD n = GetFullPathNameA(name.c_str(), size, &full[0], nullptr);
    if (!n || n >= size) return "";
    full.resize(n);
    // Neither byte is ever the second byte of a Shift-JIS character.
    while (!full.empty() && (full.back() == ' ' || full.back() == '.'))
        full.pop_back();
    return full;
}

int IsFolder(const char* path) {
    DWORD attributes = path ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Each parent is made and looked for with its separator, so that it is the folder the path names even when
// its name ends in blanks or dots, which Windows drops only from a name that ends the path. A parent that
// cannot be made is passed over: whether the whole path is a folder at the end decides.
int MakeFolderPath(const char* path) {
    if (!path || !*path) return 0;
    std::string part;
    for (const char* p = path; *p; p = CharNextA(p)) {
        const bool ends = (*p == '\\' || *p == '/') && !part.empty();
        part.append(p, CharNextA(p) - p);
        if (ends && !IsFolder(part.c_str())) CreateDirectoryA(part.c_str(), nullptr);
    }
    if (!IsFolder(path)) CreateDirectoryA(path, nullptr);
    return IsFolder(path);
}
