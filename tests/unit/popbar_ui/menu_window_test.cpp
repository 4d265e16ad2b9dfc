// The menu's buttons on a real parent window, its translucency and its painted face.
#include "menu/menu_buttons.h"
#include "skin/skin_loader.h"
#include "ui_fixture.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using popbar_test::Hex;
using popbar_test::PixelCanvas;
using popbar_test::Skin;
using popbar_test::TestParent;

bool Visible(HWND hWnd)
{
    return (::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST(MenuButtons, CreateButtonsBuildsEverySlotWithItsPicturesAndTheBatteryInItsSlot)
{
    MenuButtons buttons;
    ASSERT_TRUE(CreateButtons(buttons, Skin()));
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        ASSERT_NE(buttons[nSlot], nullptr) << nSlot;
        EXPECT_EQ(buttons[nSlot]->ImageSize().cx, nSlot < kDisplayFaceCount ? 202 : 100) << nSlot;
        EXPECT_EQ(buttons[nSlot]->ImageSize().cy, 30) << nSlot;
        EXPECT_EQ(buttons[nSlot]->Window(), nullptr) << nSlot;
        EXPECT_EQ(dynamic_cast<CImageButtonBattery*>(buttons[nSlot].get()) != nullptr, nSlot == kBatterySlot) << nSlot;
    }
    EXPECT_EQ(&BatteryButton(buttons), buttons[kBatterySlot].get());
}

TEST(MenuButtons, MissingPicturesStillBuildTheButtons)
{
    MenuButtons buttons;
    EXPECT_TRUE(CreateButtons(buttons, nullptr));
    for (const auto& pButton : buttons)
        EXPECT_EQ(pButton->ImageSize().cx, 0);
}

class MenuLayoutTest : public testing::Test {
protected:
    TestParent menu{300, 100, 340, 335};
    MenuButtons buttons;
    std::vector<std::string> calls;

    void SetUp() override { ASSERT_TRUE(CreateButtons(buttons, Skin())); }
    bool Exists(int nSlot) const { return buttons[nSlot]->Window() != nullptr; }
    HRESULT Layout(HWND hWndMenu)
    {
        return LayoutButtons(
            buttons, hWndMenu, ::GetModuleHandleW(nullptr),
            [&] {
                calls.push_back("display");
                for (int nSlot = 0; nSlot < 4; ++nSlot)
                    EXPECT_TRUE(Exists(nSlot)) << nSlot;
                EXPECT_FALSE(Exists(4));
            },
            [&] {
                calls.push_back("query");
                EXPECT_TRUE(Exists(8));
                EXPECT_TRUE(Exists(9));
                EXPECT_FALSE(Exists(10));
            });
    }
};

TEST_F(MenuLayoutTest, SeventeenWindowsOnTheGrid)
{
    ASSERT_EQ(Layout(menu.get()), S_OK);
    EXPECT_EQ(calls, (std::vector<std::string>{"display", "query"}));
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        HWND hWnd = buttons[nSlot]->Window();
        ASSERT_TRUE(::IsWindow(hWnd)) << nSlot;
        EXPECT_EQ(::GetParent(hWnd), menu.get()) << nSlot;
        EXPECT_EQ(CImageButton::FromHandle(hWnd), buttons[nSlot].get()) << nSlot;
        EXPECT_EQ(static_cast<UINT>(::GetDlgCtrlID(hWnd)), kButtonTable[nSlot].nID) << nSlot;
        RECT rc{};
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, menu.get(), reinterpret_cast<POINT*>(&rc), 2);
        const int nRow = kButtonTable[nSlot].nRow;
        const bool bRight = kButtonTable[nSlot].bRightColumn;
        EXPECT_EQ(rc.left, bRight ? 230 : 128) << nSlot;
        EXPECT_EQ(rc.top, 9 + nRow * 41) << nSlot;
        EXPECT_EQ(rc.right - rc.left, nSlot < 4 ? 202 : 100) << nSlot;
        EXPECT_EQ(rc.bottom - rc.top, 30) << nSlot;
    }
    int nVisibleFaces = 0;
    for (int nSlot = 0; nSlot < kDisplayFaceCount; ++nSlot)
        nVisibleFaces += Visible(buttons[nSlot]->Window());
    EXPECT_EQ(nVisibleFaces, 1);
    EXPECT_TRUE(Visible(buttons[0]->Window()));
    for (int nSlot = kDisplayFaceCount; nSlot < kButtonCount; ++nSlot)
        EXPECT_TRUE(Visible(buttons[nSlot]->Window())) << nSlot;
}

TEST_F(MenuLayoutTest, FirstFailingCreateEndsTheLayout)
{
    HWND hNotAWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFE));
    EXPECT_EQ(Layout(hNotAWindow), HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE)) << "the first failure's reason";
    EXPECT_TRUE(calls.empty());
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot)
        EXPECT_FALSE(Exists(nSlot)) << nSlot;
}

class MenuOpacityTest : public testing::Test {
protected:
    TestParent window{0, 0, 50, 50};
    bool Layered() const { return (::GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
    BYTE Alpha() const
    {
        BYTE nAlpha = 0;
        DWORD dwFlags = 0;
        EXPECT_TRUE(::GetLayeredWindowAttributes(window.get(), nullptr, &nAlpha, &dwFlags));
        EXPECT_EQ(dwFlags, static_cast<DWORD>(LWA_ALPHA));
        return nAlpha;
    }
};

TEST_F(MenuOpacityTest, EightyFivePercentMakesALayeredWindowOfAlpha216)
{
    SetMenuOpacity(85, window.get());
    ASSERT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 216);
}

TEST_F(MenuOpacityTest, ZeroPercentIsLayeredAndFullyClear)
{
    SetMenuOpacity(0, window.get());
    ASSERT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 0);
}

TEST_F(MenuOpacityTest, NinetyNinePercentIsAlpha252)
{
    SetMenuOpacity(99, window.get());
    ASSERT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 252);
}

TEST_F(MenuOpacityTest, HundredAndAboveLeaveTheWindowAlone)
{
    for (UINT nPercent : {100u, 101u, 0xFFFFFFFFu}) {
        SetMenuOpacity(nPercent, window.get());
        EXPECT_FALSE(Layered()) << nPercent;
    }
}

TEST(MenuPaint, BackgroundIsComposedOntoTheDarkFill)
{
    fw::gdiplus_ptr<Gdiplus::Image> pBackground;
    ASSERT_TRUE(LoadPngResource(pBackground, 2168, L"PNG", Skin()));
    PixelCanvas canvas(340, 335);
    CMenuFace face;
    face.Paint(canvas.dc(), pBackground.get(), 340, 335);
    // Clear corners show the fill itself.
    EXPECT_EQ(canvas.At(0, 0), RGB(10, 10, 10));
    EXPECT_EQ(canvas.At(339, 334), RGB(10, 10, 10));
    // The opaque edge is the picture's own colour.
    EXPECT_EQ(canvas.At(170, 0), Hex(0x343C4C));
    // The panel, #141820 at alpha 0xF0, over (10, 10, 10): c * 240/255 + 10 * 15/255.
    const COLORREF panel = canvas.At(20, 3);
    EXPECT_TRUE(driver::Near(panel, RGB(19, 23, 31), 1)) << std::hex << panel;
}

TEST(MenuPaint, BackgroundIsStretchedToTheWindow)
{
    fw::gdiplus_ptr<Gdiplus::Image> pBackground;
    ASSERT_TRUE(LoadPngResource(pBackground, 2168, L"PNG", Skin()));
    PixelCanvas canvas(680, 670);
    CMenuFace face;
    face.Paint(canvas.dc(), pBackground.get(), 680, 670);
    EXPECT_EQ(canvas.At(340, 0), Hex(0x343C4C));
    EXPECT_TRUE(driver::Near(canvas.At(40, 8), RGB(19, 23, 31), 1));
}

// The kept face is drawn again as it was, and a new size or background is composed afresh.
TEST(MenuPaint, KeptFaceFollowsSizeAndBackground)
{
    fw::gdiplus_ptr<Gdiplus::Image> pBackground;
    ASSERT_TRUE(LoadPngResource(pBackground, 2168, L"PNG", Skin()));
    CMenuFace face;
    PixelCanvas first(680, 670);
    face.Paint(first.dc(), pBackground.get(), 340, 335);
    PixelCanvas again(680, 670);
    face.Paint(again.dc(), pBackground.get(), 340, 335);
    for (POINT pt : {POINT{0, 0}, POINT{170, 0}, POINT{20, 3}, POINT{339, 334}})
        EXPECT_EQ(again.At(pt.x, pt.y), first.At(pt.x, pt.y)) << pt.x << "," << pt.y;
    // Outside the 340 x 335 face nothing was drawn.
    EXPECT_EQ(again.At(340, 0), RGB(0, 0, 0));

    PixelCanvas larger(680, 670);
    face.Paint(larger.dc(), pBackground.get(), 680, 670);
    EXPECT_EQ(larger.At(340, 0), Hex(0x343C4C));

    PixelCanvas plain(680, 670);
    face.Paint(plain.dc(), nullptr, 680, 670);
    EXPECT_EQ(plain.At(340, 0), RGB(10, 10, 10));
}

TEST(MenuPaint, MissingBackgroundDrawsOnlyTheFill)
{
    PixelCanvas canvas(40, 30);
    CMenuFace face;
    face.Paint(canvas.dc(), nullptr, 40, 30);
    for (POINT pt : {POINT{0, 0}, POINT{20, 15}, POINT{39, 29}})
        EXPECT_EQ(canvas.At(pt.x, pt.y), RGB(10, 10, 10)) << pt.x << "," << pt.y;
}

} // namespace
