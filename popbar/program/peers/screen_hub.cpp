#include "peers/screen_hub.h"

#include "errors.h"
#include "peers/screen_hub_path.h"
#include "program_path.h"
#include "protocol/screen_hub.h"
#include "registry.h"
#include "trace/debug_trace.h"

#include <shellapi.h>

#include <string>

HWND g_hWndScreenHub = nullptr;

namespace {

constexpr UINT kStatusTimeoutMs = 3000;

} // namespace

HWND FindScreenHubWindow()
{
    g_hWndScreenHub = ::FindWindowW(nullptr, kScreenHubTitle);
    return g_hWndScreenHub;
}

DWORD QueryMenuStatus()
{
    FindScreenHubWindow();
    DWORD_PTR reply = 0;
    if (::SendMessageTimeoutW(g_hWndScreenHub, MSG_HUBCMD, HUBCMD_QUERYSTATUS, 0, SMTO_ABORTIFHUNG, kStatusTimeoutMs,
                              &reply))
        return static_cast<DWORD>(reply);
    return fw::ReadRegistryDword(HKEY_CURRENT_USER, kHubSettingsKey, kStatusValue).value_or(0);
}

std::optional<DWORD> ReadDisplayMode()
{
    return fw::ReadRegistryDword(HKEY_CURRENT_USER, kHubSettingsKey, kDisplayValue);
}

void PostHubCommand(WPARAM nCode, LPARAM nArgument)
{
    // The press that started Screen Hub, or one after it was started again, has no live window
    // stored; a post to none would be lost while the menu shows the switch as made.
    if (!::IsWindow(g_hWndScreenHub))
        FindScreenHubWindow();
    if (g_hWndScreenHub)
        ::PostMessageW(g_hWndScreenHub, MSG_HUBCMD, nCode, nArgument);
}

bool EnsureScreenHubRunning()
{
    if (::FindWindowW(nullptr, kScreenHubTitle))
        return true;
    const std::wstring own = fw::OwnProgramPath();
    const auto path = ScreenHubPathFrom(own);
    if (!path) {
        DebugTrace(L"\nScreen Hub : no folder beside %s", own.c_str());
        return false;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, nullptr, path->c_str(), nullptr, L".", SW_SHOWNORMAL));
    // Up to 32 the shell's answer is an error code, most of them the system's own.
    if (result <= 32)
        DebugTrace(L"\nScreen Hub : not started: %s", fw::ErrorText(static_cast<DWORD>(result)).c_str());
    return result != ERROR_FILE_NOT_FOUND;
}
