#pragma once
// The display-mode button's four faces, one of which shows: the one the display mode selects.
#include "menu/menu_buttons.h"

#include <windows.h>

// Shows the face for the display mode and hides the three others.
void ShowDisplayFace(const MenuButtons& buttons, DWORD nDisplay);
