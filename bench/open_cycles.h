#pragma once
// Open-and-hide cycles of a window in another process, each open timed from the send of the open
// message until the send has returned and the window is visible.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A window that opens on the menu key (MSG_MENUBTN 1, 2) and hides on MSG_HIDEMENU, both sent.
struct OpenTarget {
    std::string label;
    HWND hWnd = nullptr;
};

struct OpenCycles {
    std::vector<double> openMs; // one per completed cycle
    std::string failure;        // why the run stopped early; empty when every cycle was done
};

// Runs the cycles one after another; afterCycle(n) is called after cycle n (from 1) has hidden again.
OpenCycles MeasureOpenCycles(const OpenTarget& target, int nCycles, const std::function<void(int)>& afterCycle);
