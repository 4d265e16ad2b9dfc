// The menu's buttons pressed for real, through the X display: their looks, and the outside-click
// mode of the screen pair, in which the next left click anywhere is swallowed and switches the screen
// back on.
#include "menu_rows.h"
#include "popbar_session.h"

#include "wait.h"
#include "windowclass.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <vector>

using namespace popbar_e2e;

namespace {

// A window of the test that never takes the foreground, so clicks on it leave the menu open; it
// records the mouse buttons it receives.
class ClickTarget {
public:
    ClickTarget()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"CorvaleClickTarget";
        RegisterClassOnce(wc);
        m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, wc.lpszClassName, L"",
                                   WS_POPUP | WS_VISIBLE, 40, 300, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
        s_received.clear();
    }
    ~ClickTarget() { ::DestroyWindow(m_hWnd); }
    POINT Middle() const { return {140, 375}; }
    int Count(UINT message) const
    {
        driver::PumpMessages();
        int n = 0;
        for (UINT m : s_received)
            n += m == message;
        return n;
    }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK)
            s_received.push_back(message);
        if (message == WM_MOUSEACTIVATE)
            return MA_NOACTIVATE;
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    static inline std::vector<UINT> s_received;
    HWND m_hWnd = nullptr;
};

class PopbarButtons : public testing::Test {
protected:
    void SetUp() override
    {
        SetStatusWord(nullptr);
        ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub()));
    }
    void TearDown() override { SetStatusWord(nullptr); }

    void OpenMenu()
    {
        ASSERT_TRUE(popbar.SendMenuKey());
        ASSERT_TRUE(popbar.IsMenuVisible());
        menu = popbar.MenuRect();
    }
    testing::AssertionResult RowShows(int row, bool bLeftLit, bool bRightLit) const
    {
        return popbar_e2e::RowShows(menu, row, bLeftLit, bRightLit);
    }
    bool Press(UINT nID) const { return PressButton(popbar.Menu(), nID); }

    PopbarProcess popbar;
    RECT menu{};
};

} // namespace

TEST_F(PopbarButtons, ScreenOffArmsTheOutsideClickWhichIsSwallowedAndSwitchesTheScreenBackOn)
{
    const ClickTarget target;
    OpenMenu();
    ASSERT_TRUE(RowShows(kScreenRow, true, false)) << "the menu opens with the screen on";

    ASSERT_TRUE(Press(ID_SCREEN_OFF));
    ASSERT_TRUE(RowShows(kScreenRow, false, true)) << "OFF pressed";

    // Right clicks pass the armed hook.
    ASSERT_TRUE(driver::ClickAt(target.Middle(), 3));
    EXPECT_TRUE(driver::WaitUntil([&] { return target.Count(WM_RBUTTONUP) == 1; }, 5000));
    EXPECT_EQ(target.Count(WM_RBUTTONDOWN), 1);
    EXPECT_TRUE(popbar.IsMenuVisible());

    // The left click is swallowed whole and comes back to the menu as ON.
    ASSERT_TRUE(driver::ClickAt(target.Middle()));
    EXPECT_TRUE(RowShows(kScreenRow, true, false)) << "the outside click switched the screen back on";

    // The mode ended with that click: the next one reaches the window, and it is the first it sees.
    ASSERT_TRUE(driver::ClickAt(target.Middle()));
    EXPECT_TRUE(driver::WaitUntil([&] { return target.Count(WM_LBUTTONUP) >= 1; }, 5000));
    EXPECT_EQ(target.Count(WM_LBUTTONDOWN), 1) << "the swallowed press never arrived";
    EXPECT_EQ(target.Count(WM_LBUTTONUP), 1) << "the swallowed release never arrived";
}

TEST_F(PopbarButtons, ClickOnAMenuButtonWhileArmedIsTheOutsideClickNotTheButton)
{
    OpenMenu();
    ASSERT_TRUE(Press(ID_SCREEN_OFF));
    ASSERT_TRUE(RowShows(kScreenRow, false, true));
    ASSERT_TRUE(RowShows(kWiredLanRow, false, true)) << "status 0: wired LAN off";

    // Wired LAN ON clicked while the mode is armed: only the screen comes back on.
    ASSERT_TRUE(Press(ID_WIRED_LAN_ON));
    EXPECT_TRUE(RowShows(kScreenRow, true, false));
    EXPECT_TRUE(RowShows(kWiredLanRow, false, true)) << "the button under the click got nothing";

    // Disarmed now: the same click is the button's own.
    ASSERT_TRUE(Press(ID_WIRED_LAN_ON));
    EXPECT_TRUE(RowShows(kWiredLanRow, true, false));
}
