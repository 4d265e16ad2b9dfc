#pragma once
// What the timer-tick hook DLL, loaded into Popbar by a message hook, shares with the test: the
// auto-hide timer's ticks that reached the menu window, counted in a named file mapping.
#include <windows.h>

namespace popbar_e2e {

constexpr wchar_t kTimerTickMapping[] = L"Local\\CorvalePopbarTimerTicks";
constexpr char kTimerTickHookProc[] = "CountTimerTicks"; // exported by the hook DLL
constexpr UINT_PTR kAutoHideTimerId = 1000;

struct TimerTickCounter {
    // The window whose ticks count; set by the test before the hook is installed.
    ULONGLONG hWndMenu;
    volatile LONG nTicks;
};

} // namespace popbar_e2e
