#include "open_cycles.h"

#include "popbar_menu.h"
#include "wait.h"

namespace {

constexpr DWORD kShowTimeoutMs = 5000;

LONGLONG Now()
{
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double Milliseconds(LONGLONG nTicks)
{
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(nTicks) / static_cast<double>(frequency.QuadPart);
}

bool IsVisible(HWND hWnd)
{
    return ::IsWindowVisible(hWnd) == TRUE;
}

// Polls without sleeping, so the time taken is the window's and not the poll's.
bool SpinUntilVisible(HWND hWnd)
{
    const ULONGLONG deadline = ::GetTickCount64() + kShowTimeoutMs;
    while (!IsVisible(hWnd)) {
        if (::GetTickCount64() >= deadline)
            return false;
    }
    return true;
}

} // namespace

OpenCycle RunOpenCycle(const OpenTarget& target)
{
    if (IsVisible(target.hWnd))
        return {std::nullopt, "visible before the cycle"};
    const LONGLONG start = Now();
    ::SendMessageW(target.hWnd, driver::kMenuKeyMessage, driver::kMenuKeyWParam, driver::kMenuKeyLParam);
    const bool bShown = SpinUntilVisible(target.hWnd);
    const LONGLONG end = Now();
    if (!bShown)
        return {std::nullopt, "did not show"};

    ::SendMessageW(target.hWnd, driver::kHideMenuMessage, 0, 0);
    if (!driver::WaitUntil([&] { return !IsVisible(target.hWnd); }, kShowTimeoutMs))
        return {std::nullopt, "did not hide"};
    return {Milliseconds(end - start), ""};
}
