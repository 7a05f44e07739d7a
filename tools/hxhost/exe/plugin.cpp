#include "tools/hxhost/exe/plugin.h"

PlugIn::~PlugIn() {
    if (module_) FreeLibrary(module_);
}

namespace {
template <typename Function> bool Find(HMODULE module, const char* name, Function& out, std::string* error) {
    out = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!out) *error = std::string("the plug-in does not export ") + name;
    return out != nullptr;
}
} // namespace

bool PlugIn::Load(const std::string& path, std::string* error) {
    module_ = LoadLibraryA(path.c_str());
    if (!module_) {
        *error = "cannot load the plug-in " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return Find(module_, "HXCheckVersion", CheckVersion, error) && Find(module_, "HXInit", Init, error) &&
           Find(module_, "HXGetPlugInID", GetPlugInID, error) &&
           Find(module_, "HXGetPlugInName", GetPlugInName, error) &&
           Find(module_, "HXGetPlugInType", GetPlugInType, error) &&
           Find(module_, "HXEnumString", EnumString, error) && Find(module_, "HXOnEvent", OnEvent, error);
}
