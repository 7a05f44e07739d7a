// One open registry key under HKEY_CURRENT_USER with typed value reads and writes.
#pragma once
#include <windows.h>

class UREGKEY {
  public:
    UREGKEY() = default;
    UREGKEY(const UREGKEY&) = delete;
    UREGKEY& operator=(const UREGKEY&) = delete;
    ~UREGKEY() { Close(); }

    int Open(const char* path);   // for reading
    int Create(const char* path); // opened or created for writing
    void Close();
    HKEY GetHandle() const { return key; }

    // Each read gives 1 and fills out only when the value exists and has the expected size; otherwise
    // out is left as it was.
    int GetInt(const char* name, int* out) const;
    int GetUInt(const char* name, unsigned* out) const;
    int GetFloat(const char* name, float* out) const;
    // out receives a terminated string; a value that does not fit in size bytes reads as a failure.
    int GetString(const char* name, char* out, DWORD size) const;

    int SetInt(const char* name, int value) const;
    int SetUInt(const char* name, unsigned value) const;
    int SetFloat(const char* name, float value) const; // its four bytes, stored as REG_DWORD
    int SetString(const char* name, const char* text) const;

  private:
    int Opened(LONG result); // 1 on success; otherwise the handle is cleared
    int GetDword(const char* name, DWORD* out) const;
    int SetDword(const char* name, DWORD value) const;

    HKEY key = nullptr;
};
