#pragma once
// Popbar's open menu as a person sees and clicks it: found once it shows, its buttons clicked through
// X, and its pending paints done before anyone looks.
#include <windows.h>

#include <optional>

namespace driver {

// The menu window once it is visible; null when none showed in time.
HWND WaitForOpenMenu(DWORD nTimeoutMs = 10000);
// The menu's visible button with this control id (of the four display-mode faces, the one showing);
// null when none shows.
HWND VisibleMenuButton(HWND hWndMenu, UINT nID);
// The middle of the menu's visible button with this control id, in desktop coordinates; nothing when
// the menu has no such button showing.
std::optional<POINT> MenuButtonMiddle(HWND hWndMenu, UINT nID);
// Clicks the button's middle through X and leaves the pointer there, as a person does; the point
// clicked, nothing when there is no such button or the click could not be made.
std::optional<POINT> ClickMenuButton(HWND hWndMenu, UINT nID);
// Waits until the menu has finished what it is handling, then has it paint every window of it that
// waits for a paint; false when the menu did not answer in time.
bool SettleMenu(HWND hWndMenu, DWORD nTimeoutMs = 10000);

} // namespace driver
