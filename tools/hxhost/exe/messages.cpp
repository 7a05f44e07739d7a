#include "tools/hxhost/exe/messages.h"

#include <vector>

namespace {
BOOL CALLBACK FindMessageWindow(HWND child, LPARAM found) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(name, "Edit") != 0 ||
        (style & (ES_MULTILINE | ES_READONLY)) != (ES_MULTILINE | ES_READONLY))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

} // namespace

void PlugInMessages::Report(HWND plugInWindow, const std::function<void(const std::string&)>& say) {
    HWND edit = nullptr;
    if (plugInWindow) EnumChildWindows(plugInWindow, FindMessageWindow, reinterpret_cast<LPARAM>(&edit));
    if (!edit) return;
    std::vector<char> buffer(size_t(GetWindowTextLengthA(edit)) + 1);
    buffer.resize(size_t(GetWindowTextA(edit, buffer.data(), int(buffer.size()))));
    std::string text(buffer.begin(), buffer.end());
    // The control drops its oldest lines when it grows too long; then everything it holds is new here.
    size_t from = text.compare(0, seen_.size(), seen_) == 0 ? seen_.size() : 0;
    size_t end;
    while ((end = text.find('\n', from)) != std::string::npos) {
        size_t stop = end;
        while (stop > from && text[stop - 1] == '\r')
            --stop;
        say(text.substr(from, stop - from));
        from = end + 1;
    }
    seen_ = text.substr(0, from);
}
