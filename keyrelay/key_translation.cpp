#include "key_translation.h"

namespace keyrelay {

std::optional<KeyReport> TranslateKey(DWORD vkCode, DWORD scanCode, DWORD flags, const StandInKeys& keys)
{
    // The laptop's keys come first, whatever virtual key the platform made of their scan codes.
    const DWORD nScan = scanCode & 0xFF;
    if ((flags & LLKHF_EXTENDED) && (nScan == kMenuKeyScanCode || nScan == kDialKeyScanCode))
        return KeyReport{scanCode, flags, false};

    const DWORD nUp = flags & LLKHF_UP;
    if (keys.nMenuKey != 0 && vkCode == keys.nMenuKey)
        return KeyReport{kMenuKeyScanCode, LLKHF_EXTENDED | nUp, true};
    if (keys.nDialKey != 0 && vkCode == keys.nDialKey)
        return KeyReport{kDialKeyScanCode, LLKHF_EXTENDED | nUp, true};
    return std::nullopt;
}

DWORD StandInKeyFrom(std::optional<DWORD> setting)
{
    return setting && *setting >= 1 && *setting <= 0xFE ? *setting : 0;
}

} // namespace keyrelay
