#pragma once
// One line of Screen Hub's journal: what tests read to see the messages that crossed.
//
// A message received:        "<ms> <message> <wParam> <lParam>"
// A message posted to the menu: "out <ms> <message> <wParam> <lParam>"
// All numbers decimal (lParam signed), separated by one space, the line ended by "\r\n". <ms> is
// GetTickCount64 at the time.
#include <windows.h>

#include <string>

enum class JournalDirection { In, Out };

std::string JournalLine(JournalDirection direction, ULONGLONG timeMs, UINT message, WPARAM wParam, LPARAM lParam);

// The received messages that go into the journal: the menu's two small-numbered messages (54 and 55,
// which lie among the system's own numbers) and everything in the application ranges (WM_USER up to
// the registered messages), MSG_HUBCMD among them.
bool IsJournaled(UINT message);
