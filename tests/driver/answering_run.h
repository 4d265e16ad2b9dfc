#pragma once
// Running a program to its end as a user who reads and answers every message box it shows.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

struct AnsweredBox {
    std::wstring caption;
    std::wstring text;
    bool hasWarningIcon = false;
};

struct AnsweredRun {
    bool started = false;
    DWORD nStartError = 0; // why it did not start: the last error of the start
    std::optional<DWORD> exitCode; // nothing when the program did not end in time (it is then ended)
    std::vector<AnsweredBox> boxes;
};

// Starts the program, presses OK on each message box as it appears, in order, and waits for the end.
AnsweredRun RunAnsweringMessageBoxes(const std::wstring& program, const std::wstring& arguments = L"",
                                     DWORD nTimeoutMs = 30000);

} // namespace driver
