#pragma once
// Popbar as installed with our Screen Hub beside it, started by the test with the switches it names;
// Screen Hub's journal shows what the menu sent it. Screen Hub's settings come back as they were.
#include "hub_journal.h"
#include "menu_rows.h"
#include "menu_view.h"
#include "popbar_session.h"
#include "process.h"
#include "registry_values.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <optional>

namespace popbar_e2e {

class PopbarWithScreenHub : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EndScreenHub()); }
    void TearDown() override
    {
        popbar.Process().Terminate();
        EXPECT_TRUE(EndScreenHub());
    }

    // Screen Hub first, so the menu finds it while it builds its buttons.
    void Start(const std::wstring& hubSwitches)
    {
        ASSERT_TRUE(hub.Start(InstalledScreenHub(), journal.Switch() + L" " + hubSwitches));
        ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }));
        ASSERT_TRUE(popbar.Start(InstalledPopbar()));
    }
    void OpenMenu()
    {
        ASSERT_TRUE(popbar.SendMenuKey());
        ASSERT_TRUE(popbar.IsMenuVisible());
        menu = popbar.MenuRect();
    }
    bool Press(UINT nID) const { return PressButton(popbar.Menu(), nID); }
    // A command Screen Hub received from the menu.
    bool Received(WPARAM nCode, std::optional<LPARAM> argument = std::nullopt) const
    {
        return journal.WaitFor(driver::HubEntry(driver::HubDirection::In, MSG_HUBCMD, nCode, argument), 5000).has_value();
    }
    size_t CountReceived(WPARAM nCode) const { return journal.Count(driver::HubEntry(driver::HubDirection::In, MSG_HUBCMD, nCode)); }
    HWND VisibleDisplayFace() const { return driver::VisibleMenuButton(popbar.Menu(), ID_DISPLAYMODE); }

    // The settings come back as they were.
    driver::ScopedValue savedStatus{HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, std::nullopt};
    driver::ScopedValue savedDisplay{HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, std::nullopt};
    driver::HubJournal journal;
    driver::ChildProcess hub;
    PopbarProcess popbar;
    RECT menu{};
};

} // namespace popbar_e2e
