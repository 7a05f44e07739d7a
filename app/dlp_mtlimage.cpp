#include "app/dlp_mtlimage.h"
#include <cmath>
#include "base/fvec.h"
#include "scene/rendpyl_model.h"

namespace {

// A not-a-number channel from the host counts as 0.
float Saturate(float v) {
    return !(v > 0.0f) ? 0.0f : v > 1.0f ? 1.0f : v;
}

} // namespace

void DLP_MTLIMAGE::Attach(HWND dialog, int id) {
    m_dialog = dialog;
    m_hwnd = GetDlgItem(dialog, id);
    m_id = id;
    Resize();
    m_mtl = nullptr;
    m_model = nullptr;
    RenderPreview();
    if (m_hwnd) Subclass(m_hwnd);
}

void DLP_MTLIMAGE::Resize() {
    RECT rc = {};
    if (m_hwnd) GetClientRect(m_hwnd, &rc);
    m_rect = URECT{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
    m_image.Create(m_rect.width, m_rect.height, 24);
    m_radius = std::fmin(m_rect.width, m_rect.height) / 2.0f - 2.0f;
    if (m_radius < 16.0f) m_radius = 16.0f;
}

void DLP_MTLIMAGE::SetMtl(RENDPYL_MTL* mtl) {
    m_mtl = mtl;
    RenderPreview();
    Draw();
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void DLP_MTLIMAGE::RenderPreview() {
    FVEC3 light(-0.5f, -0.3f, 1.0f);
    light.Normalize();
    const FVEC3 lightCol(1, 1, 1), ambient(0.2f, 0.2f, 0.2f);
    FVEC3 mtlCol(1, 1, 1);
    if (m_mtl && m_model) {
        if (HXMat host = m_mtl->GetHostMtl()) {
            HXCOLOR c = host.GetColor();
            mtlCol.Set(c.r, c.g, c.b);
        }
    }

    const int w = m_image.GetWidth(), h = m_image.GetHeight();
    const int cx = w / 2, cy = h / 2;
    const float r = m_radius;
    const FVEC3 lr = light * (1.0f / r);
    const FVEC3 grey(0.5f, 0.5f, 0.5f), black(0, 0, 0);
    for (int y = 0; y <= h - 3; ++y) {
        unsigned char* row = m_image.GetRowAddress(y + 1);
        for (int x = 0; x <= w - 3; ++x) {
            FVEC3 c = ((x + y) / 16) % 2 ? grey : black;
            const float dx = float(cx - x), dy = float(y - cy);
            const float t = r * r - dy * dy - dx * dx;
            if (t >= 0.0f) {
                float i = dx * lr.x + dy * lr.y + std::sqrt(t) * lr.z;
                if (i < 0.0f) i = 0.0f;
                FVEC3 lit = lightCol * i + ambient;
                lit.Set(std::fmin(lit.x, 1.0f), std::fmin(lit.y, 1.0f), std::fmin(lit.z, 1.0f));
                c = lit * mtlCol; // the sphere is opaque: it hides the stripes
            }
            unsigned char* p = row + (x + 1) * 3;
            p[0] = static_cast<unsigned char>(Saturate(c.z) * 255.0f);
            p[1] = static_cast<unsigned char>(Saturate(c.y) * 255.0f);
            p[2] = static_cast<unsigned char>(Saturate(c.x) * 255.0f);
        }
    }
    ClearBorder();
    Draw();
}

void DLP_MTLIMAGE::ClearBorder() {
    const int w = m_image.GetWidth(), h = m_image.GetHeight();
    if (!w || !h) return;
    const RGBCOLOR black(0, 0, 0);
    for (int x = 0; x < w; ++x) {
        m_image.SetPixel(x, 0, black);
        m_image.SetPixel(x, h - 1, black);
    }
    for (int y = 0; y < h; ++y) {
        m_image.SetPixel(0, y, black);
        m_image.SetPixel(w - 1, y, black);
    }
}

void DLP_MTLIMAGE::Draw() {
    if (m_hwnd) m_image.DrawToWindow(m_hwnd);
}

LRESULT DLP_MTLIMAGE::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_mouse.ClearWheel();
    if (msg == WM_PAINT && hwnd == m_hwnd) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        Draw();
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_CLOSE) return DetachOnClose(*this, hwnd, msg, wParam, lParam);
    return CallPrevProc(hwnd, msg, wParam, lParam);
}
