// Text field: a dialog edit item that commits on Enter and on losing the focus, and tells its dialog.
#pragma once
#include "base/linefmt.h"
#include "ui/udlgctrl.h"

struct UDLGTEXT : UDLGCTRL {
    UDLGTEXT() { m_attached = 0; }
    int Attach(HWND dialog, int id);
    // Creates a static ("test") or an edit as a child of parent; 1, or 0 when creation fails.
    int Create(HWND parent, int id, const URECT& rect, int isStatic, DWORD style);

    // Sets the text; the result is cut to 1023 bytes. A null format gives an empty text.
    void Printf(const char* format, ...) HX_PRINTF_FORMAT(2, 3);
    int GetText(char* buffer, int size) const;

    int IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = 0; }
    // Test and clear; a field whose text the program never set never reports a change.
    int GetChanged();

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Commit();

    int m_changed = 0;
    int m_selectPending = 0;
    int m_textSet = 0;
};
