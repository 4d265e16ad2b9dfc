#pragma once
// Waiting for a condition with a deadline: the only way tests wait.
#include <windows.h>

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

// Polls until the condition holds or the time is up, looking again every nPollMs; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD nTimeoutMs = 10000, DWORD nPollMs = 10)
{
    const ULONGLONG deadline = ::GetTickCount64() + nTimeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= deadline)
            return false;
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nPollMs, QS_ALLINPUT);
    }
}

} // namespace driver
