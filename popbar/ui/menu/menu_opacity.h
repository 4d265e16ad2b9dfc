#pragma once
// The menu's translucency: one constant alpha for the whole window.
#include <windows.h>

// How opaque the open menu is, in percent.
constexpr UINT kMenuOpacityPercent = 85;

// The alpha of an opacity in percent, truncated: 85 gives 216, 99 gives 252.
BYTE OpacityAlpha(UINT nPercent);

// Makes hWnd a layered window with that opacity. Above 99 percent nothing changes: the window stays
// opaque and is not made layered.
void SetMenuOpacity(UINT nPercent, HWND hWnd);
