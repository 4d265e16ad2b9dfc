#include "menu_view.h"

#include "protocol/menu.h"

#include "wait.h"
#include "window_query.h"
#include "x_input.h"

namespace driver {

namespace {

struct ButtonSearch {
    UINT nID;
    HWND hWndFound;
};

BOOL CALLBACK FindVisibleButton(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<ButtonSearch*>(lParam);
    // Four display-mode faces share one id; only one of them shows.
    if (static_cast<UINT>(::GetDlgCtrlID(hWnd)) == pSearch->nID && ::IsWindowVisible(hWnd)) {
        pSearch->hWndFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForOpenMenu(DWORD nTimeoutMs)
{
    HWND hWndMenu = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindows(0, kMenuWindowClass)) {
                if (::IsWindowVisible(hWnd)) {
                    hWndMenu = hWnd;
                    return true;
                }
            }
            return false;
        },
        nTimeoutMs);
    return hWndMenu;
}

HWND VisibleMenuButton(HWND hWndMenu, UINT nID)
{
    ButtonSearch search{nID, nullptr};
    ::EnumChildWindows(hWndMenu, FindVisibleButton, reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
}

std::optional<POINT> MenuButtonMiddle(HWND hWndMenu, UINT nID)
{
    const HWND hButton = VisibleMenuButton(hWndMenu, nID);
    RECT rc{};
    if (!hButton || !::GetWindowRect(hButton, &rc))
        return std::nullopt;
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

std::optional<POINT> ClickMenuButton(HWND hWndMenu, UINT nID)
{
    const std::optional<POINT> middle = MenuButtonMiddle(hWndMenu, nID);
    if (!middle || !ClickAt(*middle))
        return std::nullopt;
    return middle;
}

bool SettleMenu(HWND hWndMenu, DWORD nTimeoutMs)
{
    // A sent message is taken only between two of the menu's own messages.
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(hWndMenu, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, Deadline(nTimeoutMs), &result))
        return false;
    // The paints are sent to the menu's thread and done before this returns.
    return ::RedrawWindow(hWndMenu, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
}

} // namespace driver
