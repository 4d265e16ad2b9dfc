#include "resource_counters.h"

ResourceCounts ReadResourceCounts(HANDLE hProcess)
{
    ResourceCounts counts;
    if (!::GetProcessHandleCount(hProcess, &counts.nHandles))
        counts.nHandles = 0;
    counts.nGdiObjects = ::GetGuiResources(hProcess, GR_GDIOBJECTS);
    counts.nUserObjects = ::GetGuiResources(hProcess, GR_USEROBJECTS);
    return counts;
}
