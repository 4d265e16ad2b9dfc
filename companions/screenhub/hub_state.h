#pragma once
// Screen Hub's state and what each command from the menu does to it: plain values, no window calls.
#include <windows.h>

#include "protocol/screen_hub.h"

// A battery value above 100 means "not known": the menu shows no number.
constexpr BYTE kBatteryUnknown = 255;

constexpr int kBrightnessMax = 10;

struct HubState {
    bool dismissAllowed = true;
    bool wiredLanOn = false;
    bool bluetoothOn = false;
    bool wirelessOn = false;
    BYTE battery = kBatteryUnknown;
    bool screenOn = true;
    bool highResolution = false;
    int brightness = kBrightnessMax / 2;
    DWORD displayMode = DISPLAY_LAPTOP;
};

// What Screen Hub does besides changing its state.
enum class HubAction {
    None,
    AnswerAvailability,  // post HUBCMD_AVAILABILITY back to the menu
    NotifyDisplayChange, // "Display" changed: post code 48 to the menu
    RefreshBattery,      // read the battery level again
};

struct HubStep {
    HubState state;
    HubAction action = HubAction::None;
};

// The menu status word of a state.
DWORD StatusWord(const HubState& state);
// The state's switches and battery taken from a status word; the rest of the state is kept.
HubState WithStatusWord(HubState state, DWORD word);
// The mode after the display-mode button: 1 -> 2 -> 0x103 -> 3 -> 1. A value that is none of
// them (the menu shows it as the first) goes on to the second. Only the low 12 bits count.
DWORD NextDisplayMode(DWORD mode);
// One posted MSG_HUBCMD. Unknown codes, and arguments that are neither on nor off, change nothing.
HubStep ApplyCommand(const HubState& state, WPARAM code, LPARAM arg);
