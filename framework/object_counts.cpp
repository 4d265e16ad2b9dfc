#include "object_counts.h"

#include "handles.h"

namespace fw {

namespace {

std::wstring SharedName(DWORD nProcessId)
{
    return L"Local\\CorvaleObjectCounts-" + std::to_wstring(nProcessId);
}

} // namespace

#ifdef CORVALE_OBJECT_COUNTS
void CountObject(CountedObject kind, LONG delta)
{
    // Made at the first count and kept for the whole run: the mapping and its view go with the process.
    static ObjectCounts* const s_pCounts = [] {
        const HANDLE hMapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                     sizeof(ObjectCounts), SharedName(::GetCurrentProcessId()).c_str());
        return hMapping ? static_cast<ObjectCounts*>(::MapViewOfFile(hMapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    }();
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
    const unique_handle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, SharedName(nProcessId).c_str()));
    if (!mapping)
        return std::nullopt;
    const unique_mapped_view view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(ObjectCounts)));
    if (!view)
        return std::nullopt;
    ObjectCounts counts;
    ::CopyMemory(&counts, view.get(), sizeof(counts));
    return counts;
}

} // namespace fw
