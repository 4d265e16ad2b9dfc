#include "controller/open_steps.h"

namespace {

OpenStepWatcher s_pfnWatcher = nullptr;

} // namespace

void WatchOpenSteps(OpenStepWatcher watcher)
{
    s_pfnWatcher = watcher;
}

void MarkOpenStep(OpenStep step)
{
    if (s_pfnWatcher)
        s_pfnWatcher(step);
}
