#pragma once
// The menu's face: the background picture composed onto a dark fill, drawn in one go.
#include "gdiplus_handles.h"

#include <windows.h>

// Draws the W x H face: the background stretched over an opaque (10, 10, 10) fill, so its clear and
// translucent pixels show the fill rather than what lies under the window. A missing background
// leaves the fill alone. The face is composed once and kept as a device-optimised bitmap: every
// paint of the open menu is then one draw. It is composed again only for another background or
// size, or when the display no longer takes the kept bitmap.
class CMenuFace {
public:
    void Paint(HDC hdc, Gdiplus::Image* pBackground, int nWidth, int nHeight);

private:
    bool Composed(const Gdiplus::Image* pBackground, int nWidth, int nHeight) const;
    void Compose(Gdiplus::Graphics& window, Gdiplus::Image* pBackground, int nWidth, int nHeight);

    fw::gdiplus_ptr<Gdiplus::CachedBitmap> m_pCached;
    const Gdiplus::Image* m_pComposedFrom = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
