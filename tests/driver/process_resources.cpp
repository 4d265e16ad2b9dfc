#include "process_resources.h"

#include <psapi.h>

#include <vector>

namespace driver {

namespace {

// NtQuerySystemInformation's list of every open handle (information class 16).
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct SystemHandleEntry {
    ULONG nOwnerProcessId;
    BYTE nObjectType;
    BYTE nFlags;
    USHORT nHandle;
    PVOID pObject;
    ACCESS_MASK access;
};

struct SystemHandleList {
    ULONG nCount;
    SystemHandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// The process's entries in the system handle list; 0 when the list cannot be read.
DWORD CountInSystemHandleList(DWORD nProcessId)
{
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 0;
    std::vector<BYTE> buffer(64 * 1024);
    LONG status = kStatusInfoLengthMismatch;
    while (status == kStatusInfoLengthMismatch && buffer.size() <= 64 * 1024 * 1024) {
        ULONG cbNeeded = 0;
        status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &cbNeeded);
        if (status == kStatusInfoLengthMismatch)
            buffer.resize(buffer.size() * 2);
    }
    if (status != 0)
        return 0;
    const auto* pList = reinterpret_cast<const SystemHandleList*>(buffer.data());
    DWORD n = 0;
    for (ULONG i = 0; i < pList->nCount; ++i)
        n += pList->entries[i].nOwnerProcessId == nProcessId ? 1 : 0;
    return n;
}

} // namespace

ProcessResources ReadProcessResources(HANDLE hProcess)
{
    ProcessResources counts;
    if (!::GetProcessHandleCount(hProcess, &counts.nHandles))
        counts.nHandles = 0;
    // Wine answers 0 here; its system handle list has the process's handles.
    if (counts.nHandles == 0) {
        counts.nHandles = CountInSystemHandleList(::GetProcessId(hProcess));
        counts.bHandlesFromSystemList = counts.nHandles != 0;
    }
    counts.nGdiObjects = ::GetGuiResources(hProcess, GR_GDIOBJECTS);
    counts.nUserObjects = ::GetGuiResources(hProcess, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        // The commit charge: the same as PrivateUsage on Windows, and the one of the two Wine fills in.
        counts.nPrivateBytes = memory.PagefileUsage;
        counts.nWorkingSet = memory.WorkingSetSize;
    }
    counts.objects = ReadObjectCounts(::GetProcessId(hProcess));
    return counts;
}

} // namespace driver
