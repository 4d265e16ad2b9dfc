#include "stand_in_settings.h"

#include "handles.h"

namespace keyrelay {

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Corvale\\KeyRelay";

std::optional<DWORD> EnvironmentKey(const wchar_t* pszName)
{
    wchar_t text[32] = {};
    const DWORD n = ::GetEnvironmentVariableW(pszName, text, 32);
    if (n == 0 || n >= 32)
        return std::nullopt;
    return ParseVirtualKey(text);
}

std::optional<DWORD> RegistryKey(HKEY hKey, const wchar_t* pszName)
{
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD cb = sizeof(value);
    if (!hKey || ::RegQueryValueExW(hKey, pszName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &cb) !=
                     ERROR_SUCCESS ||
        type != REG_DWORD || cb != sizeof(value))
        return std::nullopt;
    return value;
}

} // namespace

StandInKeys ReadStandInKeys()
{
    HKEY hKey = nullptr;
    fw::unique_hkey settings;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &hKey) == ERROR_SUCCESS)
        settings.reset(hKey);
    return {ChooseStandInKey(EnvironmentKey(L"KEYRELAY_MENU_KEY"), RegistryKey(settings.get(), L"MenuKey"),
                             kDefaultStandInKeys.nMenuKey),
            ChooseStandInKey(EnvironmentKey(L"KEYRELAY_DIAL_KEY"), RegistryKey(settings.get(), L"DialKey"),
                             kDefaultStandInKeys.nDialKey)};
}

} // namespace keyrelay
