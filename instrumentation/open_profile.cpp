// Linked into a test build's Popbar: publishes the moments of the menu's last opening, step by step,
// and how many messages the modal loop has taken.
#include "controller/open_steps.h"
#include "dialog.h"
#include "published_block.h"
#include "published_counts.h"

namespace instrumentation {

namespace {

OpenProfile* Published()
{
    static OpenProfile* const s_pProfile = PublishOwnBlock<OpenProfile>(kOpenProfileBlock);
    return s_pProfile;
}

void Mark(OpenStep step)
{
    OpenProfile* pProfile = Published();
    if (!pProfile)
        return;
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    if (step == OpenStep::KeyIn) {
        for (LONGLONG& mark : pProfile->marks)
            mark = 0;
        ::InterlockedIncrement(&pProfile->nOpenings);
    }
    pProfile->marks[static_cast<int>(step)] = now.QuadPart;
}

void CountLoopMessage()
{
    if (OpenProfile* pProfile = Published())
        ::InterlockedIncrement(&pProfile->nLoopMessages);
}

// Installed before the program's own code runs.
struct CInstaller {
    CInstaller()
    {
        WatchOpenSteps(Mark);
        WatchModalLoops(CountLoopMessage);
    }
} s_installer;

} // namespace

} // namespace instrumentation
