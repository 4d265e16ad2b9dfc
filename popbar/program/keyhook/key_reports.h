#pragma once
// KeyRelay's reports of keys: the registered "KeyRelay" message that brings them to the menu window,
// and the key record each points at.
#include <windows.h>

#include <optional>

// Registered during static initialisation, before start-up; 0 if the registration failed.
extern const UINT g_nKeyRelayMessage;

// The record at the report's address when it lies whole in readable memory of this process; nothing
// otherwise. KeyRelay's reports come from a thread of this process; another program can send the
// same registered message with any number as the address, and that must not be read blindly.
std::optional<KBDLLHOOKSTRUCT> ReadKeyRecord(LPARAM lParam);
