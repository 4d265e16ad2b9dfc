// Popbar copied from its installation to a folder without Screen Hub, driven as KeyRelay and Screen Hub
// would drive it. Screen Hub is absent: the status word comes from its registry copy.
#include "protocol/keyrelay.h"
#include "desktop_size.h"
#include "popbar_session.h"

#include "paths.h"
#include "popbar_menu.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

using namespace popbar_e2e;

namespace {

const DWORD kStatusNone = 0;
const DWORD kStatusDismiss = 0x1;

// Screen Hub is absent: its registry copy gives the status word.
std::wstring PopbarPath()
{
    static const std::wstring path = PopbarWithoutScreenHub();
    return path;
}

class PopbarMenu : public testing::Test {
protected:
    void SetUp() override
    {
        SetStatusWord(nullptr);
        SetDisplayValue(nullptr);
        ASSERT_TRUE(popbar.Start(PopbarPath()));
    }
    void TearDown() override
    {
        SetStatusWord(nullptr);
        SetDisplayValue(nullptr);
    }

    void OpenMenu()
    {
        ASSERT_TRUE(popbar.SendMenuKey());
        ASSERT_TRUE(popbar.IsMenuVisible());
    }
    static void ExpectRect(const RECT& rc, LONG x, LONG y)
    {
        EXPECT_EQ(rc.left, x);
        EXPECT_EQ(rc.top, y);
        EXPECT_EQ(rc.right - rc.left, kMenuSize.cx);
        EXPECT_EQ(rc.bottom - rc.top, kMenuSize.cy);
    }
    LONG DesktopRight() const
    {
        RECT rc{};
        ::GetClientRect(::GetDesktopWindow(), &rc);
        return rc.right;
    }
    // The row-0 faces: four buttons at one place.
    std::vector<HWND> DisplayFaces() const
    {
        std::vector<HWND> faces;
        for (HWND hButton : popbar.Buttons()) {
            if (::GetDlgCtrlID(hButton) == static_cast<int>(ID_DISPLAYMODE))
                faces.push_back(hButton);
        }
        return faces;
    }

    PopbarProcess popbar;
};

} // namespace

TEST_F(PopbarMenu, StartsHiddenParkedOffTheDesktopAsAToolWindowRegisteredWithKeyRelay)
{
    EXPECT_FALSE(popbar.everShownOnDesktop) << "the menu appeared on the desktop during start-up";
    EXPECT_FALSE(popbar.IsMenuVisible());
    ExpectRect(popbar.MenuRect(), -30 - kMenuSize.cx, -30 - kMenuSize.cy);

    const LONG_PTR style = ::GetWindowLongPtrW(popbar.Menu(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME)) << "no title bar or frame: the client area is the whole menu";
    const LONG_PTR exStyle = ::GetWindowLongPtrW(popbar.Menu(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW) << "the menu has no task-bar button";
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(popbar.Menu(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 216);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));

    EXPECT_EQ(reinterpret_cast<UINT_PTR>(::GetPropW(popbar.Menu(), kKeyRelayOwnerProperty)),
              ::RegisterWindowMessageW(kKeyRelayMessageName))
        << "the menu window registered itself with KeyRelay's message";
    EXPECT_EQ(driver::WindowText(popbar.Menu()), L"");
}

TEST_F(PopbarMenu, SecondInstanceEndsAtOnceWithoutAWindow)
{
    driver::ChildProcess second;
    ASSERT_TRUE(second.Start(PopbarPath()));
    const auto code = second.WaitForExit(10000);
    ASSERT_TRUE(code) << "the second Popbar kept running";
    EXPECT_EQ(driver::TopLevelWindows(0, kMenuWindowClass).size(), 1u);
    EXPECT_TRUE(popbar.Process().IsRunning());
}

// Started together, as the Run value and a double click at log-on may start it, before any of them
// has made its menu window: exactly one stays, and its menu opens.
TEST(PopbarStart, FiveStartedTogetherLeaveOnePopbarWhoseMenuOpens)
{
    ASSERT_TRUE(driver::WaitUntilNoMenu());
    SetStatusWord(nullptr);
    std::array<driver::ChildProcess, 5> popbars;
    for (driver::ChildProcess& popbar : popbars)
        ASSERT_TRUE(popbar.Start(PopbarPath()));
    const auto running = [&] {
        return std::count_if(popbars.begin(), popbars.end(), [](const driver::ChildProcess& popbar) { return popbar.IsRunning(); });
    };
    EXPECT_TRUE(driver::WaitUntil([&] { return running() == 1; })) << running() << " Popbars run";
    const HWND hWndMenu = driver::WaitForReadyMenu();
    ASSERT_TRUE(hWndMenu);
    EXPECT_EQ(driver::TopLevelWindows(0, kMenuWindowClass).size(), 1u);
    EXPECT_TRUE(driver::OpenMenu(hWndMenu));
    EXPECT_EQ(running(), 1);
}

TEST_F(PopbarMenu, MenuKeyOpensTopMostAtTheTopRightWithTheButtonGrid)
{
    OpenMenu();
    ExpectRect(popbar.MenuRect(), DesktopRight() - kMenuSize.cx - 5, 5);
    EXPECT_TRUE(::GetWindowLongPtrW(popbar.Menu(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    const auto buttons = popbar.Buttons();
    ASSERT_EQ(buttons.size(), 17u);
    std::multiset<std::pair<LONG, LONG>> places;
    int visibleFaces = 0;
    for (HWND hButton : buttons) {
        RECT rc{};
        ::GetWindowRect(hButton, &rc);
        ::MapWindowPoints(nullptr, popbar.Menu(), reinterpret_cast<POINT*>(&rc), 2);
        places.insert({rc.left, rc.top});
        if (::GetDlgCtrlID(hButton) == static_cast<int>(ID_DISPLAYMODE)) {
            EXPECT_EQ(rc.right - rc.left, 202);
            if (::IsWindowVisible(hButton))
                ++visibleFaces;
        } else {
            EXPECT_EQ(rc.right - rc.left, 100);
        }
        EXPECT_EQ(rc.bottom - rc.top, 30);
    }
    EXPECT_EQ(visibleFaces, 1) << "exactly one display-mode face shows";

    std::multiset<std::pair<LONG, LONG>> expected = {{128, 9}, {128, 9}, {128, 9}, {128, 9}, {128, 296}};
    for (LONG y : {50, 91, 132, 173, 214, 255}) {
        expected.insert({128, y});
        expected.insert({230, y});
    }
    EXPECT_EQ(places, expected);
}

TEST_F(PopbarMenu, MenuMessageWithOtherParametersDoesNothing)
{
    ASSERT_TRUE(popbar.SendMenuKey(1, 0));
    EXPECT_FALSE(popbar.IsMenuVisible());
    ASSERT_TRUE(popbar.SendMenuKey(2, 2));
    EXPECT_FALSE(popbar.IsMenuVisible());
    ASSERT_TRUE(popbar.SendMenuKey(1, 2));
    EXPECT_TRUE(popbar.IsMenuVisible());
}

TEST_F(PopbarMenu, SecondPressHidesOnlyWhenScreenHubAllowsDismissal)
{
    OpenMenu();
    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(popbar.IsMenuVisible()) << "status 0: the menu stays open";

    SetStatusWord(&kStatusDismiss);
    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_FALSE(popbar.IsMenuVisible());
}

TEST_F(PopbarMenu, TimerHidesTheMenuAfterAnotherWindowTakesTheForeground)
{
    OpenMenu();
    EXPECT_EQ(::GetForegroundWindow(), popbar.Menu());
    const fw::unique_hwnd other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100,
                                                  nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(other);
    ::SetForegroundWindow(other.get());
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }, 2500));
    EXPECT_TRUE(popbar.Process().IsRunning());
    // Hidden by the timer, the menu opens again on the next press.
    OpenMenu();
}

TEST_F(PopbarMenu, HideMessageScreenHubCloseCodeAndSuspendHideTheMenu)
{
    OpenMenu();
    ::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }, 3000)) << "MSG_HIDEMENU";

    OpenMenu();
    ::PostMessageW(popbar.Menu(), MSG_HUBCMD, HUBCMD_HIDEMENU, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }, 3000)) << "MSG_HUBCMD 56";

    OpenMenu();
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(popbar.Menu(), MSG_HUBCMD, 57, 0, SMTO_ABORTIFHUNG, 5000, &result);
    ::SendMessageTimeoutW(popbar.Menu(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, SMTO_ABORTIFHUNG, 5000,
                          &result);
    EXPECT_TRUE(popbar.IsMenuVisible()) << "other codes and power events leave the menu open";
    ::SendMessageTimeoutW(popbar.Menu(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0, SMTO_ABORTIFHUNG, 5000, &result);
    EXPECT_FALSE(popbar.IsMenuVisible()) << "suspend";
}

TEST_F(PopbarMenu, CloseRequestIsRefusedWithoutTheDismissBit)
{
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(popbar.Menu(), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, &result));
    EXPECT_TRUE(driver::HandlesPostedMessages(popbar.Menu())) << "the menu's loop runs on after the request";
    EXPECT_FALSE(popbar.Process().WaitForExit(0));
    OpenMenu();
}

// Ended by its close request (as Screen Hub or an updater ends it) and started again the moment its
// menu window is gone: each time the new Popbar runs, alone, and its menu opens.
TEST_F(PopbarMenu, CloseRequestWithTheDismissBitEndsPopbarAndOneStartedRightAfterRuns)
{
    SetStatusWord(&kStatusDismiss);
    std::array<PopbarProcess, 2> popbars;
    PopbarProcess* pRunning = &popbar;
    for (int nRestart = 0; nRestart < 10; ++nRestart) {
        SCOPED_TRACE(nRestart);
        const HWND hWndEnding = pRunning->Menu();
        ASSERT_TRUE(::PostMessageW(hWndEnding, WM_CLOSE, 0, 0));
        ASSERT_TRUE(driver::WaitUntil([&] { return !::IsWindow(hWndEnding); }, 5000));
        PopbarProcess& next = popbars[static_cast<size_t>(nRestart % 2)];
        ASSERT_TRUE(next.Start(PopbarPath())) << "the Popbar started again did not run";
        EXPECT_TRUE(pRunning->Process().WaitForExit(5000));
        EXPECT_EQ(driver::TopLevelWindows(0, kMenuWindowClass).size(), 1u);
        ASSERT_TRUE(next.SendMenuKey());
        EXPECT_TRUE(next.IsMenuVisible());
        pRunning = &next;
    }
}

TEST_F(PopbarMenu, EscapeHidesTheMenuWithoutEndingPopbar)
{
    OpenMenu();
    ::PostMessageW(popbar.Menu(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }, 3000));
    EXPECT_TRUE(driver::HandlesPostedMessages(popbar.Menu())) << "the menu's loop runs on after Escape";
    EXPECT_FALSE(popbar.Process().WaitForExit(0));
}

TEST_F(PopbarMenu, DisplayValueChoosesTheOneVisibleFace)
{
    // The face each value shows, by its window.
    std::map<DWORD, HWND> shown;
    for (DWORD display : {1u, 2u, 0x103u, 3u, 0x1002u, 7u}) {
        SetDisplayValue(&display);
        // Screen Hub's two ways of saying the display mode changed; the opening reads it again anyway.
        ::PostMessageW(popbar.Menu(), display % 2 ? MSG_HUBCMD : MSG_RELOADDISPLAY, display % 2 ? 48 : 0, 0);
        OpenMenu();
        std::vector<HWND> visible;
        for (HWND hFace : DisplayFaces()) {
            if (::IsWindowVisible(hFace))
                visible.push_back(hFace);
        }
        ASSERT_EQ(visible.size(), 1u) << "Display " << display;
        shown[display] = visible.front();
        ::SendMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
    }
    EXPECT_EQ(std::set<HWND>({shown[1], shown[2], shown[0x103], shown[3]}).size(), 4u)
        << "1, 2, 0x103 and 3 show four different faces";
    EXPECT_EQ(shown[0x1002], shown[2]) << "only the low 12 bits count";
    EXPECT_EQ(shown[7], shown[1]) << "an unknown code shows the first face";
}

TEST_F(PopbarMenu, AvailabilityAnswerEnablesOrDisablesTheResolutionPairTogether)
{
    auto pairEnabled = [&] {
        int n = 0;
        for (HWND hButton : popbar.Buttons()) {
            const UINT id = static_cast<UINT>(::GetDlgCtrlID(hButton));
            if ((id == ID_RES_NORMAL || id == ID_RES_HIGH) && ::IsWindowEnabled(hButton))
                ++n;
        }
        return n;
    };
    DWORD_PTR result = 0;
    for (const auto& [lParam, expected] : {std::pair<LPARAM, int>{0, 0}, {1, 2}, {2, 0}, {1, 2}, {-1, 0}}) {
        ::SendMessageTimeoutW(popbar.Menu(), MSG_HUBCMD, 24, lParam, SMTO_ABORTIFHUNG, 5000, &result);
        EXPECT_EQ(pairEnabled(), expected) << "answer " << lParam;
    }
}

// The desktop changes size: a real display change for every top-level window.
using PopbarDisplayChange = PopbarMenu;

TEST_F(PopbarDisplayChange, OpenMenuMovesToTheNewCornerAndStaysOpen)
{
    OpenMenu();
    const driver::ScopedDesktopSize smaller(800, 600);
    ASSERT_TRUE(smaller.Changed());
    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.MenuRect().left == 800 - kMenuSize.cx - 5; }, 5000));
    ExpectRect(popbar.MenuRect(), 800 - kMenuSize.cx - 5, 5);
    EXPECT_TRUE(popbar.IsMenuVisible());
}

TEST_F(PopbarDisplayChange, HiddenMenuMovesToTheNewCornerAndStaysHidden)
{
    const driver::ScopedDesktopSize smaller(800, 600);
    ASSERT_TRUE(smaller.Changed());
    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.MenuRect().left == 800 - kMenuSize.cx - 5; }, 5000));
    ExpectRect(popbar.MenuRect(), 800 - kMenuSize.cx - 5, 5);
    EXPECT_FALSE(popbar.IsMenuVisible());
    OpenMenu();
    ExpectRect(popbar.MenuRect(), 800 - kMenuSize.cx - 5, 5);
}
