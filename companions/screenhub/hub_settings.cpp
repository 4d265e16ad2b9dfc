#include "hub_settings.h"

#include "handles.h"
#include "protocol/screen_hub.h"

namespace {

bool WriteDword(HKEY hKey, const wchar_t* pszName, DWORD value)
{
    return ::RegSetValueExW(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

} // namespace

std::optional<DWORD> ReadHubSetting(const wchar_t* pszName)
{
    fw::unique_hkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kHubSettingsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD value = 0;
    DWORD cb = sizeof(value);
    if (::RegQueryValueExW(key.get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cb) !=
            ERROR_SUCCESS ||
        cb != sizeof(value))
        return std::nullopt;
    return value;
}

bool WriteHubSettings(DWORD nStatusWord, DWORD nDisplay)
{
    fw::unique_hkey key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kHubSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                          nullptr) != ERROR_SUCCESS)
        return false;
    const bool bStatus = WriteDword(key.get(), kStatusValue, nStatusWord);
    const bool bDisplay = WriteDword(key.get(), kDisplayValue, nDisplay);
    return bStatus && bDisplay;
}
