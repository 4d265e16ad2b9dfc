#include "popbar_menu.h"

#include "protocol/keyrelay.h"
#include "protocol/screen_hub.h"

#include "wait.h"
#include "window_query.h"

namespace driver {

HWND WaitForReadyMenu(DWORD nProcessId, const std::function<void(HWND)>& watch, DWORD nTimeoutMs, DWORD nPollMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + Deadline(nTimeoutMs);
    auto remaining = [&] {
        const ULONGLONG now = ::GetTickCount64();
        return static_cast<DWORD>(deadline > now ? deadline - now : 0);
    };
    HWND hWndMenu = nullptr;
    // The KeyRelay registration comes late in the menu's initialisation.
    const bool bRegistered = WaitUntilTick(
        [&] {
            hWndMenu = FirstTopLevelWindow(nProcessId, kMenuWindowClass);
            if (hWndMenu && watch)
                watch(hWndMenu);
            return hWndMenu && ::GetPropW(hWndMenu, kKeyRelayOwnerProperty) != nullptr;
        },
        deadline, nPollMs);
    if (!bRegistered)
        return nullptr;
    // A sent message is answered only from the modal loop, after the dialog manager's show; the
    // queued hide request that follows it is the end of the start-up.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hWndMenu, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, remaining(), &result);
    const bool bHidden = WaitUntilTick(
        [&] {
            if (watch)
                watch(hWndMenu);
            return !::IsWindowVisible(hWndMenu);
        },
        deadline, nPollMs);
    if (!bHidden)
        return nullptr;
    return hWndMenu;
}

bool WaitUntilNoMenu(DWORD nTimeoutMs)
{
    return WaitUntil([] { return !::FindWindowW(kMenuWindowClass, nullptr); }, nTimeoutMs);
}

bool OpenMenu(HWND hWndMenu, DWORD nTimeoutMs)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(hWndMenu, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED, SMTO_ABORTIFHUNG,
                               Deadline(nTimeoutMs), &result))
        return false;
    return WaitUntil([&] { return ::IsWindowVisible(hWndMenu) == TRUE; }, nTimeoutMs);
}

bool PostAvailabilityAndWait(HWND hWndMenu, bool bAvailable, DWORD nTimeoutMs, DWORD nPollMs)
{
    const HWND hPair = ::GetDlgItem(hWndMenu, ID_RES_NORMAL);
    return hPair && ::PostMessageW(hWndMenu, MSG_HUBCMD, HUBCMD_AVAILABILITY, bAvailable ? AVAILABLE : 0) &&
           WaitUntil([&] { return (::IsWindowEnabled(hPair) != FALSE) == bAvailable; }, nTimeoutMs, nPollMs);
}

bool HandlesPostedMessages(HWND hWndMenu, DWORD nTimeoutMs)
{
    const bool bWasAvailable = ::IsWindowEnabled(::GetDlgItem(hWndMenu, ID_RES_NORMAL)) != FALSE;
    return PostAvailabilityAndWait(hWndMenu, !bWasAvailable, nTimeoutMs) &&
           PostAvailabilityAndWait(hWndMenu, bWasAvailable, nTimeoutMs);
}

} // namespace driver
