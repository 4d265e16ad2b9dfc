#include "controller/keyboard_walk.h"

namespace {

constexpr int kTopRowEnd = 3; // slots 0-3: the display-mode faces
constexpr int kLastSlot = kButtonCount - 1;

bool CanTakeHighlight(const WalkButton& button)
{
    return button.bVisible && button.bEnabled;
}

} // namespace

int FirstSlotInState(const WalkButtons& buttons, int nState, bool bVisibleOnly)
{
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const WalkButton& button = buttons[nSlot];
        if (button.nState == nState && (button.bVisible || !bVisibleOnly))
            return nSlot;
    }
    return -1;
}

int PressHighlighted(WalkButtons& buttons)
{
    const int nSlot = FirstSlotInState(buttons, STATE_HOVER, false);
    if (nSlot >= 0)
        buttons[nSlot].nState = STATE_PRESSED;
    return nSlot;
}

int HighlightPrevious(WalkButtons& buttons)
{
    int nSlot = FirstSlotInState(buttons, STATE_HOVER, true);
    if (nSlot < 0) {
        buttons[0].nState = STATE_HOVER;
        return 0;
    }
    if (nSlot <= kTopRowEnd)
        return nSlot;
    buttons[nSlot].nState = STATE_NORMAL;
    // One of the top row's faces always shows and is enabled, so the walk ends by slot 0.
    do
        --nSlot;
    while (nSlot > 0 && !CanTakeHighlight(buttons[nSlot]));
    buttons[nSlot].nState = STATE_HOVER;
    return nSlot;
}

int HighlightNext(WalkButtons& buttons)
{
    const int nFound = FirstSlotInState(buttons, STATE_HOVER, false);
    if (nFound < 0) {
        for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
            if (CanTakeHighlight(buttons[nSlot])) {
                buttons[nSlot].nState = STATE_HOVER;
                return nSlot;
            }
        }
        return -1;
    }
    if (nFound == kLastSlot)
        return nFound;
    buttons[nFound].nState = STATE_NORMAL;
    int nSlot = nFound + 1;
    while (nSlot <= kLastSlot && !CanTakeHighlight(buttons[nSlot]))
        ++nSlot;
    // Nothing below can take it: it stays where it was.
    const int nHighlighted = nSlot <= kLastSlot ? nSlot : nFound;
    buttons[nHighlighted].nState = STATE_HOVER;
    return nHighlighted;
}

void ClearHighlights(WalkButtons& buttons)
{
    for (WalkButton& button : buttons)
        button.nState = STATE_NORMAL;
}
