#pragma once
// A skin library opened for reading its pictures, and what it holds under each picture id the menu
// loads.
#include "handles.h"
#include "skin_check.h"

#include <string>

struct OpenedSkin {
    fw::unique_hmodule module;
    std::string error; // why it could not be opened; empty when it was
};

// Opens the file as a library of resources only: none of its code runs.
OpenedSkin OpenSkinLibrary(const std::wstring& path);

// Looks up and decodes every picture the menu loads (GDI+ must be running).
SkinPictures ProbeSkin(HMODULE hSkin);
