#pragma once
// The skin library and the PNG pictures in it: everything the menu draws comes from there.
#include "gdiplus_handles.h"
#include "handles.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Popbar's string that names the skin library ("resource.dll").
constexpr UINT kSkinLibraryNameId = 106;

// The skin library's file: the name in the first of the folders that holds it; nothing when none does.
std::optional<std::wstring> FindSkinLibrary(const std::wstring& name, const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring& path)>& exists);

// Loads the skin library named by string 106 of hInstance's string table, as an image-resource data
// file: its pictures are read, its code never runs. It is looked for where the system's search for a
// library looks first and only an administrator may write, Popbar's own folder and then the system
// folder, never in the current folder or along the PATH. Empty when the string or the library is
// missing or is no library.
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
