#include "skin_library.h"

#include "errors.h"
#include "gdiplus_handles.h"
#include "picture_roles.h"
#include "skin/skin_loader.h"
#include "utf8.h"

OpenedSkin OpenSkinLibrary(const std::wstring& path)
{
    const DWORD nAttributes = ::GetFileAttributesW(path.c_str());
    if (nAttributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD nError = ::GetLastError();
        if (nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND)
            return {{}, "does not exist"};
        return {{}, "cannot be read: " + fw::Utf8(fw::ErrorText(nError))};
    }
    if (nAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {{}, "is a folder, not a skin library"};
    fw::unique_hmodule module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) {
        const DWORD nError = ::GetLastError();
        if (nError == ERROR_BAD_EXE_FORMAT || nError == ERROR_BAD_FORMAT)
            return {{}, "is not a DLL (error " + std::to_string(nError) + ")"};
        return {{}, "cannot be opened as a DLL: " + fw::Utf8(fw::ErrorText(nError))};
    }
    return {std::move(module), {}};
}

SkinPictures ProbeSkin(HMODULE hSkin)
{
    SkinPictures pictures;
    for (WORD nID : PicturesTheMenuLoads()) {
        PictureFacts& facts = pictures[nID];
        facts.bPresent = ::FindResourceW(hSkin, MAKEINTRESOURCEW(nID), L"PNG") != nullptr;
        fw::gdiplus_ptr<Gdiplus::Image> pImage;
        if (facts.bPresent && LoadPngResource(pImage, nID, L"PNG", hSkin)) {
            facts.bDecodes = true;
            facts.nWidth = static_cast<int>(pImage->GetWidth());
            facts.nHeight = static_cast<int>(pImage->GetHeight());
        }
    }
    return pictures;
}
