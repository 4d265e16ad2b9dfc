#pragma once
// What a process holds: kernel handles, memory, and GDI, USER and GDI+ objects.
#include "instrumentation_readers.h"

#include <windows.h>

#include <optional>

namespace driver {

struct ProcessResources {
    DWORD nHandles = 0;
    bool bHandlesFromSystemList = false; // counted in the system's handle list, not by the process query
    DWORD nGdiObjects = 0; // GetGuiResources; 0 where the platform does not count them
    DWORD nUserObjects = 0;
    SIZE_T nPrivateBytes = 0;
    SIZE_T nWorkingSet = 0;
    // The process's own count of the objects its handle vocabulary holds, where it keeps one.
    std::optional<instrumentation::ObjectCounts> objects;
};

// Zero for a count the system does not give.
ProcessResources ReadProcessResources(HANDLE hProcess);

} // namespace driver
