#pragma once
// The menu's keyboard walk: Up and Down move a highlight over the buttons in slot order, Enter
// presses the highlighted one. The highlight is the buttons' own hover state, the one the mouse
// sets, so keyboard and mouse share it. Each operation changes the states in place and returns the
// slot its search found (-1 for none).
#include "controls/button_face.h"
#include "menu/menu_layout.h"

#include <array>

// What the walk sees of one button.
struct WalkButton {
    int nState = STATE_NORMAL;
    bool bVisible = true; // its window is visible
    bool bEnabled = true;
};
using WalkButtons = std::array<WalkButton, kButtonCount>;

// The first slot in this state, among visible buttons only or among all; -1 when none is.
int FirstSlotInState(const WalkButtons& buttons, int nState, bool bVisibleOnly);

// Enter pressed: the highlighted button (visible or not) becomes pressed.
int PressHighlighted(WalkButtons& buttons);
// Up: the visible highlight moves to the previous visible, enabled slot; the top row is an end.
// With no visible highlight, slot 0 takes it whether or not it is the face that shows.
int HighlightPrevious(WalkButtons& buttons);
// Down: the highlight (visible or not) moves to the next visible, enabled slot; the last slot is an
// end, and so is the last such slot. With no highlight, the first visible, enabled slot takes it.
int HighlightNext(WalkButtons& buttons);
// The mouse moved over the menu: every button back to normal.
void ClearHighlights(WalkButtons& buttons);
