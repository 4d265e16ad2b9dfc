#pragma once
// The menu window's own messages and timer.
#include <windows.h>

// The menu key was released (wParam 1, lParam 2; other values do nothing).
constexpr UINT MSG_MENUBTN = 2326;
constexpr WPARAM MENUBTN_KEY = 1;
constexpr LPARAM MENUBTN_RELEASED = 2;
// Hide the menu.
constexpr UINT MSG_HIDEMENU = 2524;

// Hides an open menu about a second after another window took the foreground.
constexpr UINT_PTR TIMER_AUTOHIDE = 1000;
constexpr UINT kAutoHidePeriodMs = 1000;
