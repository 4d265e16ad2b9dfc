#pragma once
// Screen Hub's status query timed from outside Popbar, made exactly as the menu makes it when it opens.
#include <windows.h>

#include <optional>

struct StatusAnswer {
    DWORD status;
    double ms; // from the window's look-up until the answer
};

// Finds the "-Screen Hub-" window and sends it MSG_HUBCMD code 19 (SMTO_ABORTIFHUNG, 3000 ms);
// nothing when no answer came.
std::optional<StatusAnswer> TimeStatusQuery();
