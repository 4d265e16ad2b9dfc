#pragma once
// Where the menu stands and which buttons of the on/off pairs look lit.
#include <windows.h>

#include <array>

// Open: 5 pixels from the desktop's right edge and from the top.
POINT OpenMenuPlace(LONG nDesktopRight, SIZE menu);
// Hidden after start-up: just off the desktop's top-left corner.
POINT ParkedMenuPlace(SIZE menu);

struct ButtonLook {
    UINT nID;
    bool bOn;
};
// The looks of the pairs 104..111 for a menu opened with this status word, in the order they are set.
std::array<ButtonLook, 8> PairLooksFromStatus(DWORD nStatus);
