#pragma once
// A small block of numbers that a process publishes in shared memory named by a prefix and its
// process id, and that another process reads by that id: how a test build shows its own counts to
// the tests and the benchmarks.
#include "handles.h"

#include <windows.h>

#include <optional>
#include <string>

namespace instrumentation {

inline std::wstring PublishedBlockName(const wchar_t* pszPrefix, DWORD nProcessId)
{
    return std::wstring(L"Local\\") + pszPrefix + L"-" + std::to_wstring(nProcessId);
}

// This process's block, zeroed when made; null when it cannot be made. The mapping and its view are
// kept for the whole run and go with the process: callers keep the pointer in a static.
template <typename T>
T* PublishOwnBlock(const wchar_t* pszPrefix)
{
    const HANDLE hMapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(T),
                                                 PublishedBlockName(pszPrefix, ::GetCurrentProcessId()).c_str());
    return hMapping ? static_cast<T*>(::MapViewOfFile(hMapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
}

// A copy of the block of the process with this id while it runs; nothing when it publishes none.
template <typename T>
std::optional<T> ReadPublishedBlock(const wchar_t* pszPrefix, DWORD nProcessId)
{
    const fw::unique_handle mapping(
        ::OpenFileMappingW(FILE_MAP_READ, FALSE, PublishedBlockName(pszPrefix, nProcessId).c_str()));
    if (!mapping)
        return std::nullopt;
    const fw::unique_mapped_view view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(T)));
    if (!view)
        return std::nullopt;
    T block;
    ::CopyMemory(&block, view.get(), sizeof(block));
    return block;
}

} // namespace instrumentation
