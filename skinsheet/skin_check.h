#pragma once
// Whether a skin library would give Popbar a complete menu, from what is known of its pictures.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

// What the library holds under a picture id.
struct PictureFacts {
    bool bPresent = false; // a "PNG" resource with this id
    bool bDecodes = false; // GDI+ decodes it
    int nWidth = 0;
    int nHeight = 0;
};
// The facts by picture id; an id not in the map counts as not present.
using SkinPictures = std::map<WORD, PictureFacts>;

// One thing wrong with the skin: the picture it concerns and what is wrong with it.
struct SkinProblem {
    WORD nID;
    std::string what;
    bool operator==(const SkinProblem& other) const { return nID == other.nID && what == other.what; }
};

// Every picture the menu loads is present and decodes.
std::vector<SkinProblem> CheckPictures(const SkinPictures& pictures);
// Each button's faces are the size of its lit face, the size the menu gives the button: any other is
// stretched to it.
std::vector<SkinProblem> CheckFaceSizes(const SkinPictures& pictures);
// The buttons, where the menu's grid puts them for their sizes, lie inside the background (the
// menu's size) and clear of each other.
std::vector<SkinProblem> CheckRows(const SkinPictures& pictures);
// The smallest desktop the menu must fit on.
constexpr SIZE kSmallestDesktop{800, 600};
// The menu, opened at the top-right corner of the smallest desktop, lies wholly on it.
std::vector<SkinProblem> CheckDesktopFit(const SkinPictures& pictures);
// The battery's glyphs share one size and, at every level from 0 to 100 %, lie inside its face.
std::vector<SkinProblem> CheckGlyphs(const SkinPictures& pictures);
// All of the above, in that order (the desktop after the rows). Each check passes over pictures that are missing or do not
// decode: the first check names them.
std::vector<SkinProblem> CheckSkin(const SkinPictures& pictures);
