#include "screen_hub.h"

#include "handles.h"
#include "protocol/screen_hub.h"
#include "peers/display_mode.h"
#include "peers/screen_hub_path.h"

#include <shellapi.h>

#include <string>

HWND g_hWndScreenHub = nullptr;

namespace {

constexpr UINT kStatusTimeoutMs = 3000;

// A 4-byte value of the settings key; its stored type is not looked at.
bool ReadSetting(HKEY hKey, const wchar_t* pszName, DWORD& value)
{
    DWORD cb = sizeof(value);
    return ::RegQueryValueExW(hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cb) ==
           ERROR_SUCCESS;
}

fw::unique_hkey OpenSettings()
{
    fw::unique_hkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kHubSettingsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        key.reset();
    return key;
}

std::wstring OwnPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

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

    DWORD status = 0;
    const fw::unique_hkey key = OpenSettings();
    if (!key || !ReadSetting(key.get(), kStatusValue, status))
        return 0;
    return status;
}

void ApplyDisplayMode(CImageButton* const (&pButtons)[kButtonCount], HWND hWndMenu)
{
    if (const fw::unique_hkey key = OpenSettings()) {
        DWORD display = 0;
        if (ReadSetting(key.get(), kDisplayValue, display)) {
            const int shown = DisplayFaceSlot(display);
            for (int slot = 0; slot < 4; ++slot)
                pButtons[slot]->Show(slot == shown ? SW_SHOW : SW_HIDE);
        }
    }
    ::InvalidateRect(hWndMenu, nullptr, TRUE);
}

void PostHubCommand(WPARAM nCode, LPARAM nArgument)
{
    ::PostMessageW(g_hWndScreenHub, MSG_HUBCMD, nCode, nArgument);
}

bool EnsureScreenHubRunning()
{
    if (::FindWindowW(nullptr, kScreenHubTitle))
        return true;
    const auto path = ScreenHubPathFrom(OwnPath());
    if (!path)
        return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, nullptr, path->c_str(), nullptr, L".", SW_SHOWNORMAL));
    return result != ERROR_FILE_NOT_FOUND;
}
