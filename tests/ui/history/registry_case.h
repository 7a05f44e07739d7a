// A test case whose current-user registry is a private key, deleted again when the case ends, so
// that no other program's settings are touched.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "base/uregkey.h"

class RegistryCase : public testing::Test {
  protected:
    static constexpr const char* kKey = "Software\\histtest";

    void SetUp() override;
    void TearDown() override;
    // Writes a value as it is, of any type, under kKey.
    void SetRaw(const char* name, DWORD type, const void* data, DWORD size);
    void SetRawString(const char* name, const std::string& text);
    void SetRawInt(const char* name, DWORD value) { SetRaw(name, REG_DWORD, &value, sizeof value); }
    std::string ReadString(const char* name);
    int ReadInt(const char* name); // -12345 when missing
    bool Exists(const char* name);

    UREGKEY key; // kKey, open for writing

  private:
    HKEY user = 0;
    std::string privatePath;
};
