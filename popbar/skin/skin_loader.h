#pragma once
// The skin library and the PNG pictures in it: everything the menu draws comes from there.
#include "gdiplus_handles.h"
#include "handles.h"

#include <windows.h>

// Popbar's string that names the skin library ("resource.dll").
constexpr UINT kSkinLibraryNameId = 106;

// Loads the skin library named by string 106 of hInstance's string table through the system's
// library search order; empty when the string or the library is missing.
fw::unique_hmodule LoadResourceLibrary(HINSTANCE hInstance);

// Decodes the resource nID of type pszType in hModule into a new GDI+ bitmap. GDI+ may read the
// picture's bytes again for as long as the bitmap lives; they are in a global block that belongs to
// the bitmap's stream and goes with it. On failure image is left as it was and nothing stays
// allocated.
bool LoadPngResource(fw::gdiplus_ptr<Gdiplus::Image>& image, WORD nID, const wchar_t* pszType, HMODULE hModule);

// The same picture as a copy in the form that GDI+ puts onto a window as it stands, with nothing kept
// of its PNG bytes: a plain copy without alpha when every pixel is opaque, else premultiplied 32-bit
// ARGB, which is blended without converting it first. A decoded PNG is converted anew at every draw.
// The pixels drawn are the same. On failure image is left as it was and nothing stays allocated.
bool LoadPngResourceForDrawing(fw::gdiplus_ptr<Gdiplus::Image>& image, WORD nID, const wchar_t* pszType,
                               HMODULE hModule);
