// The laptop's day from its first boot, as scripts/demo shows it: the example setup list registers
// Popbar and sets Screen Hub's first state, log-on starts Popbar from the Run value, and the menu
// does what a person asks of it by mouse and keyboard, each press reaching Screen Hub exactly once,
// while the debug viewer gets its traces. The shipped build's scenarios walk it too, through the
// 32-bit programs that the package installed.
#include "hub_journal.h"
#include "journey.h"
#include "paths.h"
#include "process.h"
#include "protocol/screen_hub.h"
#include "registry_values.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Screen Hub's commands from the menu, in order, leaving out the status queries.
std::vector<std::pair<WPARAM, LPARAM>> Commands(const driver::HubJournal& journal)
{
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    for (const driver::HubJournalEntry& entry : journal.Entries())
        if (entry.direction == driver::HubDirection::In && entry.message == MSG_HUBCMD &&
            entry.wParam != HUBCMD_QUERYSTATUS)
            commands.emplace_back(entry.wParam, entry.lParam);
    return commands;
}

// What the journey changes on the shared desktop comes back when the test ends, however it ends.
struct LaptopRestored {
    driver::ScopedValue runValue{HKEY_LOCAL_MACHINE, driver::kRunKey, "Popbar", std::nullopt};
    driver::ScopedValue imageState{HKEY_LOCAL_MACHINE, driver::kSetupStateKey, "ImageState", std::nullopt,
                                   driver::kNativeRegistryView};
    driver::ScopedValue status{HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, std::nullopt};
    driver::ScopedValue display{HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, std::nullopt};
    ~LaptopRestored()
    {
        driver::EndLaptopPrograms();
        ::DeleteFileW(driver::InstalledPath(L"Stagehand\\stagehand.ini").c_str());
    }
};

} // namespace

TEST(LaptopDay, FromFirstBootTheSetupListLeadsToAMenuThatDoesWhatItIsAskedOnce)
{
    const driver::HubJournal journal;
    const LaptopRestored restored;
    driver::JourneyOptions options;
    options.stagehandIni = driver::TestProgramFolder() + L"stagehand.ini";
    options.journal = journal.Path();
    options.bWatchTraces = true;

    const driver::JourneyResult result = driver::RunJourney(options);

    EXPECT_TRUE(result.failure.empty()) << std::string(result.failure.begin(), result.failure.end());
    EXPECT_EQ(result.steps.size(), 10u);
    // Log-on parsed the Run value's command line to the installed Popbar.
    EXPECT_EQ(driver::ProgramPathOf(result.nPopbarId), driver::InstalledPath(L"Popbar\\Popbar.exe"));
    // Wired LAN off (pressed while the Screen Hub it started was coming up), the display mode, screen
    // off and the desktop click's screen on, brighter by keyboard: nothing twice, nothing more.
    const std::vector<std::pair<WPARAM, LPARAM>> expected = {{HUBCMD_WIRED_LAN, SWITCH_OFF},
                                                             {HUBCMD_DISPLAYMODE, 0},
                                                             {HUBCMD_SCREEN, SWITCH_OFF},
                                                             {HUBCMD_SCREEN, SWITCH_ON},
                                                             {HUBCMD_BRIGHTER, 0}};
    EXPECT_EQ(Commands(journal), expected);
}
