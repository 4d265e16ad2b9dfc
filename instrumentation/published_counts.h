#pragma once
// What a test build's programs publish of themselves (published_block.h), by process id: the objects
// the handle vocabulary holds, for the soak, and Popbar's last opening step by step and its modal
// loop's messages, for the benchmark.
#include "controller/open_steps.h"

#include <windows.h>

namespace instrumentation {

inline constexpr wchar_t kObjectCountsBlock[] = L"CorvaleObjectCounts";
inline constexpr wchar_t kOpenProfileBlock[] = L"CorvaleOpenProfile";

struct ObjectCounts {
    LONG gdiObjects = 0;
    LONG deviceContexts = 0;
    LONG gdiplusObjects = 0;
};

struct OpenProfile {
    LONG nOpenings = 0;              // openings begun; the marks are the last one's
    LONGLONG marks[kOpenSteps] = {}; // QueryPerformanceCounter at each step, 0 when not reached
    LONG nLoopMessages = 0;          // messages the modal loop has taken since the start
};

} // namespace instrumentation
