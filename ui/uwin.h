// Window base: binds one Win32 window to one object and routes its messages to WndProc.
#pragma once
#include <windows.h>

// A rectangle as position and size.
struct URECT {
    int x = 0, y = 0, width = 0, height = 0;
};

struct UWIN {
    enum Kind { KIND_WINDOW = 0, KIND_MODAL = 1, KIND_MODELESS = 2 };
    typedef LONG (*Callback)(UWIN*);

    UWIN() = default;
    UWIN(const UWIN&) = delete;
    UWIN& operator=(const UWIN&) = delete;
    virtual ~UWIN();
    virtual LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

    // Creation; each returns the new window handle, or 0 on failure.
    HWND Create(LPCSTR className, LPCSTR title, DWORD style, const URECT& rect, HWND parent, HMENU menuOrId,
                HINSTANCE hInstance, int showCmd);
    HWND CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const URECT& rect, HWND parent,
                  HMENU menuOrId, HINSTANCE hInstance, int showCmd);
    HWND CreateNoSubclass(LPCSTR className, LPCSTR title, DWORD style, const URECT& rect, HWND parent,
                          HMENU menuOrId, HINSTANCE hInstance, int showCmd);
    HWND CreateExNoSubclass(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const URECT& rect,
                            HWND parent, HMENU menuOrId, HINSTANCE hInstance, int showCmd);
    HWND CreateModeless(HINSTANCE hInstance, int templateId, HWND parent);
    INT_PTR DoModal(HINSTANCE hInstance, int templateId, HWND parent);
    static bool RegisterClass(HINSTANCE hInstance, LPCSTR className, bool withBackground);

    // Binding of an existing window; the caller stores the window handle first.
    void Subclass(HWND hwnd);
    void SubclassDialog(HWND hwnd);
    void Unsubclass();
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DefProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Where a handler sends what it does not consume: the previous procedure of a subclassed window,
    // FALSE for a dialog, default processing for a created window.
    LRESULT CallPrevProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    void SetDefaultFont();
    void DeleteFont();

    void Move(const URECT& rect, BOOL repaint);
    void MoveTo(int x, int y, BOOL repaint);
    void SetSize(int width, int height, BOOL repaint);
    void MoveDlgItem(int id, const URECT& rect, BOOL repaint);
    void FitToTab(HWND tabHwnd);
    void UpdateRect();
    URECT GetRect() const { return m_rect; }
    void SetRect(const URECT& rect) { m_rect = rect; }
    void GetScreenPos(int* x, int* y) const;

    void SetShowCmd(int cmd) { m_showCmd = cmd; }
    int GetShowCmd() const { return m_showCmd; }
    HWND GetHwnd() const { return m_hwnd; }
    HINSTANCE GetInstance() const { return m_hinst; }
    int GetKind() const { return m_kind; }
    WNDPROC GetPrevProc() const { return m_prevProc; }
    HFONT GetFont() const { return m_font; }
    void SetCallback(Callback fn) { m_callback = fn; }
    LONG CallCallback() { return m_callback ? m_callback(this) : 0; }

  protected:
    HINSTANCE m_hinst = 0;
    HWND m_hwnd = 0;
    int m_showCmd = SW_SHOWNORMAL;
    URECT m_rect;
    Callback m_callback = 0;
    int m_kind = KIND_WINDOW;
    WNDPROC m_prevProc = 0;
    HFONT m_font = 0;

  private:
    void Bind(HWND hwnd, WNDPROC proc);
    void Unbind();
    HWND CreateWith(bool subclass, DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style,
                    const URECT& rect, HWND parent, HMENU menuOrId, HINSTANCE hInstance, int showCmd);
};

// Unbinds a control wrapper on WM_CLOSE and passes the message to the procedure it had before.
LRESULT DetachOnClose(UWIN& win, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The toolkit's 12-pixel Shift-JIS font, sent to hwnd; the caller owns it (0 when creation fails).
HFONT CreateDefaultFont(HWND hwnd);
void DeleteFontHandle(HFONT& font);
