#pragma once
// Which keyboard events KeyRelay reports, and as what: the laptop's own keys as they are and, only
// where the user has set them, ordinary stand-in keys as if they were the laptop's keys.
#include "protocol/keyrelay.h"

#include <windows.h>

#include <optional>

namespace keyrelay {

// Virtual-key codes of the ordinary keys that stand in for the laptop's keys on a keyboard without
// them; 0 for none. A customer's laptop has none: every ordinary key passes on untouched.
struct StandInKeys {
    DWORD nMenuKey = 0;
    DWORD nDialKey = 0;
};

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

// A stand-in key as a setting gives it: a usable virtual-key code (1 to 254), or 0 for none.
DWORD StandInKeyFrom(std::optional<DWORD> setting);

} // namespace keyrelay
