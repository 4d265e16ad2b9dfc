#pragma once
// The stand-in keys as this user and this process configure them.
#include "key_translation.h"

namespace keyrelay {

// Environment variables KEYRELAY_MENU_KEY / KEYRELAY_DIAL_KEY (a number, "0x13" or "19") win over
// the REG_DWORD values "MenuKey" / "DialKey" under HKEY_CURRENT_USER "Software\Corvale\KeyRelay";
// keys set in neither place keep their defaults.
StandInKeys ReadStandInKeys();

} // namespace keyrelay
