#pragma once
// Pixels as tests read them: a 32-bit picture in memory with a device context to draw into, and the
// screen captured into one.
#include "pixel_canvas.h"

#include <windows.h>

#include <string>

namespace driver {

// "#RRGGBB" as written in the skin's notes, as a COLORREF.
constexpr COLORREF Hex(DWORD rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// True when every channel of the two colours is within the tolerance.
bool Near(COLORREF actual, COLORREF expected, int tolerance = 3);

// A 32-bit picture in memory with a device context to draw into.
using PixelCanvas = fw::PixelCanvas;

// The screen's pixels in a rectangle of the desktop as they are now, read through the screen's own
// context: another process's window cannot be read through a context of its own under Wine.
class ScreenShot {
public:
    explicit ScreenShot(const RECT& area);
    // The whole desktop.
    ScreenShot();

    // The colour at a point of the desktop; CLR_INVALID outside the area.
    COLORREF At(int x, int y) const { return m_canvas.At(x - m_origin.x, y - m_origin.y); }
    const RECT& Area() const { return m_area; }
    bool SavePng(const std::wstring& path) const { return m_canvas.SavePng(path); }

private:
    RECT m_area;
    POINT m_origin;
    PixelCanvas m_canvas;
};

} // namespace driver
