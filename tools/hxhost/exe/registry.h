#pragma once
// The plug-in's own registry values that the host presets before start-up.
#include <string>

// Writes a REG_SZ value under HKEY_CURRENT_USER "Software\orlek31\pyldlqHX"; false on failure.
bool SetPlugInRegistryText(const char* name, const std::string& value);
