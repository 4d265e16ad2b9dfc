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

} // namespace

bool LoadPngResource(Gdiplus::Image** ppImage, WORD nID, const wchar_t* pszType, HMODULE hModule)
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
    hBlock.release();
    *ppImage = pBitmap.release();
    return true;
}
