#include "menu_placement.h"

#include "peers/hub_messages.h"

POINT OpenMenuPlace(LONG nDesktopRight, SIZE menu)
{
    return {nDesktopRight - menu.cx - 5, 5};
}

POINT ParkedMenuPlace(SIZE menu)
{
    return {-30 - menu.cx, -30 - menu.cy};
}

std::array<ButtonLook, 8> PairLooksFromStatus(DWORD nStatus)
{
    const bool bLan = (nStatus & STATUS_WIRED_LAN_ON) != 0;
    const bool b108 = (nStatus & STATUS_PAIR_108_ON) != 0;
    const bool b110 = (nStatus & STATUS_PAIR_110_ON) != 0;
    // The order the menu sets them in: for LAN and 108/109 the lit button first.
    return {{
        bLan ? ButtonLook{106, true} : ButtonLook{107, true},
        bLan ? ButtonLook{107, false} : ButtonLook{106, false},
        b108 ? ButtonLook{108, true} : ButtonLook{109, true},
        b108 ? ButtonLook{109, false} : ButtonLook{108, false},
        {110, b110},
        {111, !b110},
        // The 104/105 pair always opens on 104: Screen Hub keeps no state for it.
        {104, true},
        {105, false},
    }};
}
