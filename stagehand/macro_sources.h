#pragma once
// The macro values read from this machine.
#include "command_list.h"

// Gathers the values in a fixed order (language, computer name, Windows folder, programs folder);
// any that cannot be read is the empty text. currentLocation is the program's folder.
MacroValues GatherMacroValues(const std::string& currentLocation);
