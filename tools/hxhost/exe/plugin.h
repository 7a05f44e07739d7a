#pragma once
// The plug-in module as the host sees it: a DLL with its exports, all cdecl.
#include <windows.h>

#include <string>

#include "host/hxfuncs.h"

class PlugIn {
  public:
    ~PlugIn();
    // False with a reason when the DLL cannot be loaded or lacks an export the host calls.
    bool Load(const std::string& path, std::string* error);

    DWORD(__cdecl* CheckVersion)(DWORD version) = nullptr;
    BOOL(__cdecl* Init)(const char* hostPath) = nullptr;
    void(__cdecl* GetPlugInID)(DWORD* product, DWORD* id) = nullptr;
    const char*(__cdecl* GetPlugInName)() = nullptr;
    int(__cdecl* GetPlugInType)() = nullptr;
    const char*(__cdecl* EnumString)(int index) = nullptr;
    BOOL(__cdecl* OnEvent)(HXDocHandle doc, int event, void* options) = nullptr;

  private:
    HMODULE module_ = nullptr;
};
