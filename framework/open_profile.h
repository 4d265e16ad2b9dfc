#pragma once
// What a test build records for the benchmarks: the moments of the menu's last opening, step by step,
// and how many messages the modal loop has taken (a program at rest takes none). Recorded only in a
// build with CORVALE_OPEN_PROFILE, which publishes them in shared memory that another process reads
// by this process's id.
#include <windows.h>

#include <optional>

namespace fw {

// The steps of one opening, in their order.
enum class OpenStep {
    KeyIn,           // the menu key's message arrived
    ScreenHubEnsured, // Screen Hub runs or its start was handed to the shell
    StatusAnswered,  // the status word is known
    LooksSet,        // pairs and battery set
    DisplayFaceSet,  // the display mode read and its face shown
    ForegroundTaken,
    Shown,           // placed and shown
    MenuPainted,     // the last paint of the menu window itself ended
    Painted,         // the last paint of a button ended
    Count
};
inline constexpr int kOpenSteps = static_cast<int>(OpenStep::Count);

struct OpenProfile {
    LONG nOpenings = 0;            // openings begun; the marks are the last one's
    LONGLONG marks[kOpenSteps] = {}; // QueryPerformanceCounter at each step, 0 when not reached
    LONG nLoopMessages = 0;        // messages the modal loop has taken since the start
};

#ifdef CORVALE_OPEN_PROFILE
void MarkOpenStep(OpenStep step);
void CountLoopMessage();
#else
inline void MarkOpenStep(OpenStep) {}
inline void CountLoopMessage() {}
#endif

// The profile of the process with this id while it runs; nothing when it publishes none.
std::optional<OpenProfile> ReadOpenProfile(DWORD nProcessId);

} // namespace fw
