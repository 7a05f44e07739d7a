#include "scene/quotedtext.h"

#include <cstring>

#include "base/umess.h"
#include "scene/textfield.h"

namespace {

bool IsUnquotable(unsigned char c) {
    return c == '"' || c < 0x20 || c == 0x7F;
}

} // namespace

bool IsQuotable(const char* text) {
    for (const char* p = text; *p; ++p)
        if (IsUnquotable(static_cast<unsigned char>(*p))) return false;
    return true;
}

void MakeQuotable(char* text, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (IsUnquotable(static_cast<unsigned char>(text[i]))) text[i] = '_';
}

// 0, after a failure line that shows the path made quotable.
static int Refuse(const UMESS& mess, const char* path) {
    char shown[1024];
    CopyTextCut(shown, sizeof shown, path);
    MakeQuotable(shown, std::strlen(shown));
    mess.PrintfLn("使えない文字を含むファイル名です!!(%s)", static_cast<const char*>(shown));
    return 0;
}

int CheckQuotableName(const UMESS& mess, const char* path) {
    return IsQuotable(path) ? 1 : Refuse(mess, path);
}

int CheckQuotablePath(const UMESS& mess, const char* path) {
    size_t n = std::strlen(path);
    // A last byte 0x5C, a backslash or the second byte of a character such as 表, would make a
    // command line splitter read the closing quote as a quote inside the argument.
    if (IsQuotable(path) && (n == 0 || path[n - 1] != '\\')) return 1;
    return Refuse(mess, path);
}
