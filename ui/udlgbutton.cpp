#include "ui/udlgbutton.h"
#include <algorithm>
#include <cstring>
#include <string>
#include "base/linefmt.h"

bool UDLGBUTTON::Create(HWND owner, int id, const URECT& rect, const char* text) {
    m_owner = owner;
    m_id = id;
    HMENU idArg = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!UWIN::Create("BUTTON", text, 0x50000000, rect, owner, idArg, m_hinst, SW_SHOWNORMAL)) return false;
    Init();
    return true;
}

int UDLGBUTTON::Init() {
    SetDefaultFont();
    return 1;
}

void UDLGBUTTON::SetText(const char* text) {
    if (m_hwnd) SetWindowTextA(m_hwnd, text);
}

int UDLGBUTTON::GetText(char* buffer, int size) const {
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    if (!m_hwnd) return 0;
    // The whole text first, so that the cut can fall between characters.
    std::string text(GetWindowTextLengthA(m_hwnd) + 1, '\0');
    int length = GetWindowTextA(m_hwnd, &text[0], static_cast<int>(text.size()));
    size_t keep = WholeCharPrefix(text.data(), std::min(std::max(length, 0), size - 1));
    std::memcpy(buffer, text.data(), keep);
    buffer[keep] = 0;
    return static_cast<int>(keep);
}
