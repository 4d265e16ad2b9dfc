#pragma once
// Pixels as tests read them: a 32-bit picture in memory with a device context to draw into, and the
// screen captured into one.
#include "handles.h"

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

// A top-down 32-bit DIB section selected into a memory device context.
class PixelCanvas {
public:
    PixelCanvas(int nWidth, int nHeight);
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC dc() const { return m_dc.get(); }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The pixel's colour; CLR_INVALID outside the canvas.
    COLORREF At(int x, int y) const;
    // Writes the picture as a PNG file (GDI+ must be running); false when it could not.
    bool SavePng(const std::wstring& path) const;

private:
    int m_nWidth;
    int m_nHeight;
    void* m_pBits = nullptr;
    fw::unique_hdc m_dc;
    fw::unique_hbitmap m_bitmap;
    fw::select_object_scope m_selected;
};

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
