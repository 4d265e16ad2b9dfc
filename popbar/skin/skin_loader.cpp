#include "skin/skin_loader.h"

#include "handles.h"

#include <cstring>
#include <memory>

HMODULE LoadResourceLibrary(HINSTANCE hInstance)
{
    wchar_t szName[MAX_PATH] = {};
    if (::LoadStringW(hInstance, kSkinLibraryNameId, szName, MAX_PATH) == 0)
        return nullptr;
    return ::LoadLibraryW(szName);
}

namespace {

struct StreamRelease {
    void operator()(IStream* pStream) const { pStream->Release(); }
};

// A PNG resource decoded from a movable block that holds its bytes: the bitmap may read the block
// for as long as it lives, so the bitmap goes first.
struct DecodedPng {
    fw::unique_hglobal hBlock;
    std::unique_ptr<Gdiplus::Bitmap> pBitmap;
};

bool DecodePng(DecodedPng& png, WORD nID, const wchar_t* pszType, HMODULE hModule)
{
    HRSRC hResInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), pszType);
    if (!hResInfo)
        return false;
    const DWORD nSize = ::SizeofResource(hModule, hResInfo);
    if (nSize == 0)
        return false;
    HGLOBAL hResData = ::LoadResource(hModule, hResInfo);
    const void* pData = hResData ? ::LockResource(hResData) : nullptr;
    if (!pData)
        return false;

    fw::unique_hglobal hBlock(::GlobalAlloc(GMEM_MOVEABLE, nSize));
    if (!hBlock)
        return false;
    fw::global_lock lock(hBlock.get());
    if (!lock.get())
        return false;
    std::memcpy(lock.get(), pData, nSize);

    // The stream must not free the block: the bitmap decodes from it for as long as it lives.
    IStream* pRawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hBlock.get(), FALSE, &pRawStream)))
        return false;
    std::unique_ptr<Gdiplus::Bitmap> pBitmap;
    {
        std::unique_ptr<IStream, StreamRelease> pStream(pRawStream);
        pBitmap.reset(Gdiplus::Bitmap::FromStream(pStream.get(), FALSE));
    }
    if (!pBitmap || pBitmap->GetLastStatus() != Gdiplus::Ok)
        return false;

    lock.release();
    png.hBlock = std::move(hBlock);
    png.pBitmap = std::move(pBitmap);
    return true;
}

} // namespace

bool LoadPngResource(Gdiplus::Image** ppImage, WORD nID, const wchar_t* pszType, HMODULE hModule)
{
    DecodedPng png;
    if (!DecodePng(png, nID, pszType, hModule))
        return false;
    // The block stays with the image for the image's whole life.
    png.hBlock.release();
    *ppImage = png.pBitmap.release();
    return true;
}

namespace {

// True when every pixel of the picture is fully opaque.
bool IsOpaque(Gdiplus::Bitmap& bitmap)
{
    const Gdiplus::Rect whole(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return false;
    bool bOpaque = true;
    for (UINT y = 0; y < data.Height && bOpaque; ++y) {
        const auto* pRow = static_cast<const BYTE*>(data.Scan0) + static_cast<INT_PTR>(y) * data.Stride;
        for (UINT x = 0; x < data.Width && bOpaque; ++x)
            bOpaque = pRow[4 * x + 3] == 0xFF;
    }
    bitmap.UnlockBits(&data);
    return bOpaque;
}

} // namespace

bool LoadPngResourceForDrawing(Gdiplus::Image** ppImage, WORD nID, const wchar_t* pszType, HMODULE hModule)
{
    DecodedPng png;
    if (!DecodePng(png, nID, pszType, hModule))
        return false;
    const Gdiplus::Rect whole(0, 0, static_cast<INT>(png.pBitmap->GetWidth()),
                              static_cast<INT>(png.pBitmap->GetHeight()));
    const Gdiplus::PixelFormat format = IsOpaque(*png.pBitmap) ? PixelFormat32bppRGB : PixelFormat32bppPARGB;
    std::unique_ptr<Gdiplus::Bitmap> pCopy(png.pBitmap->Clone(whole, format));
    if (!pCopy || pCopy->GetLastStatus() != Gdiplus::Ok)
        return false;
    *ppImage = pCopy.release();
    return true;
}
