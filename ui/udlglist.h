// List box and drop-down combo box wrappers that keep their own item count and insert in order.
#pragma once
#include "ui/udlgctrl.h"

// The part the list box and the combo box share; they differ only in their messages.
struct UDLGITEMS : UDLGCTRL {
    struct Messages {
        UINT reset, insert, remove, setData, getData, setCurSel, getCurSel;
    };

    bool Attach(HWND dialog, int id);
    void Clear();
    int AddString(const char* text);
    int AddStringData(const char* text, DWORD_PTR data);
    int AddStrings(const char* const* texts, int n);
    void SetStrings(const char* const* texts, int n);
    int SetSelect(int i);
    int GetSelect();
    DWORD_PTR GetItemData(int i);
    DWORD_PTR GetSelectData();
    void SetString(int i, const char* text);
    int GetCount() const { return m_count; }

  protected:
    explicit UDLGITEMS(const Messages& messages) : m_msg(messages) {}
    bool SelectData(DWORD_PTR data, bool zeroMatches);

    const Messages& m_msg;
    int m_count = 0;
};

struct UDLGLIST : UDLGITEMS {
    UDLGLIST();
    int Select(int i) { return SetSelect(i); }
    bool SetSelectData(DWORD_PTR data) { return SelectData(data, false); } // data 0 never matches
};

struct UDLGCBOX : UDLGITEMS {
    UDLGCBOX();
    int Create(HWND dialog, int id, const URECT& rect);
    int CreateItem(HWND dialog, int id, const URECT& rect) { return Create(dialog, id, rect); }
    void AddStringList(const char* const* texts);
    void SetStringList(const char* const* texts);
    bool SetSelectData(DWORD_PTR data) { return SelectData(data, true); }
    static bool IsSelChange(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
