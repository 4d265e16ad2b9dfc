#include "controller/menu_placement.h"

POINT OpenMenuPlace(LONG nDesktopRight, SIZE menu)
{
    return {nDesktopRight - menu.cx - 5, 5};
}

POINT ParkedMenuPlace(SIZE menu)
{
    return {-30 - menu.cx, -30 - menu.cy};
}
