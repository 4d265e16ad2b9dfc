#pragma once
// One open-and-hide cycle of a window in another process, the open timed from the event that opens
// it until the window is visible.
#include <windows.h>

#include <optional>
#include <string>

// How the window is opened.
enum class OpenBy {
    // MSG_MENUBTN (1, 2) sent to the window: timed from the send until it returned and the window
    // is visible.
    MenuKeyMessage,
    // The laptop's menu key (extended scan code 0x54) pressed and released with SendInput, reported
    // by KeyRelay: timed from the release's SendInput until the window is visible.
    LaptopKey,
};

// A window that opens on the menu key and hides on MSG_HIDEMENU (sent).
struct OpenTarget {
    std::string label;
    HWND hWnd = nullptr;
    OpenBy openBy = OpenBy::MenuKeyMessage;
};

struct OpenCycle {
    std::optional<double> openMs; // nothing when the cycle failed
    std::string failure;          // why it failed
};

OpenCycle RunOpenCycle(const OpenTarget& target);
