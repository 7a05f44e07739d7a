// A command plug-in with the identifiers 0x1A and 0xB00 and nothing else, to send requests from.
#pragma once

#include "host/hxplugin.h"

class Sender : public HXCommandPlugin {
  public:
    void GetPlugInID(DWORD* product, DWORD* id) override {
        *product = 0x1A;
        *id = 0xB00;
    }
    const char* GetPlugInName() override { return "sender"; }
    const char* EnumString() override { return "sender"; }
    BOOL Initialize() override { return TRUE; }
    void Exit() override {}
    BOOL Activate(HXDocHandle, BOOL) override { return TRUE; }
};
