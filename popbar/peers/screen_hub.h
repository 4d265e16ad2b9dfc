#pragma once
// Popbar's link to Screen Hub: its window, the menu status word, the display mode, commands, start.
#include "menu/menu_buttons.h"

#include <windows.h>

// Screen Hub's window as last looked up (null when it was not running then); never owned.
extern HWND g_hWndScreenHub;

// Looks Screen Hub's window up by its title and stores the result, null or not.
HWND FindScreenHubWindow();
// The status word: Screen Hub's answer within 3000 ms, else its registry copy, else 0.
DWORD QueryMenuStatus();
// Shows the display-mode face that Screen Hub's "Display" value selects, then repaints the menu.
void ApplyDisplayMode(CImageButton* const (&pButtons)[kButtonCount], HWND hWndMenu);
// Posts a command to Screen Hub's window; nothing waits for an answer.
void PostHubCommand(WPARAM nCode, LPARAM nArgument);
// True when Screen Hub runs or its start was handed to the shell; false when it could not be found.
bool EnsureScreenHubRunning();
