// Our Screen Hub installed in the prefix's Program Files, driven as the menu drives it: the status
// query, the posted commands, the answers to a menu window of the menu's class, its registry copy,
// its journal, and the switches that make it slow, hung or silent.
#include "environment.h"
#include "hub_journal.h"
#include "paths.h"
#include "popbar_menu.h"
#include "process.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"

#include "handles.h"
#include "window_binding.h"
#include "windowclass.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using driver::HubDirection;
using driver::HubEntry;

namespace {


std::wstring ScreenHubExe()
{
    return driver::InstalledPath(L"Swift Screen Hub\\ScreenHub.exe");
}

// A 4-byte REG_DWORD setting, or nothing.
std::optional<DWORD> Setting(const char* pszName)
{
    return driver::ReadDword(HKEY_CURRENT_USER, kHubSettingsKeyA, pszName);
}

// The status query as the menu makes it: sent, aborted when hung, 3000 ms at most.
std::optional<DWORD> QueryStatus(HWND hHub, DWORD* pnError = nullptr)
{
    DWORD_PTR result = 0;
    ::SetLastError(0);
    if (!::SendMessageTimeoutW(hHub, MSG_HUBCMD, HUBCMD_QUERYSTATUS, 0, SMTO_ABORTIFHUNG, 3000, &result)) {
        if (pnError)
            *pnError = ::GetLastError();
        return std::nullopt;
    }
    return static_cast<DWORD>(result);
}

// One Screen Hub process and its window.
class ScreenHub {
public:
    bool Start(const std::wstring& arguments)
    {
        if (!m_process.Start(ScreenHubExe(), arguments))
            return false;
        return driver::WaitUntil([&] {
            for (HWND hWnd : driver::TopLevelWindows(m_process.Id())) {
                if (driver::WindowText(hWnd) == kScreenHubTitle)
                    m_hWnd = hWnd;
            }
            return m_hWnd != nullptr;
        });
    }
    HWND Window() const { return m_hWnd; }
    driver::ChildProcess& Process() { return m_process; }
    void Post(UINT message, WPARAM wParam, LPARAM lParam) const { ::PostMessageW(m_hWnd, message, wParam, lParam); }
    void Command(WPARAM code, LPARAM arg = 0) const { Post(MSG_HUBCMD, code, arg); }

private:
    driver::ChildProcess m_process;
    HWND m_hWnd = nullptr;
};

// A window of the menu's class in this process: what Screen Hub posts to the menu arrives here.
class FakeMenu {
public:
    struct Received {
        WPARAM code;
        LPARAM arg;
        std::optional<DWORD> display; // the "Display" setting when it arrived
    };

    FakeMenu()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &fw::BoundWindowProc<FakeMenu>;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kMenuWindowClass;
        RegisterClassOnce(wc);
        m_window.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kMenuWindowClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                         nullptr, wc.hInstance, this));
    }
    HWND Window() const { return m_window.get(); }
    const std::vector<Received>& Messages() const { return m_received; }
    size_t Count(WPARAM code) const
    {
        size_t n = 0;
        for (const auto& r : m_received)
            n += r.code == code;
        return n;
    }
    // Handles this thread's messages until n messages of the code have come.
    bool WaitFor(WPARAM code, size_t n = 1) const
    {
        return driver::WaitUntil([&] { return Count(code) >= n; });
    }

    // Every message of the window (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == MSG_HUBCMD) {
            m_received.push_back({wParam, lParam, Setting(kDisplayValueA)});
            return 0;
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

private:

    std::vector<Received> m_received;
    fw::unique_hwnd m_window;
};

// Ends a process that the test did not start itself, when the test lets go of it.
class EndedAtExit {
public:
    explicit EndedAtExit(DWORD nProcessId)
        : m_process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, nProcessId))
    {
    }
    ~EndedAtExit()
    {
        if (m_process) {
            ::TerminateProcess(m_process.get(), 255);
            ::WaitForSingleObject(m_process.get(), 5000);
        }
    }

private:
    fw::unique_handle m_process;
};

class ScreenHubScenario : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::FindWindowW(nullptr, kScreenHubTitle), nullptr) << "a Screen Hub is still running"; }

    driver::HubJournal journal;
    // The settings start empty and come back as they were.
    driver::ScopedValue savedStatus{HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, std::nullopt};
    driver::ScopedValue savedDisplay{HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, std::nullopt};
};

} // namespace

TEST_F(ScreenHubScenario, AnswersTheStatusQueryAndKeepsTheRegistryCopyOfEveryChange)
{
    ScreenHub hub;
    ASSERT_TRUE(hub.Start(journal.Switch() + L" --status 0x10011 --battery 57 --display 3"));
    EXPECT_EQ(driver::WindowText(hub.Window()), kScreenHubTitle);
    // It must not take the foreground from the menu it serves.
    EXPECT_NE(::GetForegroundWindow(), hub.Window());

    const DWORD battery = 57u << 20;
    EXPECT_EQ(QueryStatus(hub.Window()), battery | 0x10011u);
    EXPECT_EQ(Setting(kStatusValueA), battery | 0x10011u);
    EXPECT_EQ(Setting(kDisplayValueA), 3u);

    hub.Command(HUBCMD_WIRED_LAN, SWITCH_OFF);
    hub.Command(HUBCMD_BLUETOOTH, BLUETOOTH_ON);
    hub.Command(HUBCMD_WIRELESS, SWITCH_OFF);
    hub.Command(HUBCMD_SCREEN, SWITCH_OFF);
    const DWORD expected = battery | 0x101u;
    EXPECT_TRUE(driver::WaitUntil([&] { return Setting(kStatusValueA) == expected; })) << std::hex << *Setting(kStatusValueA);
    EXPECT_EQ(QueryStatus(hub.Window()), expected);

    hub.Command(HUBCMD_WIRED_LAN, SWITCH_ON);
    hub.Command(HUBCMD_BLUETOOTH, BLUETOOTH_OFF);
    hub.Command(HUBCMD_WIRELESS, SWITCH_ON);
    // A sent query overtakes posted commands still queued, so wait for the copy first.
    EXPECT_TRUE(driver::WaitUntil([&] { return Setting(kStatusValueA) == (battery | 0x10011u); }));
    EXPECT_EQ(QueryStatus(hub.Window()), battery | 0x10011u);

    // The journal holds every message in the order it came, with its arguments.
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    for (const auto& entry : journal.Entries()) {
        EXPECT_EQ(entry.direction, HubDirection::In);
        EXPECT_EQ(entry.message, MSG_HUBCMD);
        commands.emplace_back(entry.wParam, entry.lParam);
    }
    const std::vector<std::pair<WPARAM, LPARAM>> sent = {
        {HUBCMD_QUERYSTATUS, 0}, {HUBCMD_WIRED_LAN, SWITCH_OFF}, {HUBCMD_BLUETOOTH, BLUETOOTH_ON},
        {HUBCMD_WIRELESS, SWITCH_OFF}, {HUBCMD_SCREEN, SWITCH_OFF}, {HUBCMD_QUERYSTATUS, 0},
        {HUBCMD_WIRED_LAN, SWITCH_ON}, {HUBCMD_BLUETOOTH, BLUETOOTH_OFF}, {HUBCMD_WIRELESS, SWITCH_ON},
        {HUBCMD_QUERYSTATUS, 0}};
    EXPECT_EQ(commands, sent);
}

TEST_F(ScreenHubScenario, StartsFromItsRegistryCopyWithoutSwitchesAndReadsTheBatteryAgainOnRequest)
{
    driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, (99u << 20) | 0x10100u);
    driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, 0x103);
    ScreenHub hub;
    ASSERT_TRUE(hub.Start(journal.Switch() + L" --battery 33"));
    // The switches and bits come back; the battery is the fresh reading.
    EXPECT_EQ(QueryStatus(hub.Window()), (33u << 20) | 0x10100u);
    EXPECT_EQ(Setting(kDisplayValueA), 0x103u);

    hub.Command(HUBCMD_BATTERY);
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_BATTERY)));
    EXPECT_EQ(QueryStatus(hub.Window()), (33u << 20) | 0x10100u);
}

TEST_F(ScreenHubScenario, AnswersAvailabilityToTheMenuWindowAsItsSwitchesSay)
{
    FakeMenu menu;
    ASSERT_TRUE(menu.Window());
    {
        ScreenHub hub;
        ASSERT_TRUE(hub.Start(journal.Switch()));
        hub.Command(HUBCMD_AVAILABILITY);
        ASSERT_TRUE(menu.WaitFor(24));
        EXPECT_EQ(menu.Messages().back().arg, 1);
        EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    }
    {
        ScreenHub hub;
        ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
        ASSERT_TRUE(hub.Start(L"--answer-24 2"));
        hub.Command(HUBCMD_AVAILABILITY);
        ASSERT_TRUE(menu.WaitFor(24, 2));
        EXPECT_EQ(menu.Messages().back().arg, 2);
    }
    {
        ScreenHub hub;
        ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
        ASSERT_TRUE(hub.Start(L"--no-24"));
        // Commands are handled in order: once the display change of the later code 1 has come,
        // an answer to 24 would have come before it.
        hub.Command(HUBCMD_AVAILABILITY);
        hub.Command(HUBCMD_DISPLAYMODE);
        ASSERT_TRUE(menu.WaitFor(48));
        EXPECT_EQ(menu.Count(24), 2u);
    }
}

TEST_F(ScreenHubScenario, DisplayModeButtonStepsDisplayAndTellsTheMenuOnceItIsWritten)
{
    FakeMenu menu;
    ScreenHub hub;
    ASSERT_TRUE(hub.Start(journal.Switch() + L" --display 1"));
    EXPECT_EQ(Setting(kDisplayValueA), 1u);
    const DWORD steps[] = {2, 0x103, 3, 1};
    for (size_t i = 0; i < 4; ++i) {
        hub.Command(HUBCMD_DISPLAYMODE);
        ASSERT_TRUE(menu.WaitFor(48, i + 1));
        EXPECT_EQ(menu.Messages().back().display, steps[i]) << i;
    }
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_RELOADDISPLAY)), 4u);
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_DISPLAYMODE)), 4u);
}

TEST_F(ScreenHubScenario, TakesTheMenusSmallNumberedMessagesAsItsOwnAndCanCloseTheMenu)
{
    FakeMenu menu;
    {
        ScreenHub hub;
        ASSERT_TRUE(hub.Start(journal.Switch()));
        // 55 is also WM_QUERYDRAGICON; posted, as the menu posts it, it is the menu key pressed again.
        hub.Post(MSG_MENUOPENED, 0, 0);
        hub.Post(MSG_MENUKEYAGAIN, 0, 0);
        hub.Command(HUBCMD_DISPLAYMODE);
        ASSERT_TRUE(menu.WaitFor(48));
        EXPECT_EQ(menu.Count(56), 0u);
        const auto entries = journal.Entries();
        ASSERT_GE(entries.size(), 2u);
        EXPECT_EQ(entries[0].message, MSG_MENUOPENED);
        EXPECT_EQ(entries[1].message, MSG_MENUKEYAGAIN);
    }
    ScreenHub hub;
    ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
    ASSERT_TRUE(hub.Start(journal.Switch() + L" --hide-on-again"));
    hub.Post(MSG_MENUOPENED, 0, 0);
    hub.Post(MSG_MENUKEYAGAIN, 0, 0);
    ASSERT_TRUE(menu.WaitFor(56));
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_HIDEMENU)));
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_MENUKEYAGAIN)), 2u);
}

TEST_F(ScreenHubScenario, SlowAnswerAfterItsDelayAndHungNeverAgain)
{
    {
        ScreenHub slow;
        ASSERT_TRUE(slow.Start(journal.Switch() + L" --delay 1000 --status 0x11 --battery 0"));
        EXPECT_EQ(QueryStatus(slow.Window()), 0x11u);
    }
    {
        ScreenHub slower;
        ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
        ASSERT_TRUE(slower.Start(journal.Switch() + L" --delay 4000"));
        DWORD error = 0;
        EXPECT_FALSE(QueryStatus(slower.Window(), &error));
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_TIMEOUT));
    }
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 2u);

    ScreenHub hung;
    ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
    ASSERT_TRUE(hung.Start(journal.Switch() + L" --hang"));
    EXPECT_FALSE(QueryStatus(hung.Window()));
    ASSERT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 3u);
    // Its thread never takes a message again: the next query gets no answer and leaves no entry.
    EXPECT_FALSE(QueryStatus(hung.Window()));
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 3u);
    EXPECT_TRUE(hung.Process().IsRunning());
}

TEST_F(ScreenHubScenario, TakesItsSwitchesFromTheEnvironmentOnlyWhenStartedWithoutAny)
{
    const driver::ScopedEnvironmentVariable options(L"CORVALE_SCREENHUB_OPTIONS",
                                                    journal.Switch() + L" --status 0x100 --battery 12");
    {
        ScreenHub hub;
        ASSERT_TRUE(hub.Start(L""));
        EXPECT_EQ(QueryStatus(hub.Window()), (12u << 20) | 0x100u);
        EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 1u);
    }
    ScreenHub hub;
    ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) == nullptr; }));
    ASSERT_TRUE(hub.Start(L"--battery 30 --status 0x1"));
    EXPECT_EQ(QueryStatus(hub.Window()), (30u << 20) | 0x1u);
    // The journal of the variable was not opened: the query left nothing there.
    EXPECT_EQ(journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)), 1u);
}

TEST_F(ScreenHubScenario, OneCopyRunsAndBadSwitchesEndItWithoutAWindow)
{
    ScreenHub first;
    ASSERT_TRUE(first.Start(journal.Switch()));
    driver::ChildProcess second;
    ASSERT_TRUE(second.Start(ScreenHubExe(), L"--status 0"));
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_TRUE(first.Process().IsRunning());
    EXPECT_EQ(::FindWindowW(nullptr, kScreenHubTitle), first.Window());

    driver::ChildProcess bad;
    ASSERT_TRUE(bad.Start(ScreenHubExe(), L"--battery 300"));
    EXPECT_EQ(bad.WaitForExit(), 2u);
}

TEST_F(ScreenHubScenario, PopbarStartsItThroughTheShellWithTheSwitchesOfTheEnvironment)
{
    const driver::ScopedEnvironmentVariable options(L"CORVALE_SCREENHUB_OPTIONS",
                                                    journal.Switch() + L" --status 0x1 --battery 50");
    driver::ChildProcess popbar;
    ASSERT_TRUE(popbar.Start(driver::InstalledPath(L"Popbar\\Popbar.exe")));
    const HWND hMenu = driver::WaitForReadyMenu();
    ASSERT_TRUE(hMenu);

    // The first press finds no Screen Hub and starts it from the sibling folder.
    ASSERT_TRUE(driver::OpenMenu(hMenu));
    HWND hHub = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (hHub = ::FindWindowW(nullptr, kScreenHubTitle)) != nullptr; }));
    const EndedAtExit hub(driver::WindowProcessId(hHub));
    ASSERT_TRUE(driver::WaitUntil([&] { return ::IsWindowVisible(hHub) == TRUE; }));
    EXPECT_NE(::GetForegroundWindow(), hHub);

    // Its window did not take the foreground: the menu is still open for the second press, which
    // asks the new Screen Hub and, as its word allows dismissal, closes the menu.
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(hMenu, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED,
                                      SMTO_ABORTIFHUNG, 10000, &result));
    const auto again = journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUKEYAGAIN));
    ASSERT_TRUE(again);
    const auto query = journal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS));
    ASSERT_TRUE(query);
    EXPECT_LE(query->timeMs, again->timeMs);
    EXPECT_TRUE(driver::WaitUntil([&] { return !::IsWindowVisible(hMenu); }));
    EXPECT_EQ(Setting(kStatusValueA), (50u << 20) | 0x1u);
}
