#pragma once
// The menu's button table and its grid, as plain data and arithmetic.
#include "controls/button_face.h"

#include <windows.h>

constexpr int kButtonCount = 17;
// Slots 0-3 are the display-mode button's faces, one of them shown; slot 16 is the battery.
constexpr int kDisplayFaceCount = 4;
constexpr int kBatterySlot = 16;
// The menu's background picture, whose size is the menu's size.
constexpr WORD kBackgroundImage = 2168;

// How a slot's pictures are loaded: three lit faces and one unlit picture, six faces, or six faces
// and the battery's digit glyphs.
enum class ImageForm { FourIds, SixIds, SixIdsAndGlyphs };

struct ButtonSlot {
    UINT nID;
    int nRow;
    bool bRightColumn;
    ImageForm form;
    WORD images[6]; // lit normal, pressed, hover, then the unlit picture(s); unused entries 0
    WORD nFirstGlyph; // battery only
    bool bShown; // visible when its window is created
    UINT nName; // the string a screen reader names it by (accessible_names.h)
};

// Slot order is visual order: row by row, left before right. Slots 0-3 are the four faces of the
// display-mode button, one of them visible at a time; slot 16 is the battery.
extern const ButtonSlot kButtonTable[kButtonCount];

// The picture a slot shows for a face: with four ids, the one unlit picture stands for all three
// unlit faces.
WORD FacePicture(const ButtonSlot& slot, FaceSlot face);

// Slots in the order their pictures are loaded.
extern const int kLoadOrder[kButtonCount];

// A button's place in the menu: left column at x 128, right column after a left button of the same
// width and a 2-pixel gap; rows 11 pixels apart from y 9 on.
POINT ButtonPosition(int nRow, bool bRightColumn, int nImageWidth, int nImageHeight);
