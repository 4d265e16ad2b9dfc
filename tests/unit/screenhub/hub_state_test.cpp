#include "hub_state.h"

#include <gtest/gtest.h>

namespace {

HubState AllOff()
{
    return WithStatusWord(HubState{}, 0);
}

} // namespace

TEST(StatusWord, CarriesEachSwitchInItsBitAndTheBatteryInBits20To27)
{
    HubState state = AllOff();
    state.battery = 0;
    EXPECT_EQ(StatusWord(state), 0u);

    state.dismissAllowed = true;
    EXPECT_EQ(StatusWord(state), 0x1u);
    state.wiredLanOn = true;
    EXPECT_EQ(StatusWord(state), 0x11u);
    state.bluetoothOn = true;
    EXPECT_EQ(StatusWord(state), 0x111u);
    state.wirelessOn = true;
    EXPECT_EQ(StatusWord(state), 0x10111u);
    state.battery = 57;
    EXPECT_EQ(StatusWord(state), (57u << 20) | 0x10111u);
    state.battery = kBatteryUnknown;
    EXPECT_EQ(StatusWord(state) >> 20, 0xFFu);
}

TEST(StatusWord, ScreenResolutionBrightnessAndDisplayAreNotInTheWord)
{
    HubState state = AllOff();
    const DWORD before = StatusWord(state);
    state.screenOn = !state.screenOn;
    state.highResolution = !state.highResolution;
    state.brightness = 0;
    state.displayMode = DISPLAY_EXTEND;
    EXPECT_EQ(StatusWord(state), before);
}

TEST(StatusWord, ReadsBackFromTheWordAndIgnoresBitsItDoesNotKnow)
{
    const DWORD word = (64u << 20) | 0x10111u;
    EXPECT_EQ(StatusWord(WithStatusWord(HubState{}, word)), word);
    EXPECT_EQ(StatusWord(WithStatusWord(HubState{}, word | 0x80000000u | 0x2u | 0x20u)), word);

    HubState state;
    state.brightness = 3;
    state.displayMode = DISPLAY_DUPLICATE;
    const HubState read = WithStatusWord(state, 0);
    EXPECT_FALSE(read.dismissAllowed);
    EXPECT_EQ(read.brightness, 3);
    EXPECT_EQ(read.displayMode, DISPLAY_DUPLICATE);
}

TEST(DisplayMode, StepsLaptopMonitorDuplicateExtendAndRoundAgain)
{
    EXPECT_EQ(NextDisplayMode(1), 2u);
    EXPECT_EQ(NextDisplayMode(2), 0x103u);
    EXPECT_EQ(NextDisplayMode(0x103), 3u);
    EXPECT_EQ(NextDisplayMode(3), 1u);
}

TEST(DisplayMode, UnknownModesShownAsTheFirstGoOnToTheSecondAndHighBitsAreDropped)
{
    EXPECT_EQ(NextDisplayMode(0), 2u);
    EXPECT_EQ(NextDisplayMode(4), 2u);
    EXPECT_EQ(NextDisplayMode(0x1002), 0x103u);
    EXPECT_EQ(NextDisplayMode(0xFFFFFFFF), 2u);
}

TEST(Commands, DisplayModeButtonStepsTheModeAndNotifiesTheMenu)
{
    HubState state = AllOff();
    const HubStep step = ApplyCommand(state, HUBCMD_DISPLAYMODE, 0);
    EXPECT_EQ(step.state.displayMode, DISPLAY_MONITOR);
    EXPECT_EQ(step.action, HubAction::NotifyDisplayChange);
}

TEST(Commands, OnOffPairsSetTheirBitsWithBluetoothOnAtArgumentZero)
{
    struct Case {
        WPARAM code;
        LPARAM onArg;
        DWORD bit;
    };
    for (const Case c : {Case{HUBCMD_WIRED_LAN, 1, STATUS_WIRED_LAN_ON}, Case{HUBCMD_WIRELESS, 1, STATUS_WIRELESS_ON},
                         Case{HUBCMD_BLUETOOTH, 0, STATUS_BLUETOOTH_ON}}) {
        SCOPED_TRACE(c.code);
        const HubState on = ApplyCommand(AllOff(), c.code, c.onArg).state;
        EXPECT_EQ(StatusWord(on) & ~kBatteryMask, c.bit);
        const HubState off = ApplyCommand(on, c.code, 1 - c.onArg).state;
        EXPECT_EQ(StatusWord(off) & ~kBatteryMask, 0u);
        // Another press of the same side keeps it.
        EXPECT_EQ(StatusWord(ApplyCommand(on, c.code, c.onArg).state), StatusWord(on));
        EXPECT_EQ(ApplyCommand(on, c.code, c.onArg).action, HubAction::None);
    }
}

TEST(Commands, ArgumentsThatAreNeitherOnNorOffChangeNothing)
{
    HubState state = AllOff();
    state.wiredLanOn = true;
    state.screenOn = false;
    for (const WPARAM code : {HUBCMD_WIRED_LAN, HUBCMD_WIRELESS, HUBCMD_BLUETOOTH, HUBCMD_SCREEN}) {
        for (const LPARAM arg : {LPARAM{2}, LPARAM{-1}}) {
            const HubState next = ApplyCommand(state, code, arg).state;
            EXPECT_EQ(StatusWord(next), StatusWord(state)) << code << " " << arg;
            EXPECT_EQ(next.screenOn, state.screenOn) << code << " " << arg;
        }
    }
}

TEST(Commands, ScreenSwitchesWithoutTouchingTheWord)
{
    HubState state = AllOff();
    const HubState off = ApplyCommand(state, HUBCMD_SCREEN, 0).state;
    EXPECT_FALSE(off.screenOn);
    EXPECT_EQ(StatusWord(off), StatusWord(state));
    EXPECT_TRUE(ApplyCommand(off, HUBCMD_SCREEN, 1).state.screenOn);
}

TEST(Commands, BrightnessMovesOneStepWithinZeroToTen)
{
    HubState state;
    state.brightness = 5;
    EXPECT_EQ(ApplyCommand(state, HUBCMD_BRIGHTER, 0).state.brightness, 6);
    EXPECT_EQ(ApplyCommand(state, HUBCMD_DARKER, 0).state.brightness, 4);
    state.brightness = kBrightnessMax;
    EXPECT_EQ(ApplyCommand(state, HUBCMD_BRIGHTER, 0).state.brightness, kBrightnessMax);
    state.brightness = 0;
    EXPECT_EQ(ApplyCommand(state, HUBCMD_DARKER, 0).state.brightness, 0);
}

TEST(Commands, ResolutionButtonsChooseNormalOrHigh)
{
    HubState state;
    const HubState high = ApplyCommand(state, HUBCMD_RES_HIGH, 0).state;
    EXPECT_TRUE(high.highResolution);
    EXPECT_FALSE(ApplyCommand(high, HUBCMD_RES_NORMAL, 0).state.highResolution);
}

TEST(Commands, BatteryAndAvailabilityAskForTheirActionOnly)
{
    HubState state = AllOff();
    state.battery = 40;
    const HubStep battery = ApplyCommand(state, HUBCMD_BATTERY, 0);
    EXPECT_EQ(battery.action, HubAction::RefreshBattery);
    EXPECT_EQ(StatusWord(battery.state), StatusWord(state));

    const HubStep availability = ApplyCommand(state, HUBCMD_AVAILABILITY, 0);
    EXPECT_EQ(availability.action, HubAction::AnswerAvailability);
    EXPECT_EQ(StatusWord(availability.state), StatusWord(state));
}

TEST(Commands, UnknownCodesAndTheStatusQueryChangeNothing)
{
    HubState state;
    state.wiredLanOn = true;
    state.brightness = 7;
    for (const WPARAM code : {WPARAM{0}, WPARAM{3}, HUBCMD_QUERYSTATUS, HUBCMD_RELOADDISPLAY, HUBCMD_HIDEMENU,
                              WPARAM{1000}}) {
        const HubStep step = ApplyCommand(state, code, 1);
        EXPECT_EQ(step.action, HubAction::None) << code;
        EXPECT_EQ(StatusWord(step.state), StatusWord(state)) << code;
        EXPECT_EQ(step.state.brightness, 7) << code;
        EXPECT_EQ(step.state.displayMode, state.displayMode) << code;
    }
}
