#pragma once
// What a process holds: kernel handles and GDI and USER objects.
#include <windows.h>

struct ResourceCounts {
    DWORD nHandles = 0;
    bool bHandlesFromSystemList = false; // counted in the system's handle list, not by the process query
    DWORD nGdiObjects = 0;
    DWORD nUserObjects = 0;
};

// Zero for a count the system does not give.
ResourceCounts ReadResourceCounts(HANDLE hProcess);
