#include "ui/utabtbl.h"
#include "base/linefmt.h"
#include "ui/winutil.h"
#include <commctrl.h>
#include <cstring>

namespace {
const int kBarWidth = 10;
const int kWheelStep = 40;

URECT AsUrect(const RECT& rc) {
    return URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

SIZE ClientSize(HWND hwnd) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hwnd, &rc);
    return SIZE{rc.right, rc.bottom};
}
} // namespace

// ---- one page

UTABTBLONE::~UTABTBLONE() {
    DestroyPage();
}

void UTABTBLONE::DestroyPage() {
    if (page && IsWindow(page)) DestroyWindow(page);
    page = 0;
}

void UTABTBLONE::InsertTab(const char* text, HWND tabHwnd, int index) {
    // Labels longer than the field are cut on a character boundary.
    size_t n = WholeCharPrefix(text, strnlen(text, sizeof label - 1));
    memcpy(label, text, n);
    label[n] = '\0';
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    SendMessageA(tabHwnd, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    tab = tabHwnd;
    inStrip = 1;
    tabIndex = index;
}

void UTABTBLONE::CreatePage(const char* text, int id, DLGPROC proc, HWND tabHwnd, HINSTANCE hInstance,
                            int index) {
    InsertTab(text, tabHwnd, index);
    HWND parent = owner && owner->IsScrollMode() ? owner->GetHost() : tabHwnd;
    page = CreateDialogParamA(hInstance, MAKEINTRESOURCEA(id), parent, proc, 0);
    Resize();
    templateId = id;
    dlgProc = proc;
}

void UTABTBLONE::AttachPage(const char* text, HWND pageHwnd, DLGPROC proc, HWND tabHwnd, int index) {
    InsertTab(text, tabHwnd, index);
    page = pageHwnd;
    Resize();
    templateId = -1;
    dlgProc = proc;
    if (owner && owner->IsScrollMode()) UpdateWindow(tabHwnd);
}

void UTABTBLONE::CreatePageFromDesc(const UTABPAGEDESC& desc, HWND tabHwnd, HINSTANCE hInstance, int index) {
    CreatePage(desc.label, desc.templateId, desc.dlgProc, tabHwnd, hInstance, index);
}

void UTABTBLONE::Resize() {
    if (!page) return;
    if (owner && owner->IsScrollMode()) {
        // The page keeps its size and slides up by its offset inside the host.
        SIZE size = ClientSize(page);
        MoveWindow(page, 0, -scrollOffset, size.cx, size.cy, TRUE);
    } else {
        URECT r = AsUrect(GetTabDisplayRect(tab));
        MoveWindow(page, r.x, r.y, r.width, r.height, TRUE);
    }
}

void UTABTBLONE::Show(bool flag) {
    if (page) ShowWindow(page, flag && inStrip ? SW_SHOW : SW_HIDE);
}

// ---- the table

UTABTBL::~UTABTBL() {
    // The page windows go while the table is still whole: their destruction notifies the tab control.
    m_pages.DeleteAll();
}

bool UTABTBL::SetUpScroll() {
    m_scrollMode = 1;
    m_barWidth = kBarWidth;
    if (!m_scroll.CreateVert(m_hwnd, SB_CTL, kBarWidth, 0)) return false;
    m_scroll.UpdateRect();
    m_scroll.SetWheelStep(kWheelStep);
    RECT rc = {0, 0, 0, 0};
    GetClientRect(m_hwnd, &rc);
    m_pageArea = AsUrect(rc);
    m_host = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, m_pageArea.x, m_pageArea.y,
                             m_pageArea.width, m_pageArea.height, m_hwnd, 0, m_hinst, this);
    return m_host != 0;
}

int UTABTBL::Create(HWND parent, const URECT* rect, int scroll) {
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    InitCommonControls();
    URECT r = rect ? *rect : URECT{0, 0, 256, 256};
    if (!CreateEx(0, WC_TABCONTROLA, "", 0x54000000, r, parent, 0, inst, SW_SHOWNORMAL)) return 0;
    SetDefaultFont();
    m_pageArea = URECT{0, 0, 256, 256};
    if (scroll) return SetUpScroll() ? 1 : 0;
    m_scrollMode = 0;
    m_barWidth = 0;
    return 1;
}

bool UTABTBL::AttachDlgItem(HWND dialog, int id) {
    m_hwnd = GetDlgItem(dialog, id);
    if (!m_hwnd) return false;
    m_hinst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    Subclass(m_hwnd);
    return true;
}

bool UTABTBL::AttachDlgItemScroll(HWND dialog, int id) {
    m_pageArea = URECT{0, 0, 256, 256};
    if (!AttachDlgItem(dialog, id) || !SetUpScroll()) return false;
    ShowWindow(m_host, SW_SHOWNORMAL);
    UpdateWindow(m_host);
    return true;
}

void UTABTBL::SetMultiLine(bool flag) {
    if (!m_hwnd) return;
    LONG style = GetWindowLongA(m_hwnd, GWL_STYLE);
    SetWindowLongA(m_hwnd, GWL_STYLE, flag ? style | TCS_MULTILINE : style & ~TCS_MULTILINE);
}

UTABTBLONE* UTABTBL::NewPage() {
    UTABTBLONE* page = m_pages.Add();
    if (page) page->owner = this;
    return page;
}

void UTABTBL::AddPage(const char* label, int templateId, DLGPROC dlgProc) {
    if (!m_hwnd || !label) return;
    if (UTABTBLONE* page = NewPage())
        page->CreatePage(label, templateId, dlgProc, m_hwnd, m_hinst, GetPageCount() - 1);
}

void UTABTBL::AddPageDesc(const UTABPAGEDESC& desc) {
    AddPage(desc.label, desc.templateId, desc.dlgProc);
}

void UTABTBL::AddPages(const UTABPAGEDESC* descs) {
    for (; descs && descs->label; ++descs)
        AddPageDesc(*descs);
}

void UTABTBL::AddPageWindow(const char* label, HWND pageHwnd, DLGPROC dlgProc) {
    if (!label || !pageHwnd) return;
    UTABTBLONE* page = NewPage();
    if (!page) return;
    if (m_scrollMode) SetParent(pageHwnd, m_host);
    page->AttachPage(label, pageHwnd, dlgProc, m_hwnd, GetPageCount() - 1);
}

HWND UTABTBL::GetPageHwnd(int i) const {
    UTABTBLONE* page = GetPage(i);
    return page ? page->page : 0;
}

UTABTBLONE* UTABTBL::GetCurPage() const {
    if (!m_hwnd) return nullptr;
    return GetPage(TabToPage(static_cast<int>(SendMessageA(m_hwnd, TCM_GETCURSEL, 0, 0))));
}

UTABTBLONE* UTABTBL::FindPageById(int id) const {
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i) && GetPage(i)->templateId == id) return GetPage(i);
    return nullptr;
}

UTABTBLONE* UTABTBL::FindPageByLabel(const char* label) const {
    for (int i = 0; label && i < GetPageCount(); ++i)
        if (GetPage(i) && strcmp(GetPage(i)->label, label) == 0) return GetPage(i);
    return nullptr;
}

UTABTBLONE* UTABTBL::FindPageByHwnd(HWND hwnd) const {
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i) && GetPage(i)->page == hwnd) return GetPage(i);
    return nullptr;
}

void UTABTBL::SelectTab(int i) {
    SendMessageA(m_hwnd, TCM_SETCURSEL, i, 0);
    ShowOnly(i);
}

void UTABTBL::ShowOnly(int i) {
    for (int k = 0; k < GetPageCount(); ++k)
        if (UTABTBLONE* page = GetPage(k)) page->Show(k == i);
}

void UTABTBL::ShowOnlyById(int id) {
    for (int k = 0; k < GetPageCount(); ++k)
        if (UTABTBLONE* page = GetPage(k)) page->Show(page->templateId == id);
}

int UTABTBL::TabToPage(int n) const {
    if (n < 0) return -1;
    for (int k = 0; k < GetPageCount(); ++k)
        if (GetPage(k) && GetPage(k)->inStrip && n-- == 0) return k;
    return -1;
}

int UTABTBL::SetCurSel(int tab) {
    SendMessageA(m_hwnd, TCM_SETCURSEL, tab, 0);
    int p = TabToPage(tab);
    if (p < 0) return 0;
    ShowOnly(p);
    HWND page = GetPageHwnd(p);
    UpdateWindow(page);
    SetActiveWindow(page);
    SetForegroundWindow(page);
    SetFocus(m_hwnd);
    UpdateScrollBar();
    return p;
}

int UTABTBL::OnSelChange() {
    return SetCurSel(static_cast<int>(SendMessageA(m_hwnd, TCM_GETCURSEL, 0, 0)));
}

void UTABTBL::SetPageShown(UTABTBLONE* page, bool flag) {
    if (!page || (page->inStrip != 0) == flag) return;
    int position = 0;
    for (int k = 0; k < GetPageCount() && GetPage(k) != page; ++k)
        if (GetPage(k) && GetPage(k)->inStrip) ++position;
    if (flag) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = page->label;
        SendMessageA(m_hwnd, TCM_INSERTITEMA, position, reinterpret_cast<LPARAM>(&item));
        page->inStrip = 1;
        page->tabIndex = position;
    } else {
        SendMessageA(m_hwnd, TCM_DELETEITEM, position, 0);
        page->inStrip = 0;
        page->Show(false);
    }
    // The strip changed: the first tab is selected and shows its own page, so no page without a tab is
    // ever marked as in the strip.
    SetCurSel(0);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

int UTABTBL::CalcPageRect() {
    URECT r = AsUrect(GetTabDisplayRect(m_hwnd));
    if (m_scrollMode) r.width -= m_barWidth;
    m_pageArea = r;
    return r.width;
}

void UTABTBL::Layout() {
    if (!m_hwnd) return;
    URECT display = AsUrect(GetTabDisplayRect(m_hwnd));
    CalcPageRect();
    if (m_scrollMode) {
        if (m_host) MoveWindow(m_host, m_pageArea.x, m_pageArea.y, m_pageArea.width, m_pageArea.height, TRUE);
        m_scroll.SetRect(display);
    }
    for (int k = 0; k < GetPageCount(); ++k)
        if (UTABTBLONE* page = GetPage(k)) page->Resize();
    UpdateScrollBar();
}

void UTABTBL::UpdateScrollBar() {
    UTABTBLONE* page = m_scrollMode ? GetCurPage() : nullptr;
    if (!page) return;
    m_scroll.SetRange(0, ClientSize(page->page).cy);
    m_scroll.SetPage(m_pageArea.height);
    m_scroll.SetPos(page->scrollOffset);
}

int UTABTBL::ScrollCurrentPage(int moved) {
    UTABTBLONE* page = GetCurPage();
    page->scrollOffset = m_scroll.GetPos();
    page->Resize();
    return moved;
}

int UTABTBL::OnScroll(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_scrollMode || !GetCurPage()) return 0;
    m_scroll.OnScroll(msg, wParam, lParam);
    return ScrollCurrentPage(1);
}

int UTABTBL::OnMouseWheel(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_scrollMode || !GetCurPage()) return 0;
    return ScrollCurrentPage(m_scroll.OnMouseWheel(msg, wParam, lParam));
}

LRESULT UTABTBL::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE:
    case WM_PAINT:
        Layout();
        break;
    case WM_CLOSE: {
        for (int k = 0; k < GetPageCount(); ++k)
            if (UTABTBLONE* page = GetPage(k)) page->DestroyPage();
        return DetachOnClose(*this, hwnd, msg, wParam, lParam);
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        if (OnScroll(msg, wParam, lParam)) return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(hwnd); // so that the wheel reaches the table
        break;
    default:
        break;
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}

RECT GetTabPageRect(HWND tabHwnd) {
    return GetTabDisplayRect(tabHwnd);
}

// ---- the list of tables

UTABTBL* UTABTBLLIST::Get(int i) const {
    Cell* cell = m_cells.Get(i);
    return cell ? cell->table : nullptr;
}

void UTABTBLLIST::Add(UTABTBL* table) {
    if (Cell* cell = m_cells.New()) cell->table = table;
}

int UTABTBL::OnNotify(LPARAM lParam) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr || !m_hwnd || hdr->hwndFrom != m_hwnd || hdr->code != static_cast<UINT>(TCN_SELCHANGE)) return 0;
    OnSelChange();
    return 1;
}

int UTABTBLLIST::OnNotify(HWND, UINT, WPARAM, LPARAM lParam) {
    for (int i = 0; i < GetCount(); ++i) {
        UTABTBL* table = Get(i);
        if (table && table->OnNotify(lParam)) return 1;
    }
    return 0;
}
