#include "idle_rest.h"

#include "instrumentation_readers.h"
#include "program_start.h"
#include "process.h"
#include "process_resources.h"
#include "wait.h"
#include "window_query.h"

#include <tlhelp32.h>

namespace {

constexpr ULONGLONG kQuietBeforeMs = 1500;

struct Snapshot {
    ULONGLONG cpu100ns = 0;
    std::optional<LONG> loopMessages;
};

ULONGLONG Ticks(const FILETIME& time)
{
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// The kernel and user time of the process's threads that run now, which Wine reads from the system in
// ticks of 10 ms. Summed thread by thread: under Wine, GetProcessTimes of another process answered
// less than the time of its one thread. No thread comes or goes in a program at rest.
ULONGLONG ThreadTimes(DWORD nProcessId)
{
    const fw::unique_handle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot)
        return 0;
    ULONGLONG total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL bMore = ::Thread32First(snapshot.get(), &entry); bMore; bMore = ::Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != nProcessId)
            continue;
        const fw::unique_handle thread(::OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
        FILETIME created{}, exited{}, kernel{}, user{};
        if (thread && ::GetThreadTimes(thread.get(), &created, &exited, &kernel, &user))
            total += Ticks(kernel) + Ticks(user);
    }
    return total;
}

Snapshot Take(DWORD nProcessId)
{
    Snapshot snapshot;
    snapshot.cpu100ns = ThreadTimes(nProcessId);
    if (const std::optional<instrumentation::OpenProfile> profile = driver::ReadOpenProfile(nProcessId))
        snapshot.loopMessages = profile->nLoopMessages;
    return snapshot;
}

RestFigures Between(const Snapshot& before, const Snapshot& after, HANDLE hProcess)
{
    RestFigures figures;
    figures.cpuMs = static_cast<double>(after.cpu100ns - before.cpu100ns) / 10000.0;
    if (before.loopMessages && after.loopMessages)
        figures.loopMessages = *after.loopMessages - *before.loopMessages;
    const driver::ProcessResources resources = driver::ReadProcessResources(hProcess);
    figures.nPrivateBytes = resources.nPrivateBytes;
    figures.nWorkingSet = resources.nWorkingSet;
    return figures;
}

} // namespace

IdleFigures MeasureIdle(HANDLE hPopbar, DWORD nPopbarId, const std::wstring& minimalPath, DWORD nSeconds)
{
    IdleFigures figures;
    driver::ChildProcess minimal;
    if (!StartMinimalProgram(minimal, minimalPath)) {
        figures.failure = "the minimal program did not start";
        return figures;
    }
    // The auto-hide timer ticks once more after the menu was hidden, by design, and then stops: the
    // stretch begins once the loop has taken nothing for longer than a tick.
    std::optional<LONG> lastCount;
    ULONGLONG nQuietSince = ::GetTickCount64();
    driver::WaitUntil([&] {
        const std::optional<LONG> count = Take(nPopbarId).loopMessages;
        if (count != lastCount) {
            lastCount = count;
            nQuietSince = ::GetTickCount64();
        }
        return ::GetTickCount64() - nQuietSince > kQuietBeforeMs;
    });
    const Snapshot popbarBefore = Take(nPopbarId);
    const Snapshot minimalBefore = Take(minimal.Id());
    // The stretch itself is what is measured: nothing is awaited, both are left alone.
    ::Sleep(nSeconds * 1000);
    figures.popbar = Between(popbarBefore, Take(nPopbarId), hPopbar);
    figures.minimal = Between(minimalBefore, Take(minimal.Id()), minimal.Handle());
    return figures;
}
