#include "app/dlmain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/uregkey.h"

namespace {

// An on/off flag is on for any stored value but 0, so that a menu toggle always flips it.
void LoadFlag(const UREGKEY& key, const char* name, int* flag) {
    int stored = 0;
    if (key.GetInt(name, &stored)) *flag = stored != 0;
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
    LoadFlag(key, "showmess_flg", &showmess_flg);
    LoadFlag(key, "showprop_flg", &showprop_flg);
    LoadFlag(key, "startimage_flg", &startimage_flg);
    LoadFlag(key, "render_view_fit", &render_view_fit);
    LoadFlag(key, "preview_flg", &preview_flg);
    float scale = render_view_scale;
    if (key.GetFloat("render_view_scale", &scale)) SetViewScale(scale);
    LoadText(key, "renderimage_filename", renderimage_filename, sizeof renderimage_filename);
    LoadText(key, "pylcomm_pyrell", m_pyrellPath, sizeof m_pyrellPath);
    LoadText(key, "pylcomm_tmppath", m_tmpPath, sizeof m_tmpPath);
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
    SaveText(key, "renderimage_filename", renderimage_filename);
    SaveText(key, "pylcomm_pyrell", m_pyrellPath);
    SaveText(key, "pylcomm_tmppath", m_tmpPath);
}

void DLMAIN::LoadText(const UREGKEY& key, const char* name, char* field, size_t size) {
    char text[PATHSIZE] = "";
    if (key.GetString(name, text, sizeof text)) {
        std::snprintf(field, size, "%s", text);
        return;
    }
    // Stored but too long for the field: the field keeps its value, and the stored text is reported
    // and kept unless the user sets another.
    if (RegQueryValueExA(key.GetHandle(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        m_unread.push_back(UNREAD{name, field});
}

void DLMAIN::SaveText(const UREGKEY& key, const char* name, const char* field) const {
    for (const UNREAD& unread : m_unread)
        if (unread.name == name && unread.held == field) return;
    key.SetString(name, field);
}

void DLMAIN::ReportUnreadSettings() {
    for (const UNREAD& unread : m_unread)
        Print("レジストリの%sが長すぎるため読み込めません!!", unread.name.c_str());
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
