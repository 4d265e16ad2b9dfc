#pragma once
// Waiting for a condition with a deadline: the only way tests wait.
#include <windows.h>

#include <cwchar>

namespace driver {

// Handles the messages queued for this thread, so windows it owns stay responsive while it waits.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// A time-out of the driver's, stretched by the whole number in CORVALE_DEADLINE_SCALE (1 when unset):
// the scenarios of the shipped 32-bit programs set it where those run emulated, many times slower.
// Every wait of the driver takes its time-out through here.
inline DWORD Deadline(DWORD nMs)
{
    static const DWORD s_nScale = [] {
        wchar_t value[16] = {};
        const DWORD n = ::GetEnvironmentVariableW(L"CORVALE_DEADLINE_SCALE", value, 16);
        const unsigned long nScale = n > 0 && n < 16 ? std::wcstoul(value, nullptr, 10) : 1;
        return static_cast<DWORD>(nScale > 0 && nScale < 1000 ? nScale : 1);
    }();
    const ULONGLONG nScaled = static_cast<ULONGLONG>(nMs) * s_nScale;
    return nScaled < INFINITE ? static_cast<DWORD>(nScaled) : INFINITE - 1;
}

// Polls until the condition holds or the tick count reaches the deadline, looking again every
// nPollMs; true when it held.
template <typename Condition>
bool WaitUntilTick(Condition condition, ULONGLONG deadline, DWORD nPollMs = 10)
{
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= deadline)
            return false;
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nPollMs, QS_ALLINPUT);
    }
}

// Polls until the condition holds or the time (stretched by Deadline) is up; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD nTimeoutMs = 10000, DWORD nPollMs = 10)
{
    return WaitUntilTick(condition, ::GetTickCount64() + Deadline(nTimeoutMs), nPollMs);
}

} // namespace driver
