#include "menu/status_looks.h"

#include "protocol/menu.h"
#include "protocol/screen_hub.h"

std::array<ButtonLook, 8> PairLooksFromStatus(DWORD nStatus)
{
    const bool bLan = (nStatus & STATUS_WIRED_LAN_ON) != 0;
    const bool bBluetooth = (nStatus & STATUS_BLUETOOTH_ON) != 0;
    const bool bWireless = (nStatus & STATUS_WIRELESS_ON) != 0;
    // The order the menu sets them in: for the wired LAN and Bluetooth the lit button first.
    return {{
        bLan ? ButtonLook{ID_WIRED_LAN_ON, true} : ButtonLook{ID_WIRED_LAN_OFF, true},
        bLan ? ButtonLook{ID_WIRED_LAN_OFF, false} : ButtonLook{ID_WIRED_LAN_ON, false},
        bBluetooth ? ButtonLook{ID_BLUETOOTH_ON, true} : ButtonLook{ID_BLUETOOTH_OFF, true},
        bBluetooth ? ButtonLook{ID_BLUETOOTH_OFF, false} : ButtonLook{ID_BLUETOOTH_ON, false},
        {ID_WIRELESS_ON, bWireless},
        {ID_WIRELESS_OFF, !bWireless},
        // The screen pair always opens on ON: Screen Hub keeps no state for it.
        {ID_SCREEN_ON, true},
        {ID_SCREEN_OFF, false},
    }};
}

int DisplayFaceSlot(DWORD nDisplay)
{
    switch (nDisplay & kDisplayModeMask) {
    case DISPLAY_MONITOR:
        return 1;
    case DISPLAY_DUPLICATE: // the third face stands for 0x103 and the fourth for 3
        return 2;
    case DISPLAY_EXTEND:
        return 3;
    default:
        return 0;
    }
}
