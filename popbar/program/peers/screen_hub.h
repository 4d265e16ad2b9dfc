#pragma once
// Popbar's link to Screen Hub: its window, the menu status word, the display mode, commands, start.
#include <windows.h>

#include <optional>

// Screen Hub's window as last looked up (null when it was not running then); never owned.
extern HWND g_hWndScreenHub;

// Looks Screen Hub's window up by its title and stores the result, null or not.
HWND FindScreenHubWindow();
// The status word: Screen Hub's answer within 3000 ms, else its registry copy, else 0.
DWORD QueryMenuStatus();
// The display mode from Screen Hub's "Display" value; nothing when it cannot be read.
std::optional<DWORD> ReadDisplayMode();
// Posts a command to Screen Hub's window, looked up again when the stored one is missing or gone;
// nothing waits for an answer. Lost only when Screen Hub has no window at all.
void PostHubCommand(WPARAM nCode, LPARAM nArgument);
// True when Screen Hub runs or its start was handed to the shell; false when it could not be found.
// Why a start failed goes to the trace.
bool EnsureScreenHubRunning();
