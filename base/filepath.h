#pragma once
// Whole-file reads and writes, and taking paths apart in the ANSI code page (Shift-JIS aware: the
// second byte of a double-byte character is never taken for '\\', ':' or '.').
// Separators are '\\' and ':'; only a '.' after the last separator starts an extension.
// Every function that fills a caller's buffer takes its size and never writes past it.
#include <cstddef>
#include <cstdio>
#include <string>

// Whole files, opened in binary mode and closed again on every path.
long ReadFileInto(const char* path, void* buffer, size_t capacity); // 0 also when larger than capacity
long ReadFileAlloc(const char* path, void** out);                   // malloc'd block, freed with free
long ReadFileHead(const char* path, void* buffer, long n);          // n, or 0 when fewer bytes exist
long WriteFileFromBuffer(const char* path, const void* data, long n);
int FileExists(const char* path);
long GetFileSizeOf(const char* path);
FILE* OpenRead(const char* path);
FILE* OpenWrite(const char* path);
int CloseFile(FILE* stream); // 0 when flushed and closed cleanly, else EOF

const char* FindChar(const char* text, char c);
const char* FindLastChar(const char* text, char c);

// The extension without its '.', or null when the file name has none.
const char* FindExtension(const char* path);
int GetExtension(char* out, size_t size, const char* path);   // 1 with an extension that fits
int HasNoExtension(char* out, size_t size, const char* path); // out as GetExtension fills it
int ExtensionDiffers(const char* path, const char* ext);      // 0 when equal ignoring case
int ExtensionsDiffer(const char* path1, const char* path2);   // 0 when both have equal ones
// 0 on success; 1 when the result does not fit (dst is emptied). dst may be src.
int ChangeExtension(char* dst, size_t size, const char* src, const char* ext);
int ChangeExtensionFrom(char* dst, size_t size, const char* src, const char* other);

// These return 1, or 0 when the part does not fit (that out is emptied).
int GetDirPart(char* out, size_t size, const char* path);      // with its trailing separator
int GetFileNamePart(char* out, size_t size, const char* path); // the whole path without separator
int SplitExtension(char* folder, size_t folderSize, char* name, size_t nameSize, char* ext, size_t extSize,
                   const char* path);
// 1, or 0 when the joined path does not fit (dst then keeps the folder part when that fit).
int JoinPath(char* dst, size_t size, const char* folder, const char* name);
// The file's path relative to the folder; 0 (dst = the file's own path when it fits) when none exists.
int MakeRelativePath(char* dst, size_t size, const char* file, const char* folder);

// The full name Windows opens for path: resolved against the current folder (and a drive's own current
// folder) with `.` and `..` applied, `/` taken for a backslash and runs of separators made one, without the
// trailing blanks and dots it drops from a name. Empty when the path cannot be resolved.
std::string ResolvePath(const char* path);

// 1 when the path names a folder, whatever its other attributes (read-only, hidden, archived).
int IsFolder(const char* path);
// Creates the folder with every missing parent; 1 when the path names a folder afterwards. The path is cut
// only at whole '\\' or '/' characters: the system's own helper for this also cuts at the second byte of a
// character such as 表 or ソ and leaves stray folders named by half a character.
int MakeFolderPath(const char* path);
