#include "ui/udlgicon.h"

UDLGICON::~UDLGICON() {
    Release();
}

void UDLGICON::Release() {
    if (m_icon && !m_shared) DestroyIcon(m_icon);
    m_icon = 0;
}

bool UDLGICON::Load(HINSTANCE instance, const char* name) {
    HICON icon = LoadIconA(instance, name);
    if (!icon) return false;
    Release();
    m_icon = icon;
    m_shared = 1;
    return true;
}
