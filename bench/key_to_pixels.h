#pragma once
// Key to pixels: from the SendInput of the laptop's menu key's release until a window's own pixels
// are on the screen at its place, read back from the screen.
#include "instrumentation_readers.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A point of the screen that the subject's open window colours differently from what lies there
// while it is hidden.
struct PixelProbe {
    POINT at{};
    COLORREF shown = CLR_INVALID;
    COLORREF hidden = CLR_INVALID;
};

// A window opened by the menu key and hidden by MSG_HIDEMENU (sent).
struct KeySubject {
    std::string label;
    HWND hWnd = nullptr;
    bool bFloor = false;         // armed with MSG_ARMFLOOR for its own cycles, so only it sees the key
    DWORD nProfiledProcess = 0;  // whose open profile is read after each cycle; 0: none
    std::vector<PixelProbe> probes;
};

struct KeyCycle {
    std::optional<double> ms; // nothing when the cycle failed
    std::string failure;
    LONGLONG nReleaseSent = 0; // QueryPerformanceCounter, comparable across processes
    LONGLONG nPixelsSeen = 0;
    std::optional<instrumentation::OpenProfile> profile;
};

// Opens the subject once by the key and learns its colours at the probe points (whose places must be
// set); false with the reason when it does not open, or when the desktop already has its colours.
bool Calibrate(KeySubject& subject, std::string& failure);

// One key-open-and-hide cycle of a calibrated subject.
KeyCycle RunKeyCycle(const KeySubject& subject);
