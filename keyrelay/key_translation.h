#pragma once
// Which keyboard events KeyRelay reports, and as what: the laptop's own keys as they are, and on a
// plain keyboard the stand-in keys as if they were the laptop's keys.
#include "protocol/keyrelay.h"

#include <windows.h>

#include <optional>

namespace keyrelay {

// Virtual-key codes of the ordinary keys that stand in for the laptop's keys.
struct StandInKeys {
    DWORD nMenuKey;
    DWORD nDialKey;
};

// Pause is rarely used and arrives under Wine as one press and one release. The context-menu key
// has Shift+F10 as its twin. Scroll Lock would be the classic choice, but Wine re-syncs the lock
// state with a second, made-up toggle, so each press there would arrive twice.
constexpr StandInKeys kDefaultStandInKeys = {VK_PAUSE, VK_APPS};

struct KeyReport {
    DWORD scanCode;
    DWORD flags;
    // A stand-in key is swallowed: its own meaning (a context menu taking the foreground, say) would
    // fight the menu it opens.
    bool bSwallow;
};

// The report for one low-level keyboard event, or nothing for a key that is not reported.
// Injected events count like any other: the laptop's keys are made with SendInput in tests.
std::optional<KeyReport> TranslateKey(DWORD vkCode, DWORD scanCode, DWORD flags, const StandInKeys& keys);

// A virtual-key code written as a number ("19", "0x13"); nothing for text that is not a usable key.
std::optional<DWORD> ParseVirtualKey(const wchar_t* pszText);
// The environment's choice beats the registry's, which beats the default; unusable values are skipped.
DWORD ChooseStandInKey(std::optional<DWORD> fromEnvironment, std::optional<DWORD> fromRegistry, DWORD nDefault);

} // namespace keyrelay
