// Tab tables: a tab control with its list of page windows, one shown at a time; in scroll mode the pages
// sit in a host window and a scroll bar and the wheel move a tall page up and down.
#pragma once
#include "base/ptrlist.h"
#include "ui/udlgscroll.h"
#include "ui/uwin.h"

struct UTABTBL;

// A page made from a dialog template; a list of them ends with a null label.
struct UTABPAGEDESC {
    const char* label;
    int templateId;
    DLGPROC dlgProc;
};

struct UTABTBLONE {
    char label[1024] = "";
    int templateId = 0;
    DLGPROC dlgProc = 0;
    HWND tab = 0;
    HWND page = 0; // owned
    int inStrip = 0;
    int tabIndex = 0;
    int scrollOffset = 0;
    UTABTBL* owner = 0;

    UTABTBLONE() = default;
    UTABTBLONE(const UTABTBLONE&) = delete;
    UTABTBLONE& operator=(const UTABTBLONE&) = delete;
    virtual ~UTABTBLONE();

    void CreatePage(const char* label, int templateId, DLGPROC dlgProc, HWND tabHwnd, HINSTANCE hInstance,
                    int index);
    void AttachPage(const char* label, HWND pageHwnd, DLGPROC dlgProc, HWND tabHwnd, int index);
    void CreatePageFromDesc(const UTABPAGEDESC& desc, HWND tabHwnd, HINSTANCE hInstance, int index);
    void Resize();
    void Show(bool flag);
    void DestroyPage();

  private:
    void InsertTab(const char* text, HWND tabHwnd, int index);
};

struct UTABTBL : UWIN {
    UTABTBL() = default;
    ~UTABTBL() override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int Create(HWND parent, const URECT* rect, int scroll);
    bool AttachDlgItem(HWND dialog, int id);
    bool AttachDlgItemScroll(HWND dialog, int id);
    void SetMultiLine(bool flag);

    UTABTBLONE* NewPage();
    void AddPage(const char* label, int templateId, DLGPROC dlgProc);
    void AddPageDesc(const UTABPAGEDESC& desc);
    void AddPages(const UTABPAGEDESC* descs);
    void AddPageWindow(const char* label, HWND pageHwnd, DLGPROC dlgProc);

    UTABTBLONE* GetPage(int i) const { return m_pages.Get(i); }
    int GetPageCount() const { return m_pages.GetCount(); }
    HWND GetPageHwnd(int i) const;
    UTABTBLONE* GetCurPage() const;
    UTABTBLONE* FindPageById(int id) const;
    UTABTBLONE* FindPageByLabel(const char* label) const;
    UTABTBLONE* FindPageByHwnd(HWND hwnd) const;

    void SelectTab(int i);
    void ShowOnly(int i);
    void ShowOnlyById(int id);
    int TabToPage(int n) const;
    int SetCurSel(int tab);
    int OnSelChange();
    // Switches the page when the notification is this table's selection change; 1 when it was.
    int OnNotify(LPARAM lParam);
    void SetPageShown(UTABTBLONE* page, bool flag);
    void SetPageShownByHwnd(HWND hwnd, bool flag) { SetPageShown(FindPageByHwnd(hwnd), flag); }
    void SetPageShownById(int id, bool flag) { SetPageShown(FindPageById(id), flag); }
    void SetPageShownByLabel(const char* label, bool flag) { SetPageShown(FindPageByLabel(label), flag); }

    void Layout();
    void UpdateScrollBar();
    int OnScroll(UINT msg, WPARAM wParam, LPARAM lParam);
    int OnMouseWheel(UINT msg, WPARAM wParam, LPARAM lParam);
    int CalcPageRect();

    int IsScrollMode() const { return m_scrollMode; }
    HWND GetHost() const { return m_host; }
    UDLGSCROLL& GetScrollBar() { return m_scroll; }
    URECT GetPageArea() const { return m_pageArea; }

  private:
    bool SetUpScroll();
    int ScrollCurrentPage(int moved);

    PTRLIST<UTABTBLONE> m_pages;
    int m_scrollMode = 0;
    int m_barWidth = 0;
    UDLGSCROLL m_scroll;
    HWND m_host = 0;
    URECT m_pageArea{0, 0, 256, 256};
};

// The tab control's display rectangle as left, top, right, bottom.
RECT GetTabPageRect(HWND tabHwnd);

// The main window's list of tab tables; it routes selection changes to the table whose control sent them.
struct UTABTBLLIST {
    struct Cell {
        UTABTBL* table;
    };
    int GetCount() const { return m_cells.GetCount(); }
    UTABTBL* Get(int i) const;
    void Add(UTABTBL* table);
    int OnNotify(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    PTRLIST<Cell> m_cells; // the tables themselves are not owned
};
