// Popbar as installed, beside our Screen Hub: the status word it answers drives the looks, every
// button reaches Screen Hub's journal with its code and argument, and a hung Screen Hub costs one
// time-out and then its registry copy.
#include "hub_fixture.h"
#include "menu_rows.h"
#include "desktop_size.h"
#include "registry_values.h"
#include "wait.h"
#include "x_input.h"

#include <gtest/gtest.h>

using namespace popbar_e2e;
using driver::HubDirection;
using driver::HubEntry;

TEST_F(PopbarWithScreenHub, LooksOnOpeningFollowTheStatusWordAndItsDismissBitHidesOnTheSecondPress)
{
    // Dismiss allowed, wired LAN on, bluetooth off, wireless on.
    Start(L"--status 0x10011 --battery 42");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE))) << "the availability answer";
    OpenMenu();
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUOPENED, 0, 0)));
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 1u) << "one status query per press";
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, true, false));
    EXPECT_TRUE(RowShows(menu, kBluetoothRow, false, true));
    EXPECT_TRUE(RowShows(menu, kWirelessRow, true, false));
    EXPECT_TRUE(RowShows(menu, kScreenRow, true, false));

    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUKEYAGAIN, 0, 0)));
    EXPECT_FALSE(popbar.IsMenuVisible());
}

TEST_F(PopbarWithScreenHub, EveryButtonPostsItsCodeAndArgumentAndShowsTheChoice)
{
    Start(L"--status 0 --display 1 --battery 50");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    OpenMenu();

    const struct {
        UINT id;
        int row;
        int column;
        WPARAM code;
        LPARAM argument;
    } presses[] = {
        {ID_DARKER, kBrightnessRow, 0, HUBCMD_DARKER, 0},
        {ID_BRIGHTER, kBrightnessRow, 1, HUBCMD_BRIGHTER, 0},
        {ID_BATTERY, kBatteryRow, 0, HUBCMD_BATTERY, 0},
        {ID_WIRED_LAN_ON, kWiredLanRow, 0, HUBCMD_WIRED_LAN, SWITCH_ON},
        {ID_WIRED_LAN_OFF, kWiredLanRow, 1, HUBCMD_WIRED_LAN, SWITCH_OFF},
        {ID_BLUETOOTH_ON, kBluetoothRow, 0, HUBCMD_BLUETOOTH, BLUETOOTH_ON},
        {ID_BLUETOOTH_OFF, kBluetoothRow, 1, HUBCMD_BLUETOOTH, BLUETOOTH_OFF},
        {ID_WIRELESS_ON, kWirelessRow, 0, HUBCMD_WIRELESS, SWITCH_ON},
        {ID_WIRELESS_OFF, kWirelessRow, 1, HUBCMD_WIRELESS, SWITCH_OFF},
        {ID_SCREEN_ON, kScreenRow, 0, HUBCMD_SCREEN, SWITCH_ON},
    };
    for (const auto& press : presses) {
        ASSERT_TRUE(Press(press.id));
        EXPECT_TRUE(Received(press.code, press.argument)) << "code " << press.code << " argument " << press.argument;
        // The pairs show the choice; the brightness buttons always show lit.
        if (press.row == kBrightnessRow) {
            EXPECT_TRUE(RowShows(menu, press.row, true, true));
        } else if (press.row != kBatteryRow) {
            EXPECT_TRUE(RowShows(menu, press.row, press.column == 0, press.column == 1)) << "code " << press.code;
        }
    }

    // The display-mode face: Screen Hub steps its mode and tells the menu, which shows the next face.
    const HWND hFirst = VisibleDisplayFace();
    ASSERT_TRUE(hFirst);
    ASSERT_TRUE(Press(ID_DISPLAYMODE));
    EXPECT_TRUE(Received(HUBCMD_DISPLAYMODE, 0));
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_RELOADDISPLAY)));
    EXPECT_TRUE(driver::WaitUntil([&] { return VisibleDisplayFace() && VisibleDisplayFace() != hFirst; }, 5000));
    EXPECT_EQ(driver::ReadDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA), std::optional<DWORD>(DISPLAY_MONITOR));
    EXPECT_TRUE(popbar.IsMenuVisible()) << "no command hides the menu";

    // Screen off, then the next click anywhere switches it back on.
    ASSERT_TRUE(Press(ID_SCREEN_OFF));
    EXPECT_TRUE(Received(HUBCMD_SCREEN, SWITCH_OFF));
    const auto screenOn = HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_SCREEN, SWITCH_ON);
    ASSERT_EQ(journal.Count(screenOn), 1u) << "from the ON button above";
    ASSERT_TRUE(driver::ClickAt({40, 700}));
    EXPECT_TRUE(driver::WaitUntil([&] { return journal.Count(screenOn) == 2; }, 5000));
    EXPECT_TRUE(RowShows(menu, kScreenRow, true, false));
}

TEST_F(PopbarWithScreenHub, ResolutionPairAsksOnceUntilTheDisplayChanges)
{
    Start(L"--status 0 --battery 50");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    OpenMenu();

    ASSERT_TRUE(Press(ID_RES_NORMAL));
    ASSERT_TRUE(Received(HUBCMD_RES_NORMAL, 0));
    ASSERT_TRUE(Press(ID_RES_NORMAL));
    ASSERT_TRUE(Press(ID_RES_HIGH));
    // A later command that does reach Screen Hub: everything before it has been handled.
    ASSERT_TRUE(Press(ID_BATTERY));
    ASSERT_TRUE(Received(HUBCMD_BATTERY, 0));
    EXPECT_EQ(CountReceived(HUBCMD_RES_NORMAL), 1u);
    EXPECT_EQ(CountReceived(HUBCMD_RES_HIGH), 0u);

    const driver::ScopedDesktopSize smaller(800, 600);
    ASSERT_TRUE(smaller.Changed());
    ASSERT_TRUE(driver::WaitUntil([&] { return popbar.MenuRect().left == 800 - kMenuSize.cx - 5; }, 5000))
        << "the menu followed the display change";
    menu = popbar.MenuRect();
    ASSERT_TRUE(Press(ID_RES_HIGH));
    EXPECT_TRUE(Received(HUBCMD_RES_HIGH, 0)) << "the display change cleared the latch";
}

TEST_F(PopbarWithScreenHub, HungScreenHubCostsOneTimeOutThenItsRegistryCopyAnswers)
{
    // Wired LAN on in Screen Hub's word and so in its registry copy; it hangs at the first query.
    Start(L"--status 0x10 --battery 50 --hang");
    // Its window in the foreground: the menu must not wait for it to take the foreground.
    const HWND hHub = ::FindWindowW(nullptr, kScreenHubTitle);
    ::SetForegroundWindow(hHub);
    ASSERT_TRUE(driver::WaitUntil([&] { return ::GetForegroundWindow() == hHub; }));
    const ULONGLONG start = ::GetTickCount64();
    ASSERT_TRUE(popbar.SendMenuKey());
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    EXPECT_GE(elapsed, 2900u) << "the query waited for Screen Hub";
    EXPECT_LT(elapsed, 8000u) << "and no longer than its time-out";
    menu = popbar.MenuRect();
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, true, false)) << "the registry copy";

    // Without the copy the word is 0.
    ::SendMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
    driver::DeleteValue(HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA);
    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, false, true));
    EXPECT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(popbar.IsMenuVisible()) << "status 0: no dismissal";
}
