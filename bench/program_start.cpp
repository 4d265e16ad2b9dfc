#include "program_start.h"

#include "bench_clock.h"
#include "popbar_menu.h"
#include "wait.h"
#include "window_query.h"

#include <windows.h>

#include <optional>

namespace {

constexpr DWORD kReadyTimeoutMs = 20000;
// Start-ups take hundreds of milliseconds: readiness is looked for every millisecond.
constexpr DWORD kPollMs = 1;

double MillisecondsSince(LONGLONG nStart)
{
    return bench::Milliseconds(bench::Now() - nStart);
}

struct PopbarStart {
    double windowMs = 0;
    double readyMs = 0;
};

std::optional<PopbarStart> StartPopbar(const std::wstring& path)
{
    if (!driver::WaitUntilNoMenu())
        return std::nullopt;
    driver::ChildProcess popbar;
    const LONGLONG nStart = bench::Now();
    if (!popbar.Start(path))
        return std::nullopt;
    std::optional<double> windowMs;
    auto firstSeen = [&](HWND) {
        if (!windowMs)
            windowMs = MillisecondsSince(nStart);
    };
    const HWND hWndMenu = driver::WaitForReadyMenu(popbar.Id(), firstSeen, kReadyTimeoutMs, kPollMs);
    if (!hWndMenu || !windowMs)
        return std::nullopt;
    return PopbarStart{*windowMs, MillisecondsSince(nStart)};
}

std::optional<double> TimeMinimal(const std::wstring& path)
{
    driver::ChildProcess minimal;
    const LONGLONG nStart = bench::Now();
    if (!StartMinimalProgram(minimal, path))
        return std::nullopt;
    return MillisecondsSince(nStart);
}

} // namespace

bool StartMinimalProgram(driver::ChildProcess& minimal, const std::wstring& path)
{
    auto shown = [&] {
        const HWND hWnd = driver::FirstTopLevelWindow(minimal.Id());
        return hWnd && ::IsWindowVisible(hWnd);
    };
    return minimal.Start(path) && driver::WaitUntil(shown, kReadyTimeoutMs, kPollMs);
}

StartTimes MeasureStarts(const std::wstring& popbarPath, const std::wstring& minimalPath, int nRuns)
{
    StartTimes times;
    for (int n = 1; n <= nRuns; ++n) {
        const std::optional<PopbarStart> popbar = StartPopbar(popbarPath);
        const std::optional<double> minimalMs = TimeMinimal(minimalPath);
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
