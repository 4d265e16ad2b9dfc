#include "menu/menu_paint.h"

void CMenuFace::Paint(HDC hdc, Gdiplus::Image* pBackground, int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    Gdiplus::Graphics window(hdc);
    if (Composed(pBackground, nWidth, nHeight) && window.DrawCachedBitmap(m_pCached.get(), 0, 0) == Gdiplus::Ok)
        return;
    // The first paint, another background or size, or a display whose format no longer takes the
    // kept bitmap.
    Compose(window, pBackground, nWidth, nHeight);
    if (m_pCached)
        window.DrawCachedBitmap(m_pCached.get(), 0, 0);
}

bool CMenuFace::Composed(const Gdiplus::Image* pBackground, int nWidth, int nHeight) const
{
    return m_pCached && m_pComposedFrom == pBackground && m_nWidth == nWidth && m_nHeight == nHeight;
}

void CMenuFace::Compose(Gdiplus::Graphics& window, Gdiplus::Image* pBackground, int nWidth, int nHeight)
{
    m_pCached.reset();
    // The fill makes the face opaque, so it is kept without alpha: the display then takes it with a
    // plain copy instead of a blend.
    Gdiplus::Bitmap canvas(nWidth, nHeight, PixelFormat32bppRGB);
    {
        Gdiplus::Graphics composer(&canvas);
        Gdiplus::SolidBrush fill(Gdiplus::Color(0xFF0A0A0A));
        composer.FillRectangle(&fill, 0, 0, nWidth, nHeight);
        if (pBackground)
            composer.DrawImage(pBackground, 0, 0, nWidth, nHeight);
    }
    auto pCached = fw::make_gdiplus<Gdiplus::CachedBitmap>(&canvas, &window);
    if (pCached->GetLastStatus() != Gdiplus::Ok)
        return;
    m_pCached = std::move(pCached);
    m_pComposedFrom = pBackground;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
}
