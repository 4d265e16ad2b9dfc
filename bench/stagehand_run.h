#pragma once
// Stagehand: a list of commands of a trivial program run by Stagehand, beside the same commands run
// one after another by a batch file under the same Wine.
#include <string>
#include <vector>

struct SetupRunTimes {
    std::vector<double> stagehandMs; // from its start until it has ended, per round
    std::vector<double> batchMs;     // the same for cmd.exe /c with the batch file
    std::string failure;             // empty when every round was done
};

// Lays out a copy of Stagehand with its list in `folder` (made when missing), then runs both nRounds
// times, taking turns.
SetupRunTimes MeasureSetupRuns(const std::wstring& stagehandPath, const std::wstring& noopPath,
                               const std::wstring& folder, int nCommands, int nRounds);
