#pragma once
// The steps of one opening of the menu, in their order, and a seam through which a test build's
// instrumentation times them for the benchmark. Nothing is told unless it installs a watcher.

enum class OpenStep {
    KeyIn,            // the menu key's message arrived
    ScreenHubEnsured, // Screen Hub runs or its start was handed to the shell
    StatusAnswered,   // the status word is known
    LooksSet,         // pairs and battery set
    DisplayFaceSet,   // the display mode read and its face shown
    ForegroundTaken,
    Shown,            // placed and shown
    MenuPainted,      // the last paint of the menu window itself ended
    Painted,          // the last paint of a button ended
    Count
};
inline constexpr int kOpenSteps = static_cast<int>(OpenStep::Count);

using OpenStepWatcher = void (*)(OpenStep step);
void WatchOpenSteps(OpenStepWatcher watcher);
void MarkOpenStep(OpenStep step);
