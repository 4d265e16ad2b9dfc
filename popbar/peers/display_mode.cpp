#include "display_mode.h"

int DisplayFaceSlot(DWORD nDisplay)
{
    switch (nDisplay & 0xFFF) {
    case 2:
        return 1;
    case 0x103: // the third face stands for 0x103 and the fourth for 3
        return 2;
    case 3:
        return 3;
    default:
        return 0;
    }
}
