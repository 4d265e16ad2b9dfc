#pragma once
// The faces the menu's buttons show for Screen Hub's values: each pair's lit side and the battery's
// level for a status word, and the display-mode face for a "Display" value.
#include "menu/menu_buttons.h"

#include <windows.h>

// Lights one side of each pair as the status word says, in the order the menu sets them, and gives
// the battery its level; the buttons repaint.
void ShowStatusFaces(const MenuButtons& buttons, DWORD nStatus);

// Shows the face for the display mode and hides the three others.
void ShowDisplayFace(const MenuButtons& buttons, DWORD nDisplay);
