#include "display_mode.h"

#include "protocol/screen_hub.h"

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
