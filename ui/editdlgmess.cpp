#include "ui/editdlgmess.h"
#include <string>

EDITDLGMESS::EDITDLGMESS() {
    UMESS::SetCallback(this, OutputProc);
}

EDITDLGMESS::EDITDLGMESS(HWND hwnd) {
    m_hwnd = hwnd;
}

EDITDLGMESS::~EDITDLGMESS() {
    // The edit draws with the font until it is gone, so the window goes first.
    if (m_hwnd) {
        HWND hwnd = m_hwnd;
        m_hwnd = 0;
        DestroyWindow(hwnd);
    }
    DeleteFont();
}

LRESULT EDITDLGMESS::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

HWND EDITDLGMESS::CreateEdit(DWORD exStyle, DWORD style, HWND instanceSource, const URECT* rect,
                             HWND parent) {
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(instanceSource, GWLP_HINSTANCE));
    URECT r = rect ? *rect : URECT{};
    if (!CreateEx(exStyle, "EDIT", "", style, r, parent, 0, inst, SW_SHOWNORMAL)) return 0;
    SetDefaultFont();
    return m_hwnd;
}

HWND EDITDLGMESS::Create(HWND parent, const URECT* rect) {
    return CreateEdit(WS_EX_CLIENTEDGE, 0x50B21804, parent, rect, parent);
}

HWND EDITDLGMESS::CreatePopup(HWND instanceSource, const URECT* rect, HWND parent) {
    return CreateEdit(0, 0x10301804, instanceSource, rect, parent);
}

void EDITDLGMESS::Append(const char* text) {
    AppendText(m_hwnd, m_maxLength, text);
}

namespace {

// Where the kept text starts when no line can be dropped any more: the first character boundary that
// leaves fewer than limit bytes.
size_t TailStart(const std::string& text, size_t from, int limit) {
    size_t keep = limit > 1 ? size_t(limit - 1) : 0;
    size_t want = text.size() - from > keep ? text.size() - keep : from;
    size_t i = from;
    while (i < want)
        i += (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    return i;
}

} // namespace

void EDITDLGMESS::AppendText(HWND hwnd, int maxLength, const char* text) {
    if (!hwnd || !text) return;
    int present = GetWindowTextLengthA(hwnd);
    std::string all(present + 1, '\0');
    all.resize(GetWindowTextA(hwnd, &all[0], present + 1));
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            all += "\r\n";
        else
            all += *p;
    }
    size_t start = 0;
    while (static_cast<long long>(all.size() - start) >= maxLength) {
        size_t lf = all.find('\n', start);
        if (lf == std::string::npos) {
            start = TailStart(all, start, maxLength);
            break;
        }
        start = lf + 1;
    }
    SetWindowTextA(hwnd, all.c_str() + start);
    LRESULT lines = SendMessageA(hwnd, EM_GETLINECOUNT, 0, 0);
    SendMessageA(hwnd, EM_LINESCROLL, 0, lines);
}

void EDITDLGMESS::OutputProc(void* context, const char* text) {
    if (!context) return;
    auto* self = static_cast<EDITDLGMESS*>(context);
    AppendText(self->m_hwnd, self->m_maxLength, text);
}
