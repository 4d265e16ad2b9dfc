#pragma once
// The laptop's day from its first boot, as one journey through the installed programs: Stagehand runs
// the user-mode setup behind its wait window; log-on starts the command line that Bootlist put into
// the Run key; the menu key opens the menu (and starts Screen Hub); a pair is switched, the display
// mode stepped, the outside-click mode armed and ended by a click on the desktop, the highlight walked
// by keyboard, the dial keyboard brought up; the menu key hides the menu. Each step checks what it
// did before the next begins.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace driver {

// Where log-on finds the programs to start, and where the image says which mode the machine is in.
inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kSetupStateKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup\\State";

struct JourneyStep {
    std::wstring caption;
    std::wstring shot; // the step's screenshot file, empty when none was taken
};

struct JourneyOptions {
    // The setup list to put beside the installed Stagehand.exe.
    std::wstring stagehandIni;
    // Screen Hub's journal: Popbar passes the variable that names it on to the Screen Hub it starts.
    std::wstring journal;
    // Screenshots go here as step-NN.png after each visible step (GDI+ must be running); empty: none.
    std::wstring shotFolder;
    // The debug viewer runs from before log-on, and must receive the menu key's opening.
    bool bWatchTraces = false;
    std::function<void(const JourneyStep&)> onStep;
};

struct JourneyResult {
    std::vector<JourneyStep> steps;
    std::wstring failure; // the step that did not do what it should, and why; empty when all did
    DWORD nPopbarId = 0; // Popbar as log-on started it, left running
};

// Ends Popbar, Screen Hub and the dial keyboard wherever they run; false when one outlived the wait.
bool EndLaptopPrograms();

// Lays the test desktop out as a freshly imaged laptop in user mode (the Run value as the installation
// left it, no Screen Hub settings, none of the programs running) and walks the journey. Popbar, Screen
// Hub and the dial keyboard are left running.
JourneyResult RunJourney(const JourneyOptions& options);

} // namespace driver
