#pragma once
// The buttons' looks for a menu status word: each pair's lit side and the battery's level.
#include "menu/menu_buttons.h"

#include <windows.h>

// Lights one side of each pair as the status word says, in the order the menu sets them, and gives
// the battery its level; the buttons repaint.
void ShowStatusFaces(const MenuButtons& buttons, DWORD nStatus);
