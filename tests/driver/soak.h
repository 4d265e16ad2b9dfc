#pragma once
// A resident Popbar's day compressed: open and hide cycles beside Screen Hub, mixed with button clicks
// through X, display changes, Screen Hub's close code, suspend and resume notices, refused close
// requests, and Screen Hub started again now and then. Popbar and Screen Hub are the installed ones;
// Screen Hub's status word leaves dismissal off, so every close request is refused.
#include "process_resources.h"

#include <functional>
#include <string>

namespace driver {

struct SoakReport {
    int nCycle = 0;
    ProcessResources popbar;
    size_t nCommandsSent = 0; // button commands clicked, each to reach Screen Hub once
    size_t nCommandsJournaled = 0; // those commands in Screen Hub's journal
    size_t nOpens = 0;
    size_t nOpensJournaled = 0; // "menu opened" in Screen Hub's journal
    bool bPopbarEnded = false; // Popbar is gone: a crash, since nothing here may end it
    std::wstring failure; // what stopped the run early, if anything did
};

struct SoakOptions {
    int nCycles = 500;
    // A report after these cycles (and after the last).
    std::function<bool(int nCycle)> reportAfter;
    std::function<void(const SoakReport&)> report;
    int nHubRestartEvery = 300;
};

// Runs the cycles and answers the last report. Starts and ends Popbar and Screen Hub itself; the
// desktop must have neither running.
SoakReport RunSoak(const SoakOptions& options);

} // namespace driver
