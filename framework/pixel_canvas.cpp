#include "pixel_canvas.h"

#include <objidl.h>
#include <gdiplus.h>

namespace fw {

namespace {

HBITMAP NewDibSection(HDC hdc, int nWidth, int nHeight, void** ppBits)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, ppBits, nullptr, 0);
}

} // namespace

PixelCanvas::PixelCanvas(int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_dc(::CreateCompatibleDC(nullptr)),
      m_bitmap(NewDibSection(m_dc.get(), nWidth, nHeight, &m_pBits)),
      m_selected(m_dc.get(), m_bitmap.get())
{
}

COLORREF PixelCanvas::At(int x, int y) const
{
    if (!m_pBits || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    ::GdiFlush();
    const DWORD bgra = static_cast<const DWORD*>(m_pBits)[static_cast<size_t>(y) * m_nWidth + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool PixelCanvas::SavePng(const std::wstring& path) const
{
    // GDI+'s encoder for PNG.
    static const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    if (!m_pBits)
        return false;
    ::GdiFlush();
    Gdiplus::Bitmap picture(m_nWidth, m_nHeight, m_nWidth * 4, PixelFormat32bppRGB, static_cast<BYTE*>(m_pBits));
    return picture.Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

} // namespace fw
