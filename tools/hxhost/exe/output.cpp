#include "tools/hxhost/exe/output.h"

#include <windows.h>

#include <cstdio>

#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/recode.h"

namespace {
// The host's own texts and the plug-in's are in the ANSI code page; its output is read as UTF-8.
std::string AnsiToUtf8(const std::string& text) {
    return hxhost::Recode(text, CP_ACP, CP_UTF8);
}
} // namespace

void Say(const std::string& line) {
    std::printf("%s\n", AnsiToUtf8(line).c_str());
    std::fflush(stdout);
    hxhost::FlushLog();
}

void Complain(const std::string& line) {
    std::fprintf(stderr, "hxhost: %s\n", AnsiToUtf8(line).c_str());
    hxhost::FlushLog();
}
