// Linked into a test build's programs: publishes the GDI objects, device contexts and GDI+ objects
// that the handle vocabulary holds, as the program starts watching them.
#include "object_watch.h"
#include "published_block.h"
#include "published_counts.h"

namespace instrumentation {

namespace {

void Count(fw::CountedObject kind, LONG delta)
{
    static ObjectCounts* const s_pCounts = PublishOwnBlock<ObjectCounts>(kObjectCountsBlock);
    if (!s_pCounts)
        return;
    switch (kind) {
    case fw::CountedObject::GdiObject:
        ::InterlockedAdd(&s_pCounts->gdiObjects, delta);
        break;
    case fw::CountedObject::DeviceContext:
        ::InterlockedAdd(&s_pCounts->deviceContexts, delta);
        break;
    case fw::CountedObject::GdiplusObject:
        ::InterlockedAdd(&s_pCounts->gdiplusObjects, delta);
        break;
    }
}

// Installed before the program's own code runs.
struct CInstaller {
    CInstaller() { fw::WatchObjects(Count); }
} s_installer;

} // namespace

} // namespace instrumentation
