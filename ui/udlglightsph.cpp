#include "ui/udlglightsph.h"
#include <algorithm>
#include <cmath>

namespace {

const char kClassName[] = "UDLGLIGHTSPH";

// Capped at 255 and truncated; a colour below zero, or not a number, gives 0.
unsigned char ChannelByte(float value) {
    if (value >= 255.0f) return 255;
    return value > 0.0f ? static_cast<unsigned char>(value) : 0;
}

} // namespace

UDLGLIGHTSPH::~UDLGLIGHTSPH() {
    DeleteImage();
}

int UDLGLIGHTSPH::Attach(HWND dialog, int id) {
    m_attached = 1;
    m_owner = dialog;
    m_id = id;
    m_hwnd = dialog ? GetDlgItem(dialog, id) : 0;
    if (!m_hwnd) return 0;
    Init();
    Subclass(m_hwnd);
    return 1;
}

int UDLGLIGHTSPH::Create(HWND parent, int id, const URECT& rect) {
    m_attached = 0;
    m_owner = parent;
    m_id = id;
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (!RegisterClass(inst, kClassName, false)) return 0;
    // No menu: the window's own id is 0; its notifications carry the stored id.
    if (!UWIN::Create(kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, 0, inst,
                      SW_SHOWNORMAL))
        return 0;
    return Init();
}

int UDLGLIGHTSPH::Init() {
    CreateImage();
    ResizeImage();
    m_dir = FVEC3(1, 1, 1).Normalize();
    m_color = FVEC3(1, 1, 1);
    m_ambient = FVEC3(0.2f, 0.2f, 0.2f);
    m_back = 0;
    Render();
    return 1;
}

void UDLGLIGHTSPH::CreateImage() {
    DeleteImage();
    m_image = new UBMPDAT;
}

void UDLGLIGHTSPH::DeleteImage() {
    delete m_image;
    m_image = nullptr;
}

void UDLGLIGHTSPH::ResizeImage() {
    RECT rc;
    if (!m_image || !m_hwnd || !GetClientRect(m_hwnd, &rc)) return;
    int width = rc.right - rc.left;
    int height = rc.bottom - rc.top;
    m_image->Create(width, height, 24);
    m_radius = std::max(std::min(width, height) / 2.0f - 2.0f, 16.0f);
}

void UDLGLIGHTSPH::SetDirection(const FVEC3& v) {
    m_dir = v;
    Render();
    Draw();
    if (m_hwnd) InvalidateRect(m_hwnd, NULL, TRUE);
}

void UDLGLIGHTSPH::Render() {
    if (!HasInside()) return;
    const int width = m_image->GetWidth();
    const int height = m_image->GetHeight();
    const float r = m_radius;
    const int cx = width / 2;
    const int cy = height / 2;
    const FVEC3 light = m_dir * (1.0f / r);
    const FVEC3 color = m_color * 255.0f;
    const FVEC3 ambient = m_ambient * 255.0f;
    for (int y = 0; y < height - 2; ++y) {
        unsigned char* p = m_image->GetPixelAddress(1, y + 1);
        for (int x = 0; x < width - 2; ++x, p += 3) {
            float dx = float(cx - x);
            float dy = float(y - cy);
            float t = r * r - dy * dy - dx * dx;
            if (t >= 0) {
                float i = std::max(dx * light.x + dy * light.y + std::sqrt(t) * light.z, 0.0f);
                p[0] = ChannelByte(color.z * i + ambient.z);
                p[1] = ChannelByte(color.y * i + ambient.y);
                p[2] = ChannelByte(color.x * i + ambient.x);
            } else {
                // Diagonal stripes behind the sphere.
                unsigned char stripe = ((x + y) / 16) % 2 ? 128 : 0;
                p[0] = p[1] = p[2] = stripe;
            }
        }
    }
    ClearBorder();
    Draw();
}

void UDLGLIGHTSPH::ClearBorder() {
    if (!HasInside()) return;
    const int width = m_image->GetWidth();
    const int height = m_image->GetHeight();
    for (int x = 0; x < width; ++x) {
        m_image->SetPixelValue(x, 0, 0);
        m_image->SetPixelValue(x, height - 1, 0);
    }
    for (int y = 0; y < height; ++y) {
        m_image->SetPixelValue(0, y, 0);
        m_image->SetPixelValue(width - 1, y, 0);
    }
}

void UDLGLIGHTSPH::PickDirection() {
    if (!HasInside() || !m_hwnd || m_mouse.buttons != UMOUSE::LEFT) return;
    const float r = m_radius;
    float px = float(m_image->GetWidth() / 2 - m_mouse.x);
    float py = float(m_mouse.y - m_image->GetHeight() / 2);
    float d = std::sqrt(px * px + py * py);
    if (d > r) {
        // Outside the sphere the pick slides to its rim.
        px = px * r / d;
        py = py * r / d;
        d = r;
    }
    FVEC3 v(px, py, std::sqrt(r * r - d * d));
    v.Normalize();
    if (m_back) v.z = -v.z;
    m_dir = v;
    Render();
    Draw();
    InvalidateRect(m_hwnd, NULL, TRUE);
    SendMessageA(m_owner, WM_COMMAND, m_id, 0);
}

void UDLGLIGHTSPH::Draw() {
    if (m_image && m_hwnd) m_image->DrawToWindow(m_hwnd);
}

LRESULT UDLGLIGHTSPH::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_mouse.ClearWheel();
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_mouse.LButtonDown();
        SetCapture(hwnd);
        PickDirection();
        break;
    case WM_MOUSEMOVE:
        m_mouse.Move(hwnd);
        PickDirection();
        break;
    case WM_LBUTTONUP:
        m_mouse.LButtonUp();
        ReleaseCapture();
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        Draw();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        if (m_attached) return DetachOnClose(*this, hwnd, msg, wParam, lParam);
        break;
    }
    return CallPrevProc(hwnd, msg, wParam, lParam);
}
