#pragma once
// The outside-click hook: while armed, the next left click anywhere on the desktop becomes
// ID_SCREEN_ON's command of the menu, and the window under the pointer gets neither the press nor the release.
#include "handles.h"

#include <windows.h>

// The menu window, target of the hook's command; set by the menu's initialisation.
extern HWND g_hWndMenu;
// The installed hook; empty while disarmed.
extern fw::unique_hook g_hMouseHook;

// 1 when the hook was installed now; 0 when one was already installed, or when it could not be
// installed (the reason goes to the trace).
int InstallOutsideClickHook();
// 1 when a hook was removed, 0 when none was installed.
int RemoveOutsideClickHook();
LRESULT CALLBACK OutsideClickProc(int nCode, WPARAM wParam, LPARAM lParam);
