// The two exports: one registration at a time, each a CRelayRun.
#include "protocol/keyrelay.h"

#include "relay_run.h"
#include "stand_in_settings.h"

#include <memory>

namespace {

using keyrelay::CRelayRun;

std::unique_ptr<CRelayRun> s_pRun;
// Set while a registration ends: calls made meanwhile by a report's handler do nothing.
bool s_bStopping = false;

// A run whose sender could not be waited for lives on for the rest of the process, with the library
// reference it holds.
void StopRun(std::unique_ptr<CRelayRun> pRun)
{
    if (!pRun->Stop())
        static_cast<void>(pRun.release());
}

int EndRegistration()
{
    if (!s_pRun)
        return 0;
    s_bStopping = true;
    const HWND hWndOwner = s_pRun->Owner();
    StopRun(std::move(s_pRun));
    if (::IsWindow(hWndOwner))
        ::RemovePropW(hWndOwner, kKeyRelayOwnerProperty);
    s_bStopping = false;
    return 1;
}

} // namespace

int KbdHkSetHookOwner(HWND hWndOwner, UINT nMessage)
{
    // The record's address means nothing in another process: only a window of this one can own.
    DWORD nProcessId = 0;
    if (s_bStopping || !::GetWindowThreadProcessId(hWndOwner, &nProcessId) || nProcessId != ::GetCurrentProcessId())
        return 0;
    EndRegistration();
    auto pRun = std::make_unique<CRelayRun>(hWndOwner, nMessage, keyrelay::ReadStandInKeys());
    if (!pRun->Start()) {
        StopRun(std::move(pRun));
        return 0;
    }
    s_pRun = std::move(pRun);
    ::SetPropW(hWndOwner, kKeyRelayOwnerProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nMessage)));
    return 1;
}

int KbdHkSetUnhook()
{
    if (s_bStopping)
        return 0;
    return EndRegistration();
}
