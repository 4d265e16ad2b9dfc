// The dial-keyboard key through KeyRelay, with the menu hidden or open: it starts our stand-in of the
// Touch Pack's dial keyboard when none runs and has showHide.exe show or hide it when one does, and
// key reports that come meanwhile wait until the toggle is done.
#include "dial_keys_journal.h"
#include "key_input.h"
#include "popbar_session.h"
#include "process.h"
#include "paths.h"
#include "wait.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace popbar_e2e;

namespace {

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

    // Before Popbar starts, so that Popbar and what it starts write to it.
    driver::DialKeysJournal journal;
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

    // With the menu open, the stand-in key typed through X: the menu stays open beside the keyboard.
    ASSERT_TRUE(MenuKeyShowsTheMenu());
    ASSERT_TRUE(driver::PressXKey(L"Menu"));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"hidden"));
    EXPECT_TRUE(KeyboardShows(false));
    EXPECT_TRUE(popbar.IsMenuVisible());

    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(PressKey(kDialKeyScanCode));
    EXPECT_TRUE(journal.WaitFor(L"showHide.exe", L"shown"));
    EXPECT_TRUE(KeyboardShows(true));
    EXPECT_EQ(journal.Count(L"DialKeys.exe", L"started"), 1u);
    EXPECT_TRUE(popbar.Process().IsRunning());
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
