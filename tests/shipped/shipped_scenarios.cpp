// What only the shipped 32-bit Popbar on 64-bit Windows meets, in the prefix that tests/shipped/run
// lays out as a customer's 64-bit laptop (CORVALE_PROGRAMS=x86, no stand-in keys set): only the
// laptop's own keys are taken, every ordinary key reaches the program in front; the Touch Pack's dial
// keyboard comes as a 32-bit package under Popbar's own Program Files folder or as a 64-bit one under
// the machine's, and the key finds, starts, shows and hides either; and nothing of a test build runs
// inside the shipped Popbar.
#include "debug_viewer.h"
#include "dial_keys_journal.h"
#include "journey.h"
#include "key_target.h"
#include "key_input.h"
#include "paths.h"
#include "popbar_session.h"
#include "process.h"
#include "registry_values.h"
#include "x_input.h"
#include "instrumentation_readers.h"
#include "protocol/dial_keyboard.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace popbar_e2e;

namespace {

// The Touch Pack's folder under one Program Files folder, moved aside while this lives.
class TouchPackAway {
public:
    explicit TouchPackAway(const std::wstring& programFiles)
        : m_installed(programFiles + L"\\Microsoft Touch Pack"), m_away(m_installed + L" (away)")
    {
        m_bMoved = ::MoveFileW(m_installed.c_str(), m_away.c_str()) != FALSE;
    }
    TouchPackAway(const TouchPackAway&) = delete;
    TouchPackAway& operator=(const TouchPackAway&) = delete;
    ~TouchPackAway()
    {
        if (m_bMoved)
            ::MoveFileW(m_away.c_str(), m_installed.c_str());
    }
    bool Moved() const { return m_bMoved; }

private:
    std::wstring m_installed;
    std::wstring m_away;
    bool m_bMoved = false;
};

// One shipped Popbar for the suite: each start of it costs about a minute where it runs emulated.
class ShippedPopbar : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(driver::ProgramsRunUnderWow64()) << "the shipped build's scenarios run with CORVALE_PROGRAMS=x86";
        ASSERT_TRUE(driver::EndLaptopPrograms());
        // Before Popbar starts, so that Popbar and what it starts write to it.
        s_journal = std::make_unique<driver::DialKeysJournal>();
        s_viewer = std::make_unique<driver::DebugViewerRun>();
        ASSERT_TRUE(s_viewer->Started());
        s_popbar = std::make_unique<PopbarProcess>();
        ASSERT_TRUE(s_popbar->Start(PopbarWithoutScreenHub()));
    }
    static void TearDownTestSuite()
    {
        s_popbar.reset();
        driver::EndDialKeyboards();
        s_viewer.reset();
        s_journal.reset();
    }
    void SetUp() override { ASSERT_TRUE(s_popbar && s_popbar->Process().IsRunning()); }

    // One press of the dial key, and its toggle done (Popbar's trace says so): a press while the last
    // toggle runs would wait for it.
    static bool PressDialKey()
    {
        const size_t nDone = s_viewer->Count(kToggleDone);
        return driver::Send(driver::Stroke(driver::ExtendedScanCode(kDialKeyScanCode, false))) &&
               s_viewer->WaitFor(kToggleDone, nDone + 1);
    }

    static constexpr char kToggleDone[] = "\nDial key : toggle done";
    static constexpr char kMenuShown[] = "\nMSG_MENUBTN : Menu SHOW";
    static constexpr char kToggleRuns[] = "\nDial key : toggle runs";
    static constexpr char kPressWaits[] = "\nDial key : waits for the toggle that runs";
    static std::unique_ptr<driver::DialKeysJournal> s_journal;
    static std::unique_ptr<driver::DebugViewerRun> s_viewer;
    static std::unique_ptr<PopbarProcess> s_popbar;
};

std::unique_ptr<driver::DialKeysJournal> ShippedPopbar::s_journal;
std::unique_ptr<driver::DebugViewerRun> ShippedPopbar::s_viewer;
std::unique_ptr<PopbarProcess> ShippedPopbar::s_popbar;

} // namespace

// Without a stand-in setting, Pause and the context-menu key are the user's: they reach the program in
// front and open nothing, while the laptop's own menu key opens the menu. With the dismiss bit set, a
// Pause taken as the menu key would have opened the menu and the laptop's key hidden it again.
TEST_F(ShippedPopbar, OnACustomersLaptopOrdinaryKeysReachTheProgramInFrontAndOnlyTheLaptopsKeyOpensTheMenu)
{
    const driver::ScopedValue savedStatus(HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, std::nullopt);
    const DWORD nDismissAllowed = STATUS_DISMISS_ALLOWED;
    SetStatusWord(&nDismissAllowed);
    const size_t nShown = s_viewer->Count(kMenuShown);
    const size_t nDialKeys = s_viewer->Count("\nDial key");
    keyrelay_e2e::CKeyTarget target;
    ASSERT_TRUE(target.TakeForeground());
    RECT place{};
    ::GetWindowRect(target.Window(), &place);
    ASSERT_TRUE(driver::ClickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
    ASSERT_TRUE(target.TakeForeground());

    driver::PressXKey(L"Pause Menu a");
    ASSERT_TRUE(target.WaitForKeyDown('A'));
    EXPECT_TRUE(target.HasSeenKeyDown(VK_PAUSE));
    EXPECT_TRUE(target.HasSeenKeyDown(VK_APPS));

    // KeyRelay reports in order: whatever it made of the keys above reaches Popbar before this.
    ASSERT_TRUE(driver::Send(driver::Stroke(driver::ExtendedScanCode(kMenuKeyScanCode, false))));
    ASSERT_TRUE(s_viewer->WaitFor(kMenuShown, nShown + 1));
    EXPECT_TRUE(driver::WaitUntil([] { return s_popbar->IsMenuVisible(); })) << "opened by the laptop's key alone";
    EXPECT_EQ(s_viewer->Count(kMenuShown), nShown + 1);
    EXPECT_EQ(s_viewer->Count("\nDial key"), nDialKeys) << "the context-menu key is no dial key";
    ASSERT_TRUE(::PostMessageW(s_popbar->Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(driver::WaitUntil([] { return !s_popbar->IsMenuVisible(); }));
}

TEST_F(ShippedPopbar, TheDialKeyFindsTheTouchPackInPopbarsOwnProgramFilesFolderOrInTheMachines)
{
    const std::wstring own = driver::ProgramFilesFolder() + L"\\" + kDialKeysProgram;
    const std::wstring native = driver::NativeProgramFilesFolder() + L"\\" + kDialKeysProgram;
    ASSERT_NE(own, native);
    ASSERT_NE(::GetFileAttributesW(own.c_str()), INVALID_FILE_ATTRIBUTES) << "the 32-bit package's keyboard";
    ASSERT_NE(::GetFileAttributesW(native.c_str()), INVALID_FILE_ATTRIBUTES) << "the 64-bit package's keyboard";
    const struct {
        const wchar_t* pszLayout;
        std::wstring keyboard;
        bool bOwnAway;
    } layouts[] = {
        {L"both packages: Popbar's own folder first", own, false},
        {L"only the 64-bit package", native, true},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.pszLayout);
        ASSERT_TRUE(driver::EndDialKeyboards());
        const size_t nStartsBefore = s_journal->Count(kDialKeysName, L"started");
        const size_t nHiddenBefore = s_journal->Count(L"showHide.exe", L"hidden");
        std::unique_ptr<TouchPackAway> away;
        if (layout.bOwnAway) {
            away = std::make_unique<TouchPackAway>(driver::ProgramFilesFolder());
            ASSERT_TRUE(away->Moved());
        }

        ASSERT_TRUE(PressDialKey());
        ASSERT_TRUE(driver::WaitUntil([&] { return s_journal->Count(kDialKeysName, L"started") == nStartsBefore + 1; }));
        const std::vector<driver::DialKeysStart> starts = s_journal->Starts();
        const auto started = std::find_if(starts.rbegin(), starts.rend(), [](const driver::DialKeysStart& start) {
            return start.program == kDialKeysName && start.event == L"started";
        });
        ASSERT_NE(started, starts.rend());
        EXPECT_EQ(driver::ProgramPathOf(started->processId), layout.keyboard);
        ASSERT_TRUE(driver::WaitUntil([] {
            const HWND hWnd = driver::DialKeyboardWindow();
            return hWnd && ::IsWindowVisible(hWnd);
        }));

        // The keyboard runs: its own show-hide program hides it, and no second keyboard starts.
        ASSERT_TRUE(PressDialKey());
        EXPECT_TRUE(driver::WaitUntil([&] { return s_journal->Count(L"showHide.exe", L"hidden") == nHiddenBefore + 1; }));
        EXPECT_EQ(s_journal->Count(kDialKeysName, L"started"), nStartsBefore + 1);
    }
}

// A press to bring the 64-bit package's keyboard up and one right after to take it away: the second,
// made while the first's toggle runs, waits for it, and then hides the keyboard that it started.
TEST_F(ShippedPopbar, APressDuringTheToggleWaitsForItThenHidesTheKeyboardItStarted)
{
    ASSERT_TRUE(driver::EndDialKeyboards());
    const TouchPackAway away(driver::ProgramFilesFolder());
    ASSERT_TRUE(away.Moved());
    const size_t nStartsBefore = s_journal->Count(kDialKeysName, L"started");
    const size_t nHiddenBefore = s_journal->Count(L"showHide.exe", L"hidden");
    const size_t nRuns = s_viewer->Count(kToggleRuns);
    const size_t nDone = s_viewer->Count(kToggleDone);
    const size_t nWaits = s_viewer->Count(kPressWaits);

    const auto press = [] { return driver::Send(driver::Stroke(driver::ExtendedScanCode(kDialKeyScanCode, false))); };
    ASSERT_TRUE(press());
    ASSERT_TRUE(s_viewer->WaitFor(kToggleRuns, nRuns + 1));
    ASSERT_TRUE(press());
    EXPECT_TRUE(s_viewer->WaitFor(kPressWaits, nWaits + 1)) << s_viewer->Traces();
    EXPECT_TRUE(s_viewer->WaitFor(kToggleDone, nDone + 2));
    EXPECT_TRUE(driver::WaitUntil([&] { return s_journal->Count(L"showHide.exe", L"hidden") == nHiddenBefore + 1; }));
    EXPECT_EQ(s_journal->Count(kDialKeysName, L"started"), nStartsBefore + 1) << "one keyboard runs";
}

// The test build's instrumentation publishes its counts in shared memory named by the process id;
// the shipped Popbar, opened and hidden, has none of it.
TEST_F(ShippedPopbar, PublishesNoObjectCountsOrOpeningProfile)
{
    ASSERT_TRUE(s_popbar->SendMenuKey());
    ASSERT_TRUE(driver::WaitUntil([] { return s_popbar->IsMenuVisible(); }));
    ASSERT_TRUE(::PostMessageW(s_popbar->Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(driver::WaitUntil([] { return !s_popbar->IsMenuVisible(); }));
    const DWORD nId = s_popbar->Process().Id();
    EXPECT_FALSE(driver::ReadObjectCounts(nId).has_value());
    EXPECT_FALSE(driver::ReadOpenProfile(nId).has_value());
}
