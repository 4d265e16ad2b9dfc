#pragma once
// A 32-bit picture in memory with a device context to draw into, saved as PNG through GDI+.
#include "handles.h"

#include <windows.h>

#include <string>

namespace fw {

// A top-down 32-bit DIB section selected into a memory device context.
class PixelCanvas {
public:
    PixelCanvas(int nWidth, int nHeight);
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    // False when the picture could not be made (for one too large, say).
    explicit operator bool() const { return m_pBits != nullptr; }
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
    unique_hdc m_dc;
    unique_hbitmap m_bitmap;
    select_object_scope m_selected;
};

} // namespace fw
