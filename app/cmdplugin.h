// The module's plug-in object: what the host talks to.
#pragma once

#include "host/hxplugin.h"

class CMDPLUGIN : public HXCommandPlugin {
  public:
    void GetPlugInID(DWORD* product, DWORD* id) override;
    const char* GetPlugInName() override;
    const char* EnumString() override;
    BOOL Initialize() override;
    void Exit() override;
    BOOL Activate(HXDocHandle doc, BOOL flag) override;
};
