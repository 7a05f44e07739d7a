#include "ui/udlgicon.h"

UDLGICON::~UDLGICON() {
    Release();
}

void UDLGICON::Release() {
    if (m_icon && !m_shared) DestroyIcon(m_icon);
    m_icon = 0;
}

bool UDLGICON::Load(HINSTANCE instance, const char* name) {
    Release();
    m_icon = LoadIconA(instance, name);
    if (!m_icon) return false;
    m_shared = 1;
    return true;
}
