#pragma once
// The stand-in keys as this user has set them.
#include "key_translation.h"

namespace keyrelay {

// The REG_DWORD values "MenuKey" and "DialKey" under HKEY_CURRENT_USER "Software\Corvale\KeyRelay",
// each a virtual-key code; a key without a usable value has no stand-in. Nobody sets them on a
// customer's laptop: they are for a keyboard without the laptop's keys (a developer's, the demo's,
// the tests').
StandInKeys ReadStandInKeys();

} // namespace keyrelay
