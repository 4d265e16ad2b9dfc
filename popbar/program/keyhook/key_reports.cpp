#include "keyhook/key_reports.h"

#include "protocol/keyrelay.h"

#include <cstdint>

const UINT g_nKeyRelayMessage = ::RegisterWindowMessageW(kKeyRelayMessageName);

namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// True when every byte from pStart to pEnd lies in committed, readable, unguarded memory.
bool IsReadable(const BYTE* pStart, const BYTE* pEnd)
{
    for (const BYTE* p = pStart; p < pEnd;) {
        MEMORY_BASIC_INFORMATION info{};
        if (::VirtualQuery(p, &info, sizeof(info)) != sizeof(info) || info.State != MEM_COMMIT ||
            !(info.Protect & kReadable) || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)))
            return false;
        p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

} // namespace

std::optional<KBDLLHOOKSTRUCT> ReadKeyRecord(LPARAM lParam)
{
    const auto* pRecord = reinterpret_cast<const BYTE*>(lParam);
    if (!pRecord || reinterpret_cast<UINT_PTR>(pRecord) > UINTPTR_MAX - sizeof(KBDLLHOOKSTRUCT) ||
        !IsReadable(pRecord, pRecord + sizeof(KBDLLHOOKSTRUCT)))
        return std::nullopt;
    KBDLLHOOKSTRUCT record{};
    ::CopyMemory(&record, pRecord, sizeof(record));
    return record;
}
