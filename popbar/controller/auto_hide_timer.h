#pragma once
// The menu's auto-hide timer: it hides an open menu about a second after another window took the
// foreground, and stops itself at its first tick with the menu hidden.
#include <windows.h>

constexpr UINT_PTR TIMER_AUTOHIDE = 1000;
constexpr UINT kAutoHidePeriodMs = 1000;
