#include "skin/skin_loader.h"

#include "program_path.h"

#include <cstring>

std::optional<std::wstring> FindSkinLibrary(const std::wstring& name, const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring& path)>& exists)
{
    for (const std::wstring& folder : folders) {
        if (folder.empty())
            continue;
        const std::wstring path = folder + L"\\" + name;
        if (exists(path))
            return path;
    }
    return std::nullopt;
}

fw::unique_hmodule LoadResourceLibrary(HINSTANCE hInstance)
{
    wchar_t szName[MAX_PATH] = {};
    if (::LoadStringW(hInstance, kSkinLibraryNameId, szName, MAX_PATH) == 0)
        return {};
    // The library is looked for here rather than by the loader: a data file's search takes in the
    // current folder under Wine whatever the program asked (Wine notes).
    wchar_t szSystem[MAX_PATH] = {};
    const UINT nSystem = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    const std::wstring system = nSystem > 0 && nSystem < MAX_PATH ? szSystem : L"";
    const auto path = FindSkinLibrary(szName, {fw::OwnProgramFolder(), system}, [](const std::wstring& candidate) {
        const DWORD attributes = ::GetFileAttributesW(candidate.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    });
    if (!path)
        return {};
    // Loaded as a library, a planted or altered skin would run its own start-up code inside Popbar at
    // every log-on; as a data file nothing of it runs, and its resources read as before.
    return fw::unique_hmodule(::LoadLibraryExW(path->c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE));
}

namespace {

struct StreamRelease {
    void operator()(IStream* pStream) const { pStream->Release(); }
};

fw::gdiplus_ptr<Gdiplus::Bitmap> DecodePng(WORD nID, const wchar_t* pszType, HMODULE hModule)
{
    HRSRC hResInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), pszType);
    if (!hResInfo)
        return nullptr;
    const DWORD nSize = ::SizeofResource(hModule, hResInfo);
    if (nSize == 0)
        return nullptr;
    HGLOBAL hResData = ::LoadResource(hModule, hResInfo);
    const void* pData = hResData ? ::LockResource(hResData) : nullptr;
    if (!pData)
        return nullptr;

    fw::unique_hglobal hBlock(::GlobalAlloc(GMEM_MOVEABLE, nSize));
    if (!hBlock)
        return nullptr;
    {
        const fw::global_lock lock(hBlock.get());
        if (!lock.get())
            return nullptr;
        std::memcpy(lock.get(), pData, nSize);
    }

    // From here the stream owns the block and frees it with its last reference; GDI+ keeps one for
    // as long as the bitmap may read the picture's bytes.
    IStream* pRawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hBlock.get(), TRUE, &pRawStream)))
        return nullptr;
    hBlock.release();
    const std::unique_ptr<IStream, StreamRelease> pStream(pRawStream);
    fw::gdiplus_ptr<Gdiplus::Bitmap> pBitmap = fw::own_gdiplus(Gdiplus::Bitmap::FromStream(pStream.get(), FALSE));
    if (!pBitmap || pBitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    return pBitmap;
}

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

bool LoadPngResource(fw::gdiplus_ptr<Gdiplus::Image>& image, WORD nID, const wchar_t* pszType, HMODULE hModule)
{
    fw::gdiplus_ptr<Gdiplus::Bitmap> pBitmap = DecodePng(nID, pszType, hModule);
    if (!pBitmap)
        return false;
    image = std::move(pBitmap);
    return true;
}

bool LoadPngResourceForDrawing(fw::gdiplus_ptr<Gdiplus::Image>& image, WORD nID, const wchar_t* pszType,
                               HMODULE hModule)
{
    const fw::gdiplus_ptr<Gdiplus::Bitmap> pBitmap = DecodePng(nID, pszType, hModule);
    if (!pBitmap)
        return false;
    const Gdiplus::Rect whole(0, 0, static_cast<INT>(pBitmap->GetWidth()), static_cast<INT>(pBitmap->GetHeight()));
    const Gdiplus::PixelFormat format = IsOpaque(*pBitmap) ? PixelFormat32bppRGB : PixelFormat32bppPARGB;
    fw::gdiplus_ptr<Gdiplus::Bitmap> pCopy = fw::own_gdiplus(pBitmap->Clone(whole, format));
    if (!pCopy || pCopy->GetLastStatus() != Gdiplus::Ok)
        return false;
    image = std::move(pCopy);
    return true;
}
