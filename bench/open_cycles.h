#pragma once
// One open-and-hide cycle of a window in another process, the open timed from the send of the open
// message until the send has returned and the window is visible.
#include <windows.h>

#include <optional>
#include <string>

// A window that opens on the menu key (MSG_MENUBTN 1, 2) and hides on MSG_HIDEMENU, both sent.
struct OpenTarget {
    std::string label;
    HWND hWnd = nullptr;
};

struct OpenCycle {
    std::optional<double> openMs; // nothing when the cycle failed
    std::string failure;          // why it failed
};

OpenCycle RunOpenCycle(const OpenTarget& target);
