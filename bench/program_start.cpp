#include "program_start.h"

#include "bench_clock.h"
#include "process.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "wait.h"
#include "window_query.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace {

constexpr DWORD kReadyTimeoutMs = 20000;

// Polls every millisecond: the start-up is hundreds of them, and the program needs the processor.
std::optional<double> TimeUntil(LONGLONG nStart, const std::function<bool()>& ready)
{
    const ULONGLONG deadline = ::GetTickCount64() + kReadyTimeoutMs;
    while (!ready()) {
        if (::GetTickCount64() >= deadline)
            return std::nullopt;
        ::Sleep(1);
    }
    return bench::Milliseconds(bench::Now() - nStart);
}

HWND FirstWindow(DWORD nProcessId, const wchar_t* pszClass)
{
    const std::vector<HWND> windows = driver::TopLevelWindows(nProcessId, pszClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND RegisteredMenu(DWORD nProcessId)
{
    const HWND hWndMenu = FirstWindow(nProcessId, kMenuWindowClass);
    return hWndMenu && ::GetPropW(hWndMenu, kKeyRelayOwnerProperty) ? hWndMenu : nullptr;
}

struct PopbarStart {
    double windowMs = 0;
    double readyMs = 0;
};

std::optional<PopbarStart> StartPopbar(const std::wstring& path)
{
    // A Popbar that finds another's menu window ends at once: the last one's must be gone first.
    if (!driver::WaitUntil([] { return !::FindWindowW(kMenuWindowClass, nullptr); }))
        return std::nullopt;
    driver::ChildProcess popbar;
    const LONGLONG nStart = bench::Now();
    if (!popbar.Start(path))
        return std::nullopt;
    // The menu window is registered with KeyRelay late in its initialisation. A sent message is
    // answered only from the modal loop, after the dialog manager has shown the window off the
    // desktop; the start-up ends when the hide that it queued has been handled.
    const std::optional<double> windowMs =
        TimeUntil(nStart, [&] { return FirstWindow(popbar.Id(), kMenuWindowClass) != nullptr; });
    if (!windowMs || !TimeUntil(nStart, [&] { return RegisteredMenu(popbar.Id()) != nullptr; }))
        return std::nullopt;
    const HWND hWndMenu = RegisteredMenu(popbar.Id());
    DWORD_PTR nUnused = 0;
    ::SendMessageTimeoutW(hWndMenu, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReadyTimeoutMs, &nUnused);
    const std::optional<double> readyMs = TimeUntil(nStart, [&] { return !::IsWindowVisible(hWndMenu); });
    if (!readyMs)
        return std::nullopt;
    return PopbarStart{*windowMs, *readyMs};
}

std::optional<double> StartMinimal(const std::wstring& path)
{
    driver::ChildProcess minimal;
    const LONGLONG nStart = bench::Now();
    if (!minimal.Start(path))
        return std::nullopt;
    return TimeUntil(nStart, [&] {
        const HWND hWnd = FirstWindow(minimal.Id(), nullptr);
        return hWnd && ::IsWindowVisible(hWnd);
    });
}

} // namespace

StartTimes MeasureStarts(const std::wstring& popbarPath, const std::wstring& minimalPath, int nRuns)
{
    StartTimes times;
    for (int n = 1; n <= nRuns; ++n) {
        const std::optional<PopbarStart> popbar = StartPopbar(popbarPath);
        const std::optional<double> minimalMs = StartMinimal(minimalPath);
        if (!popbar || !minimalMs) {
            times.failure = std::string(popbar ? "the minimal program" : "Popbar") + " was not ready in run " +
                            std::to_string(n);
            break;
        }
        times.popbarWindowMs.push_back(popbar->windowMs);
        times.popbarMs.push_back(popbar->readyMs);
        times.minimalMs.push_back(*minimalMs);
    }
    return times;
}
