#pragma once
// The key record that a KeyRelay report points at.
#include <windows.h>

#include <optional>

// The record at the report's address when it lies whole in readable memory of this process; nothing
// otherwise. KeyRelay's reports come from a thread of this process; another program can send the
// same registered message with any number as the address, and that must not be read blindly.
std::optional<KBDLLHOOKSTRUCT> ReadKeyRecord(LPARAM lParam);
