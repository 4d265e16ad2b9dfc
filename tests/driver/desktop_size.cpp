#include "desktop_size.h"

namespace driver {

namespace {

bool ChangeDesktopSize(LONG nWidth, LONG nHeight)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(nWidth);
    mode.dmPelsHeight = static_cast<DWORD>(nHeight);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ::ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

SIZE DesktopSize()
{
    RECT rc{};
    ::GetClientRect(::GetDesktopWindow(), &rc);
    return {rc.right, rc.bottom};
}

} // namespace

ScopedDesktopSize::ScopedDesktopSize(DWORD nWidth, DWORD nHeight)
    : m_before(DesktopSize()), m_bChanged(ChangeDesktopSize(static_cast<LONG>(nWidth), static_cast<LONG>(nHeight)))
{
}

ScopedDesktopSize::~ScopedDesktopSize()
{
    if (m_bChanged)
        ChangeDesktopSize(m_before.cx, m_before.cy);
}

} // namespace driver
