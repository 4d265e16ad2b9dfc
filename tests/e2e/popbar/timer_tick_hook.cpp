// timer_tick_hook.dll: a WH_GETMESSAGE hook that the system loads into the hooked thread's process;
// it counts the auto-hide timer's WM_TIMER messages that the menu window's thread takes from its queue.
#include "timer_tick_counter.h"

#include "handles.h"

namespace {

using popbar_e2e::TimerTickCounter;

// Mapped once and kept while the process lives: the hook may run until the process ends.
TimerTickCounter* SharedCounter()
{
    static TimerTickCounter* s_pCounter = [] {
        const fw::unique_handle mapping(::OpenFileMappingW(FILE_MAP_WRITE, FALSE, popbar_e2e::kTimerTickMapping));
        if (!mapping)
            return static_cast<TimerTickCounter*>(nullptr);
        return static_cast<TimerTickCounter*>(
            ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(TimerTickCounter)));
    }();
    return s_pCounter;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK CountTimerTicks(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Only messages taken from the queue: a look with PM_NOREMOVE would count a tick twice.
    if (nCode == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (pMsg->message == WM_TIMER && pMsg->wParam == popbar_e2e::kAutoHideTimerId) {
            TimerTickCounter* pCounter = SharedCounter();
            if (pCounter && pCounter->hWndMenu == reinterpret_cast<ULONG_PTR>(pMsg->hwnd))
                ::InterlockedIncrement(&pCounter->nTicks);
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
