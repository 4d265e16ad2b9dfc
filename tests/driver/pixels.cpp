#include "pixels.h"

namespace driver {

namespace {

RECT DesktopRect()
{
    RECT rc{};
    ::GetClientRect(::GetDesktopWindow(), &rc);
    return rc;
}

} // namespace

bool Near(COLORREF actual, COLORREF expected, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        const int difference = static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF);
        if (difference > tolerance || -difference > tolerance)
            return false;
    }
    return true;
}

ScreenShot::ScreenShot(const RECT& area)
    : m_area(area), m_origin{area.left, area.top}, m_canvas(area.right - area.left, area.bottom - area.top)
{
    const fw::unique_window_dc screen(nullptr);
    ::BitBlt(m_canvas.dc(), 0, 0, m_canvas.Width(), m_canvas.Height(), screen.get(), m_origin.x, m_origin.y,
             SRCCOPY);
}

ScreenShot::ScreenShot() : ScreenShot(DesktopRect()) {}

} // namespace driver
