// Popbar's auto-hide timer seen from inside its process, and Popbar with a skin that has no
// background picture. Screen Hub is absent: the status word comes from its registry copy.
#include "popbar_session.h"
#include "timer_tick_counter.h"

#include "handles.h"
#include "paths.h"
#include "popbar_menu.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace popbar_e2e;

namespace {

// Long enough for three ticks of the one-second timer.
constexpr DWORD kQuietMs = 3000;
// A tick is due within a second; Wine may deliver it a little late.
constexpr DWORD kTickDueMs = 2500;


// The menu's auto-hide ticks, counted by timer_tick_hook.dll, which a WH_GETMESSAGE hook on Popbar's
// thread loads into Popbar. Popbar is hooked as soon as its window exists, before its timer starts.
class PopbarAutoHideTimer : public testing::Test {
protected:
    void SetUp() override
    {
        SetStatusWord(nullptr);
        m_mapping.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             sizeof(TimerTickCounter), kTimerTickMapping));
        ASSERT_TRUE(m_mapping);
        m_pCounter = static_cast<TimerTickCounter*>(
            ::MapViewOfFile(m_mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(TimerTickCounter)));
        ASSERT_NE(m_pCounter, nullptr);
        m_hookLibrary.reset(::LoadLibraryW((driver::TestProgramFolder() + L"timer_tick_hook.dll").c_str()));
        ASSERT_TRUE(m_hookLibrary);
        const auto hookProc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(::GetProcAddress(m_hookLibrary.get(), kTimerTickHookProc)));
        ASSERT_NE(hookProc, nullptr);

        const std::wstring program = PopbarWithoutScreenHub(L"corvale-timer-no-hub");
        ASSERT_FALSE(program.empty());
        ASSERT_TRUE(m_popbar.Start(program));
        ASSERT_TRUE(driver::WaitUntil([&] {
            m_hWndMenu = driver::FirstTopLevelWindow(m_popbar.Id(), kMenuWindowClass);
            return m_hWndMenu != nullptr;
        }));
        m_pCounter->hWndMenu = reinterpret_cast<ULONG_PTR>(m_hWndMenu);
        m_pCounter->nTicks = 0;
        m_hook.reset(::SetWindowsHookExW(WH_GETMESSAGE, hookProc, m_hookLibrary.get(),
                                         ::GetWindowThreadProcessId(m_hWndMenu, nullptr)));
        ASSERT_TRUE(m_hook) << "error " << ::GetLastError();
        ASSERT_EQ(driver::WaitForReadyMenu(), m_hWndMenu);
    }
    void TearDown() override
    {
        m_hook.reset();
        if (m_pCounter)
            ::UnmapViewOfFile(m_pCounter);
        SetStatusWord(nullptr);
    }

    LONG Ticks() const { return m_pCounter->nTicks; }
    bool TicksReach(LONG nTicks, DWORD nTimeoutMs) const
    {
        return driver::WaitUntil([&] { return Ticks() >= nTicks; }, nTimeoutMs);
    }
    bool IsMenuVisible() const { return ::IsWindowVisible(m_hWndMenu) == TRUE; }

    driver::ChildProcess m_popbar;
    HWND m_hWndMenu = nullptr;

private:
    fw::unique_handle m_mapping;
    TimerTickCounter* m_pCounter = nullptr;
    fw::unique_hmodule m_hookLibrary;
    fw::unique_hook m_hook;
};

} // namespace

TEST_F(PopbarAutoHideTimer, TicksAfterStartUpThenStopsWhileHidden)
{
    EXPECT_TRUE(TicksReach(1, kTickDueMs)) << "no tick reached the hidden menu after start-up";
    const LONG nAfterStart = Ticks();
    EXPECT_FALSE(TicksReach(nAfterStart + 1, kQuietMs)) << "the timer kept running while the menu was hidden";
    // The first tick may find the menu not yet hidden again; it then hides it and the next one stops.
    EXPECT_LE(nAfterStart, 2);
    EXPECT_FALSE(IsMenuVisible());
}

TEST_F(PopbarAutoHideTimer, TicksWhileOpenThenOnceMoreAfterHiding)
{
    ASSERT_TRUE(TicksReach(1, kTickDueMs));
    ASSERT_FALSE(TicksReach(Ticks() + 1, kQuietMs)) << "the start-up timer did not stop";

    ASSERT_TRUE(driver::OpenMenu(m_hWndMenu));
    const LONG nAtOpen = Ticks();
    EXPECT_TRUE(TicksReach(nAtOpen + 2, 2 * kTickDueMs)) << "the opening did not start the timer again";
    ASSERT_TRUE(IsMenuVisible()) << "the open menu is the foreground window, so the ticks leave it open";

    // Sent, so the menu is hidden when the call returns: the ticks counted from here on are later ones.
    ::SendMessageW(m_hWndMenu, MSG_HIDEMENU, 0, 0);
    ASSERT_FALSE(IsMenuVisible());
    const LONG nAtHide = Ticks();
    EXPECT_TRUE(TicksReach(nAtHide + 1, kTickDueMs)) << "the hidden menu's timer stops at its next tick";
    EXPECT_FALSE(TicksReach(nAtHide + 2, kQuietMs)) << "the timer kept running after the menu was hidden";
}

namespace {

// A copy of Popbar whose skin library lacks the background picture.
class SkinWithoutBackground : public testing::Test {
protected:
    void SetUp() override
    {
        SetStatusWord(nullptr);
        ASSERT_FALSE(CopyOfInstalledPopbar(kFolder, {L"Popbar.exe", L"KeyRelay.dll"}).empty());
        ASSERT_TRUE(::CopyFileW((driver::TestProgramFolder() + L"skin-no-background\\resource.dll").c_str(),
                                (std::wstring(kFolder) + L"\\resource.dll").c_str(), FALSE));
    }
    void TearDown() override { SetStatusWord(nullptr); }

    static constexpr const wchar_t* kFolder = L"C:\\popbar-nobackground\\Popbar";
};

} // namespace

TEST_F(SkinWithoutBackground, StartsWithoutAMessageBoxAndOpensAtTheTemplateSizeWithItsButtons)
{
    const std::wstring program = std::wstring(kFolder) + L"\\Popbar.exe";
    const std::optional<SIZE> templateSize = TemplateSize(program);
    ASSERT_TRUE(templateSize);
    ASSERT_GT(templateSize->cx, 0);
    ASSERT_GT(templateSize->cy, 0);

    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(program)) << "Popbar did not finish starting";
    EXPECT_TRUE(driver::TopLevelWindows(popbar.Process().Id(), L"#32770").empty()) << "a message box came up";
    EXPECT_FALSE(popbar.everShownOnDesktop);
    const RECT parked = popbar.MenuRect();
    EXPECT_EQ(parked.right - parked.left, templateSize->cx);
    EXPECT_EQ(parked.bottom - parked.top, templateSize->cy);
    EXPECT_EQ(parked.left, -30 - templateSize->cx) << "hidden just off the desktop's top-left corner";
    EXPECT_EQ(parked.top, -30 - templateSize->cy);

    ASSERT_TRUE(popbar.SendMenuKey());
    ASSERT_TRUE(popbar.IsMenuVisible());
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    const RECT open = popbar.MenuRect();
    EXPECT_EQ(open.left, desktop.right - templateSize->cx - 5);
    EXPECT_EQ(open.top, 5);
    EXPECT_EQ(open.right - open.left, templateSize->cx);
    EXPECT_EQ(open.bottom - open.top, templateSize->cy);

    const auto buttons = popbar.Buttons();
    EXPECT_EQ(buttons.size(), 17u);
    int nVisible = 0;
    for (HWND hButton : buttons)
        nVisible += ::IsWindowVisible(hButton) ? 1 : 0;
    EXPECT_EQ(nVisible, 14) << "one display-mode face and the thirteen buttons of rows 1 to 7";
    EXPECT_TRUE(popbar.Process().IsRunning());
}
