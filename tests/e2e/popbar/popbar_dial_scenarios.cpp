// The dial-keyboard key through KeyRelay, with the menu hidden or open: it starts our stand-in of the
// Touch Pack's dial keyboard when none runs and has showHide.exe show or hide it when one does. The
// toggle pauses and waits on a thread of its own: meanwhile the menu answers, paints and takes the
// menu key and the outside click at once, and a dial key pressed meanwhile runs after the toggle.
#include "debug_viewer.h"
#include "dial_keys_journal.h"
#include "hub_fixture.h"
#include "key_input.h"
#include "popbar_session.h"
#include "process.h"
#include "paths.h"
#include "popbar_menu.h"
#include "wait.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

using namespace popbar_e2e;

namespace {

const std::string kToggleDone = "\nDial key : toggle done";
const std::string kToggleStarted = "\nDial key : toggle runs";
const std::string kPressWaits = "\nDial key : waits for the toggle that runs";

class PopbarDialKey : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::EndDialKeyboards());
        ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub()));
    }
    void TearDown() override
    {
        popbar.Process().Terminate();
        EXPECT_TRUE(driver::EndDialKeyboards());
    }
    static bool PressKey(DWORD nScanCode) { return driver::Send(driver::Stroke(driver::ExtendedScanCode(nScanCode, false))); }
    // The menu key through KeyRelay behind the reports before it: once the menu shows, Popbar has
    // handled them all.
    bool MenuKeyShowsTheMenu()
    {
        return PressKey(kMenuKeyScanCode) && driver::WaitUntil([&] { return popbar.IsMenuVisible(); }, 20000);
    }
    static bool KeyboardShows(bool bShown)
    {
        return driver::WaitUntil([&] {
            const HWND hWnd = driver::DialKeyboardWindow();
            return hWnd && (::IsWindowVisible(hWnd) != FALSE) == bShown;
        });
    }

    // Each press's toggle is done (Popbar's trace says so): a press while it runs would wait for it.
    bool TogglesDone(size_t nCount) const { return viewer.WaitFor(kToggleDone, nCount, 20000); }

    // Before Popbar starts, so that Popbar and what it starts write to it.
    driver::DialKeysJournal journal;
    driver::DebugViewerRun viewer;
    PopbarProcess popbar;
};

// Moves the Touch Pack's folder aside, as if it were not installed, and back.
class TouchPackAway {
public:
    TouchPackAway() { m_bMoved = ::MoveFileW(m_installed.c_str(), m_away.c_str()) != FALSE; }
    ~TouchPackAway()
    {
        if (m_bMoved)
            ::MoveFileW(m_away.c_str(), m_installed.c_str());
    }
    bool Moved() const { return m_bMoved; }

private:
    std::wstring m_installed = driver::ProgramFilesFolder() + L"\\Microsoft Touch Pack";
    std::wstring m_away = m_installed + L" (away)";
    bool m_bMoved = false;
};

} // namespace

TEST_F(PopbarDialKey, StartsTheKeyboardThenShowsAndHidesItWithTheMenuHiddenOrOpen)
{
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    ASSERT_TRUE(journal.WaitFor(L"DialKeys.exe", L"started"));
    ASSERT_TRUE(KeyboardShows(true));
    EXPECT_FALSE(popbar.IsMenuVisible());
    ASSERT_TRUE(TogglesDone(1));

    // With the menu open, the stand-in key typed through X: the menu stays open beside the keyboard.
    ASSERT_TRUE(MenuKeyShowsTheMenu());
    ASSERT_TRUE(driver::PressXKey(L"Menu"));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"hidden"));
    EXPECT_TRUE(KeyboardShows(false));
    EXPECT_TRUE(popbar.IsMenuVisible());
    ASSERT_TRUE(TogglesDone(2));

    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"shown"));
    EXPECT_TRUE(KeyboardShows(true));
    EXPECT_EQ(journal.Count(L"DialKeys.exe", L"started"), 1u);
    EXPECT_TRUE(popbar.Process().IsRunning());
}

// A press to bring the keyboard up and one right after to take it away: the second, made while the
// first's toggle pauses after starting the keyboard, waits for it and then hides that keyboard.
TEST_F(PopbarDialKey, APressDuringTheToggleWaitsForItThenHidesTheKeyboardItStarted)
{
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    ASSERT_TRUE(viewer.WaitFor(kToggleStarted)) << viewer.Traces();
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(viewer.WaitFor(kPressWaits)) << viewer.Traces();
    EXPECT_TRUE(journal.WaitFor(L"DialKeys.exe", L"started"));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"hidden", 20000));
    ASSERT_TRUE(TogglesDone(2));
    EXPECT_TRUE(KeyboardShows(false));
    EXPECT_EQ(journal.Count(L"DialKeys.exe", L"started"), 1u) << "one keyboard runs";
    const std::vector<driver::DialKeysStart> starts = journal.Starts();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].program, L"DialKeys.exe") << "started first, then hidden";
}

TEST_F(PopbarDialKey, WithoutTouchPackNothingStartsAndTheNextKeyIsHandledAfterTheToggle)
{
    const TouchPackAway away;
    ASSERT_TRUE(away.Moved());
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(MenuKeyShowsTheMenu());
    EXPECT_TRUE(journal.Starts().empty());
    EXPECT_TRUE(popbar.Process().IsRunning());
}

TEST_F(PopbarDialKey, OnlyASmallLetterCopyRunningCountsAsNoKeyboardAndTheRealOneStarts)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"corvale-small-dialkeys";
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\dialkeys.exe";
    ASSERT_TRUE(::CopyFileW(driver::InstalledDialKeys().c_str(), copy.c_str(), FALSE));
    driver::ChildProcess small;
    ASSERT_TRUE(small.Start(copy));
    ASSERT_TRUE(journal.WaitFor(L"dialkeys.exe", L"started"));
    ASSERT_TRUE(KeyboardShows(true));

    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(L"DialKeys.exe", L"started"));
    EXPECT_TRUE(MenuKeyShowsTheMenu());
    EXPECT_EQ(journal.Starts().size(), 2u) << "no show-hide program";
}

TEST_F(PopbarDialKey, AKeyboardStillStartingIsWaitedForUpToFiveSecondsThenShownOrHiddenAllTheSame)
{
    // Busy for two seconds before its window exists: the show-hide program runs once it is ready.
    driver::ChildProcess starting;
    ASSERT_TRUE(starting.Start(driver::InstalledDialKeys(), L"--busy 2000"));
    ASSERT_TRUE(journal.WaitFor(L"DialKeys.exe", L"started"));
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"hidden", 20000));
    EXPECT_EQ(journal.Count(L"showHide.exe", L"no keyboard"), 0u) << "ran before the keyboard was ready";
    ASSERT_TRUE(TogglesDone(1));
    starting.Terminate();

    // Busy for longer than the toggle waits: the show-hide program runs after five seconds, finding
    // no keyboard window yet.
    driver::ChildProcess busy;
    ASSERT_TRUE(busy.Start(driver::InstalledDialKeys(), L"--busy 60000"));
    ASSERT_TRUE(driver::WaitUntil([&] { return journal.Count(L"DialKeys.exe", L"started") == 2; }));
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"no keyboard", 30000));
    EXPECT_TRUE(MenuKeyShowsTheMenu());
    EXPECT_EQ(journal.Count(L"DialKeys.exe", L"started"), 2u) << "Popbar started none";
}

namespace {

// With Screen Hub beside Popbar, whose journal shows the menu's commands; the dial keyboard's journal
// is named before Popbar starts.
class PopbarDialToggleWaits : public PopbarWithScreenHub {
protected:
    void SetUp() override
    {
        PopbarWithScreenHub::SetUp();
        ASSERT_TRUE(driver::EndDialKeyboards());
    }
    void TearDown() override
    {
        PopbarWithScreenHub::TearDown();
        keyboard.Terminate();
        EXPECT_TRUE(driver::EndDialKeyboards());
    }
    static bool PressKey(DWORD nScanCode) { return driver::Send(driver::Stroke(driver::ExtendedScanCode(nScanCode, false))); }
    driver::DialKeysJournal dialJournal;
    driver::DebugViewerRun viewer;
    driver::ChildProcess keyboard;
};

// The longest of the posted round trips (the resolution pair disabled and enabled again by Screen
// Hub's availability answer, seen from here as the buttons' state) until the toggle ends; nothing when
// one of them took longer than nLimitMs.
std::optional<DWORD> LongestRoundTrip(HWND hWndMenu, const std::function<bool()>& ended, DWORD nLimitMs, int& nRounds)
{
    DWORD nLongest = 0;
    for (bool bEnable = false; !ended(); bEnable = !bEnable, ++nRounds) {
        const ULONGLONG posted = ::GetTickCount64();
        if (!driver::PostAvailabilityAndWait(hWndMenu, bEnable, nLimitMs, 1))
            return std::nullopt;
        nLongest = std::max(nLongest, static_cast<DWORD>(::GetTickCount64() - posted));
    }
    return nLongest;
}

} // namespace

// A keyboard that takes a minute to become ready: the toggle waits five seconds for it before it runs
// the show-hide program, as it always did, but on its own thread. Throughout, posted messages are
// handled and painted at once, the outside click becomes ID_SCREEN_ON, and the menu key reaches Screen
// Hub and hides the menu; a second dial key meanwhile waits and runs the show-hide program again after
// the first. After the wait the outside-click hook still works.
TEST_F(PopbarDialToggleWaits, TheMenuAnswersAtOnceWhileTheToggleWaitsForTheKeyboard)
{
    ASSERT_TRUE(keyboard.Start(driver::InstalledDialKeys(), L"--busy 60000"));
    ASSERT_TRUE(dialJournal.WaitFor(L"DialKeys.exe", L"started"));
    Start(L"--status 0x1");
    OpenMenu();
    ASSERT_TRUE(Press(ID_SCREEN_OFF));
    ASSERT_TRUE(Received(HUBCMD_SCREEN, SWITCH_OFF));

    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    const ULONGLONG toggleStarted = ::GetTickCount64();
    const auto ended = [&] { return dialJournal.Count(L"showHide.exe", L"no keyboard") > 0; };
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(viewer.WaitFor(kPressWaits)) << viewer.Traces();
    int nRounds = 0;
    const std::optional<DWORD> longest = LongestRoundTrip(popbar.Menu(), [&] {
        return ended() || ::GetTickCount64() - toggleStarted > 1000;
    }, 100, nRounds);
    EXPECT_TRUE(longest) << "a posted message waited more than 100 ms for the menu";
    ASSERT_TRUE(driver::ClickAt({400, 500}));
    EXPECT_TRUE(Received(HUBCMD_SCREEN, SWITCH_ON)) << "the outside click became ID_SCREEN_ON";
    ASSERT_TRUE(PressKey(kMenuKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(driver::HubEntry(driver::HubDirection::In, MSG_MENUKEYAGAIN, 0, 0), 5000).has_value());
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); })) << "the menu key hid the menu";
    EXPECT_FALSE(ended()) << "the toggle ended before the click and the menu key were tried";
    const std::optional<DWORD> longestAfter = LongestRoundTrip(popbar.Menu(), ended, 100, nRounds);
    EXPECT_TRUE(longestAfter) << "a posted message waited more than 100 ms for the menu";
    const ULONGLONG toggleTook = ::GetTickCount64() - toggleStarted;
    std::printf("%d posted round trips during the toggle's %llu ms, the longest %lu ms\n", nRounds, toggleTook,
                static_cast<unsigned long>(std::max(longest.value_or(0), longestAfter.value_or(0))));
    EXPECT_GE(toggleTook, 5000u) << "the toggle waited its five seconds for the keyboard";
    EXPECT_TRUE(viewer.WaitFor(kToggleDone));
    EXPECT_EQ(dialJournal.Count(L"showHide.exe", L"no keyboard"), 1u) << "the second press waits for the first's toggle";
    EXPECT_TRUE(dialJournal.WaitFor(L"showHide.exe", L"no keyboard", 20000) &&
                driver::WaitUntil([&] { return dialJournal.Count(L"showHide.exe", L"no keyboard") == 2; }, 20000))
        << "then runs its own";
    EXPECT_TRUE(viewer.WaitFor(kToggleDone, 2, 20000));
    EXPECT_EQ(dialJournal.Count(L"DialKeys.exe", L"started"), 1u);

    // After the wait: armed again, the next click anywhere is ID_SCREEN_ON again.
    OpenMenu();
    ASSERT_TRUE(Press(ID_SCREEN_OFF));
    ASSERT_TRUE(driver::WaitUntil([&] { return CountReceived(HUBCMD_SCREEN) == 3; }));
    ASSERT_TRUE(driver::ClickAt({400, 500}));
    EXPECT_TRUE(driver::WaitUntil([&] { return CountReceived(HUBCMD_SCREEN) == 4; }));
    EXPECT_EQ(journal.Count(driver::HubEntry(driver::HubDirection::In, MSG_HUBCMD, HUBCMD_SCREEN, SWITCH_ON)), 2u);
}
