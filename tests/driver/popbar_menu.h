#pragma once
// Popbar's menu window as KeyRelay drives it: found once Popbar has finished starting, opened by the
// menu-key message.
#include <windows.h>

namespace driver {

constexpr UINT kMenuKeyMessage = 2326; // MSG_MENUBTN
constexpr WPARAM kMenuKeyWParam = 1;
constexpr LPARAM kMenuKeyLParam = 2;
constexpr UINT kHideMenuMessage = 2524; // MSG_HIDEMENU

// The menu window of a running Popbar (of any process) once its start-up is over: registered with
// KeyRelay and hidden again. Null when none got there in time.
HWND WaitForReadyMenu(DWORD nTimeoutMs = 20000);
// Sends the menu key and waits until the menu shows; false when it did not.
bool OpenMenu(HWND hWndMenu, DWORD nTimeoutMs = 10000);

} // namespace driver
