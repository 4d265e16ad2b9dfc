#include "stand_in_settings.h"

#include "registry.h"

namespace keyrelay {

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Corvale\\KeyRelay";

DWORD Setting(const wchar_t* pszName)
{
    return StandInKeyFrom(fw::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, pszName));
}

} // namespace

StandInKeys ReadStandInKeys()
{
    StandInKeys keys;
    keys.nMenuKey = Setting(L"MenuKey");
    keys.nDialKey = Setting(L"DialKey");
    return keys;
}

} // namespace keyrelay
