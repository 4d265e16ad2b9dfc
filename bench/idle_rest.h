#pragma once
// Idle: a resident Popbar with its menu hidden, beside a minimal dialog program, over a stretch of
// time in which nobody touches either.
#include <windows.h>

#include <optional>
#include <string>

struct RestFigures {
    double cpuMs = 0;                  // kernel and user time taken during the stretch
    std::optional<LONG> loopMessages;  // messages its loop took during the stretch, where it counts them
    SIZE_T nPrivateBytes = 0;          // at the end
    SIZE_T nWorkingSet = 0;
};

struct IdleFigures {
    RestFigures popbar;
    RestFigures minimal;
    std::string failure; // empty when measured
};

// Starts the minimal program, then watches both for nSeconds.
IdleFigures MeasureIdle(HANDLE hPopbar, DWORD nPopbarId, const std::wstring& minimalPath, DWORD nSeconds);
