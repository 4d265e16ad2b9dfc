// The image button with real windows: its window, the mouse states, the posted command and its faces.
#include "controls/image_button.h"
#include "controls/image_button_battery.h"
#include "protocol/menu.h"
#include "handles.h"
#include "ui_fixture.h"
#include "wait.h"

#include <commctrl.h>

#include <memory>

namespace {

using popbar_test::Hex;
using popbar_test::PixelCanvas;
using popbar_test::Skin;
using popbar_test::TestParent;

constexpr UINT kID = ID_SCREEN_ON;
constexpr int kLeft = 100;
constexpr int kTop = 100;

// A button of the brightness set (six faces) or the resolution set (four ids, unlit = disabled look)
// at (10, 10) in a parent at (100, 100).
class ImageButtonTest : public testing::Test {
protected:
    TestParent parent{kLeft, kTop, 240, 80};
    CImageButton button;

    HRESULT CreateButton(int nCmdShow = SW_SHOW)
    {
        return button.Create(10, 10, 100, 30, kID, parent.get(), ::GetModuleHandleW(nullptr), nCmdShow);
    }
    LRESULT Send(UINT uMsg, WPARAM wParam = 0) { return ::SendMessageW(button.Window(), uMsg, wParam, MAKELPARAM(5, 5)); }
    // The face the button draws into a memory canvas, read at its plain-fill patch (x and y 3..8);
    // CLR_INVALID when the patch is not one colour.
    COLORREF FaceColour() const
    {
        const PixelCanvas canvas(100, 30);
        button.Paint(canvas.dc());
        const COLORREF colour = canvas.At(3, 3);
        for (int y = 3; y <= 8; ++y)
            for (int x = 3; x <= 8; ++x)
                if (canvas.At(x, y) != colour)
                    return CLR_INVALID;
        return colour;
    }
    void PutCursorOnButton() { ::SetCursorPos(kLeft + 10 + 50, kTop + 10 + 15); }
};

TEST_F(ImageButtonTest, CreateMakesAChildOnTheGridThatACreateAgainReplaces)
{
    ASSERT_EQ(CreateButton(SW_HIDE), S_OK);
    EXPECT_FALSE(::GetWindowLongW(button.Window(), GWL_STYLE) & WS_VISIBLE);
    HWND hOld = button.Window();
    button.SetOn(FALSE);
    ASSERT_EQ(CreateButton(), S_OK);
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_EQ(CImageButton::FromHandle(hOld), nullptr);
    ASSERT_TRUE(::IsWindow(button.Window()));
    EXPECT_EQ(CImageButton::FromHandle(button.Window()), &button);
    EXPECT_EQ(::GetParent(button.Window()), parent.get());
    EXPECT_EQ(static_cast<UINT>(::GetDlgCtrlID(button.Window())), kID);
    EXPECT_EQ(::GetWindowLongW(button.Window(), GWL_STYLE), static_cast<LONG>(0x4000000B | WS_VISIBLE));
    RECT rc{};
    ::GetClientRect(button.Window(), &rc);
    EXPECT_EQ(rc.right, 100);
    EXPECT_EQ(rc.bottom, 30);
    EXPECT_EQ(button.State(), STATE_NORMAL);
    EXPECT_TRUE(button.IsOn()) << "a new window starts lit";
    EXPECT_TRUE(button.IsEnabled());
}

TEST_F(ImageButtonTest, AFailedCreateSaysWhyAndAWindowGoneOrStrayIsNoButton)
{
    HWND hNotAWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFE));
    EXPECT_EQ(button.Create(0, 0, 100, 30, kID, hNotAWindow, ::GetModuleHandleW(nullptr), SW_SHOW),
              HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(button.Window(), nullptr);

    HWND hWnd = nullptr;
    {
        CImageButton scoped;
        ASSERT_EQ(scoped.Create(0, 0, 10, 10, kID, parent.get(), ::GetModuleHandleW(nullptr), SW_SHOW), S_OK);
        hWnd = scoped.Window();
    }
    EXPECT_FALSE(::IsWindow(hWnd)) << "the window goes with its button";

    ASSERT_EQ(CreateButton(), S_OK);
    ::DestroyWindow(button.Window());
    EXPECT_EQ(button.Window(), nullptr) << "the button knows its window is gone";

    // A window of the class made without a button: no command, no crash.
    HWND hStray = ::CreateWindowExW(0, kMenuButtonClass, L"", WS_CHILD, 0, 0, 10, 10, parent.get(), nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hStray, nullptr);
    EXPECT_EQ(CImageButton::FromHandle(hStray), nullptr);
    ::SendMessageW(hStray, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(parent.TakeCommands(0), 0);
    ::DestroyWindow(hStray);
}

TEST_F(ImageButtonTest, MouseMoveHoversAndAsksForOneLeaveNotice)
{
    ASSERT_EQ(CreateButton(), S_OK);
    PutCursorOnButton();
    EXPECT_EQ(Send(WM_MOUSEMOVE), 0);
    EXPECT_EQ(button.State(), STATE_HOVER);
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
    ASSERT_TRUE(::_TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, button.Window());
    EXPECT_TRUE(query.dwFlags & TME_LEAVE);
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(button.State(), STATE_HOVER);
}

TEST_F(ImageButtonTest, MoveWhilePressedKeepsThePress)
{
    ASSERT_EQ(CreateButton(), S_OK);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_MOUSEMOVE, MK_LBUTTON);
    EXPECT_EQ(button.State(), STATE_PRESSED);
}

TEST_F(ImageButtonTest, ClickPostsExactlyOneCommandToTheParent)
{
    ASSERT_EQ(CreateButton(), S_OK);
    PutCursorOnButton();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(button.State(), STATE_PRESSED);
    EXPECT_EQ(parent.TakeCommands(kID), 0);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(button.State(), STATE_HOVER);
    // Posted, not sent: it waits in the parent's queue until the parent handles its messages.
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, parent.get(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ(parent.TakeCommands(kID), 1);
    EXPECT_EQ(parent.TakeCommands(kID), 0);
    Send(WM_MOUSELEAVE);
    EXPECT_EQ(button.State(), STATE_NORMAL);
}

TEST_F(ImageButtonTest, PressThenLeaveCancelsTheClick)
{
    ASSERT_EQ(CreateButton(), S_OK);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_MOUSELEAVE);
    EXPECT_EQ(button.State(), STATE_NORMAL);
    driver::PumpMessages();
    EXPECT_EQ(parent.TakeCommands(kID), 0);
}

TEST_F(ImageButtonTest, ReleaseWithoutPressStillPostsTheCommand)
{
    ASSERT_EQ(CreateButton(), S_OK);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(parent.TakeCommands(kID), 1);
}

TEST_F(ImageButtonTest, QuickSecondClickIsASecondCommand)
{
    ASSERT_EQ(CreateButton(), S_OK);
    for (int i = 0; i < 2; ++i) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON);
        Send(WM_LBUTTONUP);
    }
    EXPECT_EQ(parent.TakeCommands(kID), 2);
}

TEST_F(ImageButtonTest, ShowAndEnableDriveTheFlags)
{
    ASSERT_EQ(CreateButton(), S_OK);
    button.Show(SW_HIDE);
    EXPECT_FALSE(button.IsOn());
    EXPECT_FALSE(button.IsEnabled());
    EXPECT_FALSE(::IsWindowVisible(button.Window()));
    button.Show(SW_SHOW);
    EXPECT_TRUE(button.IsOn());
    EXPECT_TRUE(button.IsEnabled());
    EXPECT_TRUE(::IsWindowVisible(button.Window()));
    button.Enable(FALSE);
    EXPECT_FALSE(button.IsOn());
    EXPECT_FALSE(::IsWindowEnabled(button.Window()));
    button.SetOn(TRUE);
    EXPECT_TRUE(button.IsOn());
    EXPECT_FALSE(button.IsEnabled());
}

// Every opening sets every pair: a look that stays is not painted again, one that changes is.
TEST_F(ImageButtonTest, SetOnRepaintsOnlyAChangedLook)
{
    ASSERT_EQ(CreateButton(), S_OK);
    auto pending = [&] {
        RECT rc{};
        return ::GetUpdateRect(button.Window(), &rc, FALSE) != FALSE;
    };
    for (const BOOL bOn : {TRUE, FALSE}) {
        button.SetOn(!bOn);
        ::ValidateRect(button.Window(), nullptr);
        button.SetOn(!bOn);
        EXPECT_FALSE(pending()) << bOn;
        button.SetOn(bOn);
        EXPECT_TRUE(pending()) << bOn;
        EXPECT_EQ(button.IsOn(), bOn);
    }
}

TEST_F(ImageButtonTest, FacesOfASixImageButton)
{
    button.LoadImages(Skin(), 2134, 2145, 2140, 2127, 2141, 2136);
    EXPECT_EQ(button.ImageSize().cx, 100);
    EXPECT_EQ(button.ImageSize().cy, 30);
    ASSERT_EQ(CreateButton(), S_OK);
    EXPECT_EQ(FaceColour(), Hex(0x2F7DE1)) << "lit normal";
    button.SetState(STATE_PRESSED);
    EXPECT_EQ(FaceColour(), Hex(0x1B4F91)) << "lit pressed";
    button.SetState(STATE_HOVER);
    EXPECT_EQ(FaceColour(), Hex(0x5AA0F5)) << "lit hover";
    button.SetOn(FALSE);
    EXPECT_EQ(FaceColour(), Hex(0x4B525D)) << "unlit hover";
    button.SetState(STATE_PRESSED);
    EXPECT_EQ(FaceColour(), Hex(0x2A2E35)) << "unlit pressed";
    button.SetState(STATE_NORMAL);
    EXPECT_EQ(FaceColour(), Hex(0x3A3F48)) << "unlit normal";
    button.Enable(FALSE);
    button.SetState(STATE_HOVER);
    EXPECT_EQ(FaceColour(), Hex(0x3A3F48)) << "disabled";
    button.Enable(TRUE);
    EXPECT_EQ(FaceColour(), Hex(0x5AA0F5)) << "enabling lights it";
}

TEST_F(ImageButtonTest, FourIdButtonShowsItsDisabledLookWhenUnlit)
{
    button.LoadImages(Skin(), 2114, 2121, 2117, 2125);
    ASSERT_EQ(CreateButton(), S_OK);
    EXPECT_EQ(FaceColour(), Hex(0x2F7DE1));
    button.Enable(FALSE);
    EXPECT_EQ(FaceColour(), Hex(0x26282C)) << "disabled";
    button.Enable(TRUE);
    button.SetOn(FALSE);
    for (int nState : {STATE_NORMAL, STATE_PRESSED, STATE_HOVER}) {
        button.SetState(nState);
        EXPECT_EQ(FaceColour(), Hex(0x26282C)) << "unlit, whatever the mouse: " << nState;
    }
}

// The paint protocol: a paint draws through BeginPaint's context, a frame message that comes first
// paints what waits, and an erase message draws into the context it brings.
TEST_F(ImageButtonTest, EveryPaintMessageDrawsTheFaceWhereItIsTold)
{
    button.LoadImages(Skin(), 2134, 2145, 2140, 2127, 2141, 2136);
    ASSERT_EQ(CreateButton(), S_OK);
    ::UpdateWindow(button.Window());

    const PixelCanvas canvas(100, 30);
    EXPECT_EQ(::SendMessageW(button.Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0), 1);
    EXPECT_EQ(canvas.At(5, 5), Hex(0x2F7DE1));

    const fw::unique_window_dc dc(button.Window());
    const RECT rc{0, 0, 100, 30};
    ::FillRect(dc.get(), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::InvalidateRect(button.Window(), nullptr, FALSE);
    ::SendMessageW(button.Window(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(::GetPixel(dc.get(), 5, 5), Hex(0x2F7DE1)) << "a frame paint that comes first paints what waits";
    ::FillRect(dc.get(), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::RedrawWindow(button.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(::GetPixel(dc.get(), 5, 5), Hex(0x2F7DE1)) << "a whole paint";
}

TEST_F(ImageButtonTest, MissingImagesDrawNothingAndDoNotFail)
{
    button.LoadImages(Skin(), 1, 2, 3, 4, 5, 6);
    EXPECT_EQ(button.ImageSize().cx, 0);
    ASSERT_EQ(CreateButton(), S_OK);
    EXPECT_EQ(FaceColour(), RGB(0, 0, 0)) << "nothing drawn on the clear canvas";
    ::UpdateWindow(button.Window());
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(button.State(), STATE_HOVER);
}

// Real clicks through the desktop: a disabled button gets no mouse input at all.
TEST_F(ImageButtonTest, DisabledButtonIgnoresRealClicks)
{
    ASSERT_EQ(CreateButton(), S_OK);
    PutCursorOnButton();
    auto click = [] {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, inputs, sizeof(INPUT));
    };
    button.Enable(FALSE);
    click();
    ASSERT_TRUE(driver::WaitUntil([&] { return parent.MouseUps() > 0; }));
    EXPECT_EQ(parent.TakeCommands(kID), 0);
    EXPECT_EQ(button.State(), STATE_NORMAL);

    button.Enable(TRUE);
    click();
    int nCommands = 0;
    ASSERT_TRUE(driver::WaitUntil([&] {
        nCommands += parent.TakeCommands(kID);
        return nCommands > 0;
    }));
    EXPECT_EQ(nCommands, 1);
}

class BatteryButtonTest : public ImageButtonTest {
protected:
    CImageButtonBattery battery;

    void SetUp() override
    {
        battery.LoadImages(Skin(), 2162, 2161, 2163, 2086, 2088, 2093, 2200);
        ASSERT_EQ(battery.Create(10, 10, 100, 30, ID_BATTERY, parent.get(), ::GetModuleHandleW(nullptr), SW_SHOW),
                  S_OK);
    }
    // The face drawn into a memory canvas: the colour at a point, and the white glyph pixels between
    // two columns.
    COLORREF At(int x, int y) const
    {
        const PixelCanvas canvas(100, 30);
        battery.Paint(canvas.dc());
        return canvas.At(x, y);
    }
    int WhitePixels(int x0, int x1) const
    {
        const PixelCanvas canvas(100, 30);
        battery.Paint(canvas.dc());
        int nCount = 0;
        for (int y = 7; y < 23; ++y)
            for (int x = x0; x < x1; ++x)
                nCount += canvas.At(x, y) == RGB(255, 255, 255);
        return nCount;
    }
};

TEST_F(BatteryButtonTest, StartsAtZeroPercentCentred)
{
    EXPECT_EQ(battery.ImageSize().cx, 100);
    EXPECT_EQ(At(5, 5), Hex(0x2E7D32));
    EXPECT_GT(WhitePixels(40, 50), 0) << "0";
    EXPECT_GT(WhitePixels(50, 60), 0) << "%";
    EXPECT_EQ(WhitePixels(30, 40) + WhitePixels(60, 100), 0) << "nothing beside the number";
}

TEST_F(BatteryButtonTest, LevelDigitsAndFacesFollowTheStatusWord)
{
    battery.SetLevel(42u << 20);
    EXPECT_GT(WhitePixels(35, 45), 0) << "4";
    EXPECT_GT(WhitePixels(55, 65), 0) << "%";
    battery.SetLevel(100u << 20);
    EXPECT_GT(WhitePixels(30, 40), 0) << "1";
    EXPECT_GT(WhitePixels(60, 70), 0) << "%";
    battery.SetLevel(200u << 20);
    EXPECT_EQ(At(5, 5), Hex(0x3A3F48)) << "no level known: the unlit face alone";
    EXPECT_EQ(WhitePixels(0, 100), 0);
    battery.SetLevel(100u << 20);
    EXPECT_GT(WhitePixels(30, 40), 0) << "100 again after no level";
}

TEST_F(BatteryButtonTest, FaceFollowsTheMouseWhateverTheFlags)
{
    battery.Enable(FALSE);
    EXPECT_EQ(At(5, 5), Hex(0x2E7D32));
    battery.SetState(STATE_PRESSED);
    EXPECT_EQ(At(5, 5), Hex(0x1B5E20));
    battery.SetState(STATE_HOVER);
    EXPECT_EQ(At(5, 5), Hex(0x43A047));
}

} // namespace
