#pragma once
// Screen Hub's state and what each command from the menu does to it: plain values, no window calls.
#include <windows.h>

// The message numbers, codes and status bits are the menu's own: both sides share one header.
#include "peers/hub_messages.h"

// The other MSG_HUBCMD codes that the menu posts.
constexpr WPARAM HUBCMD_DISPLAYMODE = 1;
constexpr WPARAM HUBCMD_BATTERY = 2;
constexpr WPARAM HUBCMD_BRIGHTER = 7;
constexpr WPARAM HUBCMD_DARKER = 8;
constexpr WPARAM HUBCMD_RES_NORMAL = 17;
constexpr WPARAM HUBCMD_RES_HIGH = 42;
constexpr WPARAM HUBCMD_WIRED_LAN = 43;
constexpr WPARAM HUBCMD_SCREEN = 45;
constexpr WPARAM HUBCMD_WIRELESS = 46;
constexpr WPARAM HUBCMD_BLUETOOTH = 47;

// The status bits by what Screen Hub means by them; the battery percentage is bits 20-27.
constexpr DWORD STATUS_BLUETOOTH_ON = STATUS_PAIR_108_ON;
constexpr DWORD STATUS_WIRELESS_ON = STATUS_PAIR_110_ON;
constexpr int kBatteryShift = 20;
constexpr DWORD kBatteryMask = 0xFFu << kBatteryShift;
// A battery value above 100 means "not known": the menu shows no number.
constexpr BYTE kBatteryUnknown = 255;

// Display modes as the "Display" value holds them.
constexpr DWORD DISPLAY_LAPTOP = 1;
constexpr DWORD DISPLAY_MONITOR = 2;
constexpr DWORD DISPLAY_DUPLICATE = 0x103;
constexpr DWORD DISPLAY_EXTEND = 3;

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
    AnswerAvailability,  // post code 24 back to the menu
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
