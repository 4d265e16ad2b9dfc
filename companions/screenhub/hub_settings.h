#pragma once
// Screen Hub's registry copy of its state, which the menu reads when the window does not answer.
#include <windows.h>

#include <optional>

// A value under HKEY_CURRENT_USER\Software\Corvale\ScreenHub\Settings read as Popbar reads it (up to
// 4 bytes of any type); nothing when absent, unreadable or longer.
std::optional<DWORD> ReadHubSetting(const wchar_t* pszName);
// Writes "Popbar" (the status word) and "Display" as REG_DWORD values; false when either failed.
bool WriteHubSettings(DWORD nStatusWord, DWORD nDisplay);
