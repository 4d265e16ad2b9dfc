#include "keyhook/outside_click_hook.h"

#include "errors.h"
#include "guarded_call.h"
#include "keyhook/hook_decisions.h"
#include "protocol/menu.h"
#include "trace/debug_trace.h"

HWND g_hWndMenu = nullptr;
fw::unique_hook g_hMouseHook;

int InstallOutsideClickHook()
{
    if (g_hMouseHook)
        return 0;
    // A failure leaves the handle empty, so the next arming tries again.
    g_hMouseHook.reset(::SetWindowsHookExW(WH_MOUSE_LL, OutsideClickProc, ::GetModuleHandleW(nullptr), 0));
    if (!g_hMouseHook) {
        DebugTrace(L"\nOutside click : no hook: %s", fw::ResultText(fw::LastErrorResult(false)).c_str());
        return 0;
    }
    return 1;
}

int RemoveOutsideClickHook()
{
    if (!g_hMouseHook)
        return 0;
    g_hMouseHook.reset();
    return 1;
}

LRESULT CALLBACK OutsideClickProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Nothing thrown may reach the system's hook chain: the event then goes on as if unhooked.
    return fw::GuardedCall(
        L"outside-click hook",
        [&]() -> LRESULT {
            if (!g_hMouseHook)
                return 0;
            switch (OutsideClickActionFor(nCode, wParam)) {
            case OutsideClickAction::SwallowAndCommand:
                // Screen on: the command that also disarms the hook.
                ::PostMessageW(g_hWndMenu, WM_COMMAND, ID_SCREEN_ON, 0);
                return 1;
            case OutsideClickAction::Swallow:
                return 1;
            case OutsideClickAction::PassOn:
                break;
            }
            return ::CallNextHookEx(g_hMouseHook.get(), nCode, wParam, lParam);
        },
        [&] { return ::CallNextHookEx(nullptr, nCode, wParam, lParam); });
}
