#include "keyhook/outside_click_hook.h"

#include "keyhook/hook_decisions.h"

HWND g_hWndMenu = nullptr;
HHOOK g_hMouseHook = nullptr;

namespace {

// The command that the click becomes: the one that also disarms the hook.
constexpr WPARAM kOutsideClickCommand = 104;

} // namespace

int InstallOutsideClickHook()
{
    if (g_hMouseHook)
        return 0;
    // A failure leaves the handle null, so the next arming tries again.
    g_hMouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, OutsideClickProc, ::GetModuleHandleW(nullptr), 0);
    return 1;
}

int RemoveOutsideClickHook()
{
    if (!g_hMouseHook)
        return 0;
    ::UnhookWindowsHookEx(g_hMouseHook);
    g_hMouseHook = nullptr;
    return 1;
}

LRESULT CALLBACK OutsideClickProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (!g_hMouseHook)
        return 0;
    switch (OutsideClickActionFor(nCode, wParam)) {
    case OutsideClickAction::SwallowAndCommand:
        ::PostMessageW(g_hWndMenu, WM_COMMAND, kOutsideClickCommand, 0);
        return 1;
    case OutsideClickAction::Swallow:
        return 1;
    case OutsideClickAction::PassOn:
        break;
    }
    return ::CallNextHookEx(g_hMouseHook, nCode, wParam, lParam);
}
