#pragma once
// The state Screen Hub starts in.
#include "hub_options.h"
#include "hub_state.h"

#include <optional>

// The switches win; without them the registry copy of the last run counts (the user's settings
// survive a restart); without that, the defaults: dismiss allowed, everything off, laptop display.
// The battery is always the reading given.
HubState StartingState(const HubOptions& options, std::optional<DWORD> savedWord, std::optional<DWORD> savedDisplay,
                       BYTE battery);
