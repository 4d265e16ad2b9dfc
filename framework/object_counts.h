#pragma once
// Live GDI objects, device contexts and GDI+ objects of this process, as the handle vocabulary counts
// them: soak runs watch them for leaks, and the platform's own count (GetGuiResources) answers 0
// under Wine. Counted only in a build with CORVALE_OBJECT_COUNTS, which publishes the counts in
// shared memory that another process reads by this process's id.
#include <windows.h>

#include <optional>
#include <string>

namespace fw {

enum class CountedObject { GdiObject, DeviceContext, GdiplusObject };

struct ObjectCounts {
    LONG gdiObjects = 0;
    LONG deviceContexts = 0;
    LONG gdiplusObjects = 0;
};

#ifdef CORVALE_OBJECT_COUNTS
void CountObject(CountedObject kind, LONG delta);
#else
inline void CountObject(CountedObject, LONG) {}
#endif

// The counts of the process with this id while it runs; nothing when it publishes none.
std::optional<ObjectCounts> ReadObjectCounts(DWORD nProcessId);

} // namespace fw
