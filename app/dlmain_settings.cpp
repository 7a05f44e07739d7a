#include "app/dlmain.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/uregkey.h"

namespace {

// A stored text replaces the field only when it was read whole; it always ends in a zero.
void LoadString(UREGKEY& key, const char* name, char* field, size_t size) {
    char text[DLMAIN::PATHSIZE] = "";
    if (!key.GetString(name, text, sizeof text)) return;
    text[sizeof text - 1] = 0;
    std::strncpy(field, text, size - 1);
    field[size - 1] = 0;
}

} // namespace

void DLMAIN::SetViewScale(float scale) {
    // Non-finite scales are refused; finite ones are held within the view's zoom range.
    if (!std::isfinite(scale)) return;
    render_view_scale = std::min(10.0f, std::max(0.1f, scale));
}

void DLMAIN::LoadSettings() {
    UREGKEY key;
    if (!key.Open(m_regKey)) return;
    key.GetInt("window_left", &m_winRect.x);
    key.GetInt("window_top", &m_winRect.y);
    key.GetInt("window_right", &m_winRect.width);
    key.GetInt("window_bottom", &m_winRect.height);
    key.GetInt("showmess_flg", &showmess_flg);
    key.GetInt("showprop_flg", &showprop_flg);
    key.GetInt("startimage_flg", &startimage_flg);
    key.GetInt("render_view_fit", &render_view_fit);
    key.GetInt("preview_flg", &preview_flg);
    float scale = render_view_scale;
    if (key.GetFloat("render_view_scale", &scale)) SetViewScale(scale);
    LoadString(key, "renderimage_filename", renderimage_filename, sizeof renderimage_filename);
    LoadString(key, "pylcomm_pyrell", m_pyrellPath, sizeof m_pyrellPath);
    LoadString(key, "pylcomm_tmppath", m_tmpPath, sizeof m_tmpPath);
}

void DLMAIN::SaveSettings() {
    UREGKEY key;
    if (!key.Create(m_regKey)) return;
    if (m_savedRectRead) {
        key.SetInt("window_left", m_savedRect.x);
        key.SetInt("window_top", m_savedRect.y);
        key.SetInt("window_right", m_savedRect.width);
        key.SetInt("window_bottom", m_savedRect.height);
    }
    key.SetInt("showmess_flg", showmess_flg);
    key.SetInt("showprop_flg", showprop_flg);
    key.SetInt("startimage_flg", startimage_flg);
    key.SetInt("render_view_fit", render_view_fit);
    key.SetInt("preview_flg", preview_flg);
    key.SetFloat("render_view_scale", render_view_scale);
    key.SetString("renderimage_filename", renderimage_filename);
    key.SetString("pylcomm_pyrell", m_pyrellPath);
    key.SetString("pylcomm_tmppath", m_tmpPath);
}

void DLMAIN::SaveWindowPos() {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (m_hwnd && GetWindowPlacement(m_hwnd, &wp)) {
        const RECT& r = wp.rcNormalPosition;
        m_savedRect = URECT{r.left, r.top, r.right - r.left, r.bottom - r.top - 1};
        m_savedRectRead = true;
    }
    SaveSettings();
}
