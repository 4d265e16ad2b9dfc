#pragma once
// Start-up: from CreateProcess of a program until it is ready, Popbar beside a minimal dialog program.
#include "process.h"

#include <string>
#include <vector>

struct StartTimes {
    std::vector<double> popbarWindowMs; // until its menu window exists: the process and its DLLs loaded
    std::vector<double> popbarMs;  // until its hidden menu window is registered with KeyRelay
    std::vector<double> minimalMs; // until its first window is visible
    std::string failure;           // why the runs stopped early; empty when all were done
};

// Starts the minimal dialog program and waits until its first window is visible; false when it did not
// come.
bool StartMinimalProgram(driver::ChildProcess& minimal, const std::wstring& path);

// nRuns starts of each, taking turns: Popbar until driver::WaitForReadyMenu finds it ready, the minimal
// program until its first window is visible. No other Popbar may run.
StartTimes MeasureStarts(const std::wstring& popbarPath, const std::wstring& minimalPath, int nRuns);
