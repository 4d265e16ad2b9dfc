#pragma once
// The registered "KeyRelay" message by which the key-hook library reports keys to the menu window.
#include <windows.h>

// Registered during static initialisation, before start-up; 0 if the registration failed.
extern const UINT g_nKeyRelayMessage;
