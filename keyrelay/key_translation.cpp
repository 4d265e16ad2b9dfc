#include "key_translation.h"

#include <cwchar>

namespace keyrelay {

namespace {

bool IsUsableVirtualKey(DWORD nKey)
{
    return nKey >= 1 && nKey <= 0xFE;
}

} // namespace

std::optional<KeyReport> TranslateKey(DWORD vkCode, DWORD scanCode, DWORD flags, const StandInKeys& keys)
{
    // The laptop's keys come first, whatever virtual key the platform made of their scan codes.
    const DWORD nScan = scanCode & 0xFF;
    if ((flags & LLKHF_EXTENDED) && (nScan == kMenuKeyScanCode || nScan == kDialKeyScanCode))
        return KeyReport{scanCode, flags, false};

    const DWORD nUp = flags & LLKHF_UP;
    if (vkCode == keys.nMenuKey)
        return KeyReport{kMenuKeyScanCode, LLKHF_EXTENDED | nUp, true};
    if (vkCode == keys.nDialKey)
        return KeyReport{kDialKeyScanCode, LLKHF_EXTENDED | nUp, true};
    return std::nullopt;
}

std::optional<DWORD> ParseVirtualKey(const wchar_t* pszText)
{
    if (!pszText || !*pszText)
        return std::nullopt;
    wchar_t* pEnd = nullptr;
    const unsigned long nKey = std::wcstoul(pszText, &pEnd, 0);
    if (*pEnd != L'\0' || nKey > 0xFE || !IsUsableVirtualKey(static_cast<DWORD>(nKey)))
        return std::nullopt;
    return static_cast<DWORD>(nKey);
}

DWORD ChooseStandInKey(std::optional<DWORD> fromEnvironment, std::optional<DWORD> fromRegistry, DWORD nDefault)
{
    if (fromEnvironment && IsUsableVirtualKey(*fromEnvironment))
        return *fromEnvironment;
    if (fromRegistry && IsUsableVirtualKey(*fromRegistry))
        return *fromRegistry;
    return nDefault;
}

} // namespace keyrelay
