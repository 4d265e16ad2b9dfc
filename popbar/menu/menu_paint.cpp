#include "menu/menu_paint.h"

void PaintMenu(HDC hdc, Gdiplus::Image* pBackground, int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    Gdiplus::Graphics window(hdc);
    // Composed off-screen, then shown by a single draw of one device-optimised bitmap.
    Gdiplus::Bitmap canvas(nWidth, nHeight, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics composer(&canvas);
        Gdiplus::SolidBrush fill(Gdiplus::Color(0xFF0A0A0A));
        composer.FillRectangle(&fill, 0, 0, nWidth, nHeight);
        if (pBackground)
            composer.DrawImage(pBackground, 0, 0, nWidth, nHeight);
    }
    Gdiplus::CachedBitmap cached(&canvas, &window);
    window.DrawCachedBitmap(&cached, 0, 0);
}
