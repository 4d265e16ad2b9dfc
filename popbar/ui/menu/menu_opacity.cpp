#include "menu/menu_opacity.h"

BYTE OpacityAlpha(UINT nPercent)
{
    return static_cast<BYTE>(nPercent * 255 / 100);
}

void SetMenuOpacity(UINT nPercent, HWND hWnd)
{
    if (nPercent > 99)
        return;
    // Looked up by name, as older systems lack it; the library stays loaded for the process.
    HMODULE hUser32 = ::LoadLibraryW(L"USER32.dll");
    ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (!hUser32)
        return;
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    const auto pfnSetLayered = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(::GetProcAddress(hUser32, "SetLayeredWindowAttributes")));
    if (pfnSetLayered)
        pfnSetLayered(hWnd, 0, OpacityAlpha(nPercent), LWA_ALPHA);
}
