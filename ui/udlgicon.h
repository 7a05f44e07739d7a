// Holder of one icon; it destroys the icon it owns, never a shared one such as LoadIconA returns.
#pragma once
#include <windows.h>

struct UDLGICON {
    UDLGICON() = default;
    UDLGICON(const UDLGICON&) = delete;
    UDLGICON& operator=(const UDLGICON&) = delete;
    virtual ~UDLGICON();

    // A shared icon of the module; false, holding no icon, when there is no such icon. An icon the holder
    // owned goes either way.
    bool Load(HINSTANCE instance, const char* name);
    void SetIcon(HICON icon) { m_icon = icon; }
    HICON GetIcon() const { return m_icon; }
    void SetShared(int flag) { m_shared = flag; }
    int GetShared() const { return m_shared; }

  private:
    void Release();

    HICON m_icon = 0;
    int m_shared = 0;
};
