// The stand-in host program: plays the host application for the plug-in DLL.
#include "tools/hxhost/exe/options.h"
#include "tools/hxhost/exe/output.h"
#include "tools/hxhost/exe/registry.h"
#include "tools/hxhost/exe/session.h"
#include "tools/hxhost/hxhostlib.h"

namespace {
std::string DefaultPlugIn() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "pyldlgHX.dll";
}

int Fail(const std::string& line, int code) {
    Complain(line);
    return code;
}
} // namespace

int main(int argc, char** argv) {
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(argc, argv, &options, &error))
        return Fail(error + "\n" + kHostUsage, HostSession::kFailed);
    if (options.plugin.empty()) options.plugin = DefaultPlugIn();
    // The plug-in is told the document's full name, as a host knows it.
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(options.document.c_str(), MAX_PATH, full, nullptr);
    if (n > 0 && n < MAX_PATH) options.document = full;
    if (!hxhost::OpenDocumentFile(options.document, &error))
        return Fail(options.document + ": " + error, HostSession::kBadDocument);
    if (!options.log.empty() && !hxhost::SetLogFile(options.log))
        return Fail("cannot write the log " + options.log, HostSession::kFailed);
    // The plug-in reads its registry values when it starts, so they are set first.
    if (!options.work.empty() && !SetPlugInRegistryText("pylcomm_tmppath", options.work))
        return Fail("cannot set the work folder in the registry", HostSession::kFailed);
    if (!options.renderer.empty() && !SetPlugInRegistryText("pylcomm_pyrell", options.renderer))
        return Fail("cannot set the renderer in the registry", HostSession::kFailed);

    HostSession session(options);
    int code = session.Start();
    if (code < 0) code = session.Run();
    hxhost::FlushLog();
    return code;
}
