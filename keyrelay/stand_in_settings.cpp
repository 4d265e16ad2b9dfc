#include "stand_in_settings.h"

#include "registry.h"

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

std::optional<DWORD> RegistryKey(const wchar_t* pszName)
{
    return fw::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, pszName);
}

} // namespace

StandInKeys ReadStandInKeys()
{
    return {ChooseStandInKey(EnvironmentKey(L"KEYRELAY_MENU_KEY"), RegistryKey(L"MenuKey"),
                             kDefaultStandInKeys.nMenuKey),
            ChooseStandInKey(EnvironmentKey(L"KEYRELAY_DIAL_KEY"), RegistryKey(L"DialKey"),
                             kDefaultStandInKeys.nDialKey)};
}

} // namespace keyrelay
