// What every test plug-in needs: the slots that have no default (in a station or a command plug-in),
// answered plainly, under the identifiers 0x1A and 0xB00.
#pragma once

#include "host/hxplugin.h"

template <class Base> class Bare : public Base {
  public:
    void GetPlugInID(DWORD* product, DWORD* id) override {
        *product = 0x1A;
        *id = 0xB00;
    }
    const char* GetPlugInName() override { return "test"; }
    const char* EnumString() override { return "test"; }
    BOOL Initialize() override { return TRUE; }
    void Exit() override {}
    BOOL Activate(HXDocHandle, BOOL) override { return TRUE; }
    BOOL IsActivated(HXDocHandle) override { return TRUE; }
    bool ExecuteCallback(HXDocHandle, void*) override { return true; }
};
