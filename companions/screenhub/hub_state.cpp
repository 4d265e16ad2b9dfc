#include "hub_state.h"

#include <algorithm>

namespace {

// A switch's argument: its on value, its off value, or anything else, which changes nothing.
bool ReadSwitch(LPARAM arg, LPARAM onValue, LPARAM offValue, bool current)
{
    if (arg == onValue)
        return true;
    if (arg == offValue)
        return false;
    return current;
}

} // namespace

DWORD StatusWord(const HubState& state)
{
    DWORD word = static_cast<DWORD>(state.battery) << kBatteryShift;
    if (state.dismissAllowed)
        word |= STATUS_DISMISS_ALLOWED;
    if (state.wiredLanOn)
        word |= STATUS_WIRED_LAN_ON;
    if (state.bluetoothOn)
        word |= STATUS_BLUETOOTH_ON;
    if (state.wirelessOn)
        word |= STATUS_WIRELESS_ON;
    return word;
}

HubState WithStatusWord(HubState state, DWORD word)
{
    state.dismissAllowed = (word & STATUS_DISMISS_ALLOWED) != 0;
    state.wiredLanOn = (word & STATUS_WIRED_LAN_ON) != 0;
    state.bluetoothOn = (word & STATUS_BLUETOOTH_ON) != 0;
    state.wirelessOn = (word & STATUS_WIRELESS_ON) != 0;
    state.battery = static_cast<BYTE>((word & kBatteryMask) >> kBatteryShift);
    return state;
}

DWORD NextDisplayMode(DWORD mode)
{
    switch (mode & kDisplayModeMask) {
    case DISPLAY_LAPTOP:
        return DISPLAY_MONITOR;
    case DISPLAY_MONITOR:
        return DISPLAY_DUPLICATE;
    case DISPLAY_DUPLICATE:
        return DISPLAY_EXTEND;
    case DISPLAY_EXTEND:
        return DISPLAY_LAPTOP;
    default:
        return DISPLAY_MONITOR;
    }
}

HubStep ApplyCommand(const HubState& state, WPARAM code, LPARAM arg)
{
    HubStep step{state, HubAction::None};
    HubState& next = step.state;
    switch (code) {
    case HUBCMD_DISPLAYMODE:
        next.displayMode = NextDisplayMode(state.displayMode);
        step.action = HubAction::NotifyDisplayChange;
        break;
    case HUBCMD_BATTERY:
        step.action = HubAction::RefreshBattery;
        break;
    case HUBCMD_BRIGHTER:
        next.brightness = std::min(state.brightness + 1, kBrightnessMax);
        break;
    case HUBCMD_DARKER:
        next.brightness = std::max(state.brightness - 1, 0);
        break;
    case HUBCMD_RES_NORMAL:
        next.highResolution = false;
        break;
    case HUBCMD_RES_HIGH:
        next.highResolution = true;
        break;
    case HUBCMD_AVAILABILITY:
        step.action = HubAction::AnswerAvailability;
        break;
    case HUBCMD_WIRED_LAN:
        next.wiredLanOn = ReadSwitch(arg, SWITCH_ON, SWITCH_OFF, state.wiredLanOn);
        break;
    case HUBCMD_SCREEN:
        next.screenOn = ReadSwitch(arg, SWITCH_ON, SWITCH_OFF, state.screenOn);
        break;
    case HUBCMD_WIRELESS:
        next.wirelessOn = ReadSwitch(arg, SWITCH_ON, SWITCH_OFF, state.wirelessOn);
        break;
    case HUBCMD_BLUETOOTH:
        next.bluetoothOn = ReadSwitch(arg, BLUETOOTH_ON, BLUETOOTH_OFF, state.bluetoothOn);
        break;
    default:
        break;
    }
    return step;
}
