#include "open_cycles.h"

#include "bench_clock.h"
#include "key_input.h"
#include "popbar_menu.h"
#include "protocol/keyrelay.h"
#include "wait.h"

namespace {

constexpr DWORD kShowTimeoutMs = 5000;

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

// This thread owns no window, so it can make the input itself: nothing is sent to it meanwhile.
bool SendLaptopMenuKey(bool bUp)
{
    INPUT input = driver::ExtendedScanCode(kMenuKeyScanCode, bUp);
    return ::SendInput(1, &input, sizeof(input)) == 1;
}

} // namespace

OpenCycle RunOpenCycle(const OpenTarget& target)
{
    if (IsVisible(target.hWnd))
        return {std::nullopt, "visible before the cycle"};
    LONGLONG start = 0;
    if (target.openBy == OpenBy::LaptopKey) {
        if (!SendLaptopMenuKey(false))
            return {std::nullopt, "key press not taken"};
        start = bench::Now();
        if (!SendLaptopMenuKey(true))
            return {std::nullopt, "key release not taken"};
    } else {
        start = bench::Now();
        ::SendMessageW(target.hWnd, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED);
    }
    const bool bShown = SpinUntilVisible(target.hWnd);
    const LONGLONG end = bench::Now();
    if (!bShown)
        return {std::nullopt, "did not show"};

    ::SendMessageW(target.hWnd, MSG_HIDEMENU, 0, 0);
    if (!driver::WaitUntil([&] { return !IsVisible(target.hWnd); }, kShowTimeoutMs))
        return {std::nullopt, "did not hide"};
    return {bench::Milliseconds(end - start), ""};
}
