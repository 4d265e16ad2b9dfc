#include "object_counts.h"

#include "published_block.h"

namespace fw {

namespace {

constexpr wchar_t kBlockPrefix[] = L"CorvaleObjectCounts";

} // namespace

#ifdef CORVALE_OBJECT_COUNTS
void CountObject(CountedObject kind, LONG delta)
{
    static ObjectCounts* const s_pCounts = PublishOwnBlock<ObjectCounts>(kBlockPrefix);
    if (!s_pCounts)
        return;
    switch (kind) {
    case CountedObject::GdiObject:
        ::InterlockedAdd(&s_pCounts->gdiObjects, delta);
        break;
    case CountedObject::DeviceContext:
        ::InterlockedAdd(&s_pCounts->deviceContexts, delta);
        break;
    case CountedObject::GdiplusObject:
        ::InterlockedAdd(&s_pCounts->gdiplusObjects, delta);
        break;
    }
}
#endif

std::optional<ObjectCounts> ReadObjectCounts(DWORD nProcessId)
{
    return ReadPublishedBlock<ObjectCounts>(kBlockPrefix, nProcessId);
}

} // namespace fw
