#include "hub_settings.h"

#include "errors.h"
#include "handles.h"
#include "protocol/screen_hub.h"
#include "registry.h"

namespace {

bool WriteDword(HKEY hKey, const wchar_t* pszName, DWORD value)
{
    return fw::RegistryOk(
        ::RegSetValueExW(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)));
}

} // namespace

std::optional<DWORD> ReadHubSetting(const wchar_t* pszName)
{
    return fw::ReadRegistryDword(HKEY_CURRENT_USER, kHubSettingsKey, pszName);
}

bool WriteHubSettings(DWORD nStatusWord, DWORD nDisplay)
{
    fw::unique_hkey key;
    if (!fw::RegistryOk(::RegCreateKeyExW(HKEY_CURRENT_USER, kHubSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                          key.put(), nullptr)))
        return false;
    const bool bStatus = WriteDword(key.get(), kStatusValue, nStatusWord);
    const bool bDisplay = WriteDword(key.get(), kDisplayValue, nDisplay);
    return bStatus && bDisplay;
}
