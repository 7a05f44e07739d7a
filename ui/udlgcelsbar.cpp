#include "ui/udlgcelsbar.h"
#include <cstring>
#include "ui/upaint.h"

int UDLGCELSBAR::Attach(HWND dialog, int id) {
    CreateImage();
    if (!TakeItem(dialog, id)) return 0;
    ResizeImage();
    SetWhite();
    Subclass(m_hwnd);
    return 1;
}

bool UDLGCELSBAR::Create(HWND dialog, int id, const URECT& rect) {
    m_attached = 0;
    m_owner = dialog;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    if (!RegisterClass(inst, "UDLGCELSBAR", false)) return false;
    if (!UWIN::Create("UDLGCELSBAR", "", 0x50010000, rect, dialog, 0, inst, SW_SHOWNORMAL)) return false;
    Init();
    return true;
}

int UDLGCELSBAR::Init() {
    CreateImage();
    ResizeImage();
    SetWhite();
    return 1;
}

void UDLGCELSBAR::SetWhite() {
    RGBCOLOR white[256];
    std::memset(white, 255, sizeof white);
    SetColors(white, 256);
}

void UDLGCELSBAR::CreateImage() {
    m_image.reset(new UBMPDAT);
}

void UDLGCELSBAR::DeleteImage() {
    m_image.reset();
}

void UDLGCELSBAR::ResizeImage() {
    RECT rc;
    if (!m_image || !m_hwnd || !GetClientRect(m_hwnd, &rc)) return;
    m_rect = URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
    m_image->Create(m_rect.width, m_rect.height, 24);
}

void UDLGCELSBAR::SetColors(const RGBCOLOR* table, int count) {
    if (!table || count <= 0 || !HasInside()) return;
    const int inner = m_image->GetWidth() - 2;
    for (int y = 1; y <= m_image->GetHeight() - 2; ++y) {
        unsigned char* p = m_image->GetRowAddress(y) + 3;
        for (int c = 0; c < inner; ++c, p += 3) {
            int i = static_cast<int>(static_cast<long long>(c) * 255 / inner);
            const RGBCOLOR& colour = table[i < count ? i : count - 1];
            p[0] = colour.b;
            p[1] = colour.g;
            p[2] = colour.r;
        }
    }
    ClearBorder();
    Draw();
}

void UDLGCELSBAR::ClearBorder() {
    if (!HasInside()) return;
    const int last = m_image->GetHeight() - 1;
    const size_t rowBytes = static_cast<size_t>(m_image->GetWidth()) * 3;
    std::memset(m_image->GetRowAddress(0), 0, rowBytes);
    std::memset(m_image->GetRowAddress(last), 0, rowBytes);
    for (int y = 1; y < last; ++y) {
        unsigned char* row = m_image->GetRowAddress(y);
        std::memset(row, 0, 3);
        std::memset(row + rowBytes - 3, 0, 3);
    }
}

void UDLGCELSBAR::Draw() {
    if (m_image && m_hwnd) m_image->DrawToWindow(m_hwnd);
}

LRESULT UDLGCELSBAR::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) return PaintWhole(hwnd, [this] { Draw(); });
    return UDLGCTRL::WndProc(hwnd, msg, wParam, lParam);
}
