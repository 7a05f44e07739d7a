// Typed values in one section of an ini file, as the host keeps each plug-in's settings.
#pragma once

#include <string>

#include <windows.h>

class HXSetting {
  public:
    HXSetting(const char* file, const char* section);
    virtual ~HXSetting() = default;

    // Each writes the value read, or `def` when the key is missing.
    void Load(const char* key, bool& value, bool def) const;
    void Load(const char* key, int& value, int def) const;
    void Load(const char* key, unsigned& value, unsigned def) const;
    // Keeps `value` when the stored text is not a number.
    void Load(const char* key, float& value, float def) const;
    // Texts longer than 2047 characters come back cut to 2047.
    void Load(const char* key, std::string& value, const char* def) const;

    // Non-zero when the file was written.
    BOOL Save(const char* key, bool value) const;
    BOOL Save(const char* key, int value) const;
    BOOL Save(const char* key, unsigned value) const;
    BOOL Save(const char* key, float value) const;
    BOOL Save(const char* key, const char* value) const;

  private:
    std::string file_;
    std::string section_;
};
