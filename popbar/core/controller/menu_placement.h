#pragma once
// Where the menu stands: open at the desktop's top-right corner, or parked off-screen.
#include <windows.h>

// Open: 5 pixels from the desktop's right edge and from the top.
POINT OpenMenuPlace(LONG nDesktopRight, SIZE menu);
// Hidden after start-up: just off the desktop's top-left corner.
POINT ParkedMenuPlace(SIZE menu);
