#include "menu/menu_opacity.h"

BYTE OpacityAlpha(UINT nPercent)
{
    return static_cast<BYTE>(nPercent * 255 / 100);
}

void SetMenuOpacity(UINT nPercent, HWND hWnd)
{
    if (nPercent > 99)
        return;
    ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(hWnd, 0, OpacityAlpha(nPercent), LWA_ALPHA);
}
