#pragma once
// The floor of the open time: a plain top-most pop-up of the menu's size in a process of its own,
// shown and painted synchronously by the same messages that open and hide the menu.
#include <windows.h>

constexpr wchar_t kFloorWindowClass[] = L"CORVALE_BENCH_FLOOR";
constexpr wchar_t kFloorWindowSwitch[] = L"--floor-window";

// Runs the floor window until it is closed; the process's exit code.
int RunFloorWindow();
