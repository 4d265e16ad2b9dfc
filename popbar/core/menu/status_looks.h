#pragma once
// What Screen Hub's values look like on the menu: the lit button of each pair for a status word,
// and the display-mode face for a "Display" value.
#include <windows.h>

#include <array>

struct ButtonLook {
    UINT nID;
    bool bOn;
};
// The looks of the four pairs for a menu opened with this status word, in the order they are set.
std::array<ButtonLook, 8> PairLooksFromStatus(DWORD nStatus);

// Slot 0..3 of the display-mode face for a "Display" value; only its low 12 bits count. Unknown
// modes show the first face.
int DisplayFaceSlot(DWORD nDisplay);
