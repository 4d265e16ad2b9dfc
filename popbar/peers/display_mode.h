#pragma once
// Which face of the display-mode button the "Display" value selects.
#include <windows.h>

// Slot 0..3 of the four faces; only the low 12 bits of the value count. Unknown codes show the first.
int DisplayFaceSlot(DWORD nDisplay);
