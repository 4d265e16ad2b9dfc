#include "key_to_pixels.h"

#include "bench_clock.h"
#include "handles.h"
#include "key_floors.h"
#include "key_input.h"
#include "pixels.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "wait.h"

namespace {

constexpr DWORD kShowTimeoutMs = 5000;
// Two reads of the same point differ by a step or two where the screen is blended.
constexpr int kTolerance = 6;
// A calibrated window has finished painting once its probes have not changed for this long.
constexpr DWORD kSettledMs = 300;

bool SendMenuKey(bool bUp)
{
    INPUT input = driver::ExtendedScanCode(kMenuKeyScanCode, bUp);
    return ::SendInput(1, &input, sizeof(input)) == 1;
}

COLORREF ScreenPixel(HDC hdcScreen, POINT at)
{
    return ::GetPixel(hdcScreen, at.x, at.y);
}

bool AllShow(HDC hdcScreen, const std::vector<PixelProbe>& probes, COLORREF PixelProbe::*colour)
{
    for (const PixelProbe& probe : probes) {
        if (!driver::Near(ScreenPixel(hdcScreen, probe.at), probe.*colour, kTolerance))
            return false;
    }
    return true;
}

void Arm(const KeySubject& subject, bool bArm)
{
    if (subject.bFloor)
        ::SendMessageW(subject.hWnd, MSG_ARMFLOOR, bArm ? TRUE : FALSE, 0);
}

// Hides the subject and waits until the screen shows what lies under it again.
bool Hide(const KeySubject& subject, HDC hdcScreen)
{
    ::SendMessageW(subject.hWnd, MSG_HIDEMENU, 0, 0);
    return driver::WaitUntil([&] { return AllShow(hdcScreen, subject.probes, &PixelProbe::hidden); }, kShowTimeoutMs);
}

bool PressAndRelease(LONGLONG& nReleaseSent)
{
    if (!SendMenuKey(false))
        return false;
    nReleaseSent = bench::Now();
    return SendMenuKey(true);
}

} // namespace

bool Calibrate(KeySubject& subject, std::string& failure)
{
    const fw::unique_window_dc screen(nullptr);
    for (PixelProbe& probe : subject.probes)
        probe.hidden = ScreenPixel(screen.get(), probe.at);
    Arm(subject, true);
    LONGLONG nUnused = 0;
    if (!PressAndRelease(nUnused)) {
        failure = "the menu key was not taken";
        Arm(subject, false);
        return false;
    }
    // Settled: every probe changed and stayed so for a while.
    std::vector<COLORREF> last(subject.probes.size(), CLR_INVALID);
    ULONGLONG nSince = ::GetTickCount64();
    const bool bSettled = driver::WaitUntil([&] {
        bool bAllChanged = true;
        for (size_t i = 0; i < subject.probes.size(); ++i) {
            const COLORREF now = ScreenPixel(screen.get(), subject.probes[i].at);
            bAllChanged = bAllChanged && !driver::Near(now, subject.probes[i].hidden, kTolerance);
            if (now != last[i]) {
                last[i] = now;
                nSince = ::GetTickCount64();
            }
        }
        return bAllChanged && ::GetTickCount64() - nSince >= kSettledMs;
    }, kShowTimeoutMs);
    for (size_t i = 0; i < subject.probes.size(); ++i)
        subject.probes[i].shown = last[i];
    const bool bHidden = Hide(subject, screen.get());
    Arm(subject, false);
    if (!bSettled) {
        failure = "it did not open on the key, or a probe point shows the desktop's colour";
        return false;
    }
    if (!bHidden) {
        failure = "it did not hide";
        return false;
    }
    return true;
}

KeyCycle RunKeyCycle(const KeySubject& subject)
{
    KeyCycle cycle;
    const fw::unique_window_dc screen(nullptr);
    if (!driver::WaitUntil([&] { return AllShow(screen.get(), subject.probes, &PixelProbe::hidden); }, kShowTimeoutMs)) {
        cycle.failure = "shown before the cycle";
        return cycle;
    }
    Arm(subject, true);
    if (!PressAndRelease(cycle.nReleaseSent)) {
        Arm(subject, false);
        cycle.failure = "the menu key was not taken";
        return cycle;
    }
    // Polled without sleeping, so the time taken is the window's and not the poll's.
    const ULONGLONG deadline = ::GetTickCount64() + kShowTimeoutMs;
    bool bSeen = false;
    while (!(bSeen = AllShow(screen.get(), subject.probes, &PixelProbe::shown)) && ::GetTickCount64() < deadline) {
    }
    cycle.nPixelsSeen = bench::Now();
    const bool bHidden = Hide(subject, screen.get());
    Arm(subject, false);
    if (!bSeen) {
        cycle.failure = "its pixels did not come";
        return cycle;
    }
    if (!bHidden) {
        cycle.failure = "it did not hide";
        return cycle;
    }
    cycle.ms = bench::Milliseconds(cycle.nPixelsSeen - cycle.nReleaseSent);
    if (subject.nProfiledProcess)
        cycle.profile = driver::ReadOpenProfile(subject.nProfiledProcess);
    return cycle;
}
