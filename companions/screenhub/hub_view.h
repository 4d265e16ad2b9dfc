#pragma once
// The texts of Screen Hub's window: its state and the messages it saw, for a person to watch.
#include "hub_state.h"
#include "journal_line.h"

#include <string>
#include <vector>

// One line per item: the status word and its bits, display mode, brightness, screen, resolution, battery.
std::vector<std::wstring> DescribeState(const HubState& state);
// "in  MSG_HUBCMD 43 wired LAN 1": a message in words.
std::wstring DescribeMessage(JournalDirection direction, UINT message, WPARAM wParam, LPARAM lParam);
