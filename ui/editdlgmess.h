// Message window: a read-only multi-line edit that is also a text sink. Printed text is appended, line
// feeds become line breaks, the oldest lines go when the text grows past a limit, and the view follows
// the last line.
#pragma once
#include "base/umess.h"
#include "ui/uwin.h"

struct EDITDLGMESS : UWIN, UMESS {
    EDITDLGMESS();
    explicit EDITDLGMESS(HWND hwnd); // takes over an existing edit, without subclassing or a sink callback
    ~EDITDLGMESS() override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    HWND Create(HWND parent, const URECT* rect);
    HWND CreatePopup(HWND instanceSource, const URECT* rect, HWND parent);
    void SetMaxLength(int n) { m_maxLength = n; }
    int GetMaxLength() const { return m_maxLength; }
    void SetHwnd(HWND hwnd) { m_hwnd = hwnd; }
    void Append(const char* text);

    static void AppendText(HWND hwnd, int maxLength, const char* text);
    static void OutputProc(void* context, const char* text);

  private:
    HWND CreateEdit(DWORD exStyle, DWORD style, HWND instanceSource, const URECT* rect, HWND parent);
    int m_maxLength = 0x10000;
};
