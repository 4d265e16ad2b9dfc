#pragma once
// The skin library and the PNG pictures in it: everything the menu draws comes from there.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

// Popbar's string that names the skin library ("resource.dll").
constexpr UINT kSkinLibraryNameId = 106;

// Loads the skin library named by string 106 of hInstance's string table through the system's
// library search order; null when the string or the library is missing.
HMODULE LoadResourceLibrary(HINSTANCE hInstance);

// Decodes the resource nID of type pszType in hModule into a new GDI+ bitmap stored in *ppImage.
// The picture's bytes stay in a locked global block for the image's whole life. On failure
// *ppImage is left untouched and nothing stays allocated.
bool LoadPngResource(Gdiplus::Image** ppImage, WORD nID, const wchar_t* pszType, HMODULE hModule);

// The same picture as a copy in the form that GDI+ puts onto a window as it stands, with nothing kept
// of its PNG bytes: a plain copy without alpha when every pixel is opaque, else premultiplied 32-bit
// ARGB, which is blended without converting it first. A decoded PNG is converted anew at every draw.
// The pixels drawn are the same. On failure *ppImage is left untouched and nothing stays allocated.
bool LoadPngResourceForDrawing(Gdiplus::Image** ppImage, WORD nID, const wchar_t* pszType, HMODULE hModule);
