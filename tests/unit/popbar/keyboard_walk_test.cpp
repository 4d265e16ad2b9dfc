// The keyboard walk over a menu of 17 buttons: which slot holds the highlight after a run of keys.
#include "controller/keyboard_walk.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

// The menu as it opens: the display-mode face of slot nFace shows (the other three are hidden, and
// hidden buttons are also disabled, as Show leaves them), and the given slots are disabled.
WalkButtons Menu(int nFace, std::initializer_list<int> disabled = {})
{
    WalkButtons buttons;
    for (int nSlot = 0; nSlot < 4; ++nSlot)
        buttons[nSlot] = {STATE_NORMAL, nSlot == nFace, nSlot == nFace};
    for (int nSlot : disabled)
        buttons[nSlot].bEnabled = false;
    return buttons;
}

// Presses the keys ('U' Up, 'D' Down) and tells where the highlight is: its slot, -1 for none,
// -2 when more than one button is highlighted or any is pressed.
int HighlightAfter(WalkButtons& buttons, const std::string& keys)
{
    for (char key : keys)
        key == 'U' ? HighlightPrevious(buttons) : HighlightNext(buttons);
    int nFound = -1;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        if (buttons[nSlot].nState == STATE_PRESSED || (buttons[nSlot].nState == STATE_HOVER && nFound >= 0))
            return -2;
        if (buttons[nSlot].nState == STATE_HOVER)
            nFound = nSlot;
    }
    return nFound;
}

struct WalkCase {
    const char* name;
    int nFace;
    std::initializer_list<int> disabled;
    int nStart; // slot highlighted before the keys, -1 for none
    const char* keys;
    int nExpected;
};

const WalkCase kWalkCases[] = {
    {"Down with nothing highlighted takes the visible face", 2, {}, -1, "D", 2},
    {"Down walks row by row, left before right", 0, {}, -1, "DDDD", 6},
    {"Down to the battery", 1, {}, 15, "D", 16},
    {"Down from the battery changes nothing", 1, {}, 16, "D", 16},
    {"Up from the battery", 1, {}, 16, "U", 15},
    {"Up from the first pair lands on the visible face", 3, {}, 4, "U", 3},
    {"Up from any top-row face changes nothing", 2, {}, 2, "UU", 2},
    {"Up with nothing highlighted takes slot 0, hidden or not", 2, {}, -1, "U", 0},
    {"a second Up finds no visible highlight and takes slot 0 again", 2, {}, -1, "UU", 0},
    {"Down from hidden slot 0 moves to the next visible face", 2, {}, -1, "UD", 2},
    {"disabled resolution pair is skipped going down", 0, {8, 9}, 7, "D", 10},
    {"disabled resolution pair is skipped going up", 0, {8, 9}, 10, "U", 7},
    {"Down stays when nothing below can take the highlight", 0, {16}, 15, "D", 15},
    {"a highlight walks down and back up to where it began", 1, {8, 9}, -1, "DDDDDDUUUUU", 1},
};

} // namespace

TEST(KeyboardWalk, ArrowKeysMoveTheOneHighlight)
{
    for (const WalkCase& c : kWalkCases) {
        WalkButtons buttons = Menu(c.nFace, c.disabled);
        if (c.nStart >= 0)
            buttons[c.nStart].nState = STATE_HOVER;
        EXPECT_EQ(HighlightAfter(buttons, c.keys), c.nExpected) << c.name;
    }
}

TEST(KeyboardWalk, EnterPressesTheHighlightWhereverItIsAndNothingWithoutOne)
{
    WalkButtons buttons = Menu(1);
    EXPECT_EQ(PressHighlighted(buttons), -1);
    EXPECT_EQ(FirstSlotInState(buttons, STATE_PRESSED, false), -1) << "Enter with no highlight changes nothing";

    HighlightPrevious(buttons); // slot 0, a hidden face
    EXPECT_EQ(PressHighlighted(buttons), 0) << "visibility is not looked at";
    EXPECT_EQ(buttons[0].nState, STATE_PRESSED);
    EXPECT_EQ(PressHighlighted(buttons), -1) << "a held Enter repeats, and finds nothing more to press";
    EXPECT_EQ(FirstSlotInState(buttons, STATE_PRESSED, true), -1) << "slot 0 is hidden";
    EXPECT_EQ(FirstSlotInState(buttons, STATE_PRESSED, false), 0);
}

TEST(KeyboardWalk, MouseMoveClearsEveryHighlightAndPress)
{
    WalkButtons buttons = Menu(0);
    buttons[5].nState = STATE_PRESSED;
    buttons[9].nState = STATE_HOVER;
    ClearHighlights(buttons);
    EXPECT_EQ(HighlightAfter(buttons, ""), -1);
}
