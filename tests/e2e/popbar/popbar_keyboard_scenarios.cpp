// The open menu by keyboard, typed through X as a person types: Up and Down walk the highlight, Enter
// presses the highlighted button on its release, the mouse takes the highlight back, and no key and
// no foreign command ends Popbar while Screen Hub does not allow it.
#include "hub_fixture.h"
#include "menu_rows.h"
#include "wait.h"
#include "x_input.h"

#include <gtest/gtest.h>

using namespace popbar_e2e;
using driver::HubDirection;
using driver::HubEntry;

namespace {

class PopbarKeyboard : public PopbarWithScreenHub {
protected:
    void SetUp() override
    {
        PopbarWithScreenHub::SetUp();
        // Off the menu's place, so its showing makes no mouse move over it.
        ASSERT_TRUE(driver::MovePointer({10, 700}));
    }
    // The menu key's stand-in through X, as at the laptop: the menu opens in the foreground and
    // takes the keyboard.
    void OpenByKey()
    {
        ASSERT_TRUE(driver::PressXKey(L"Pause"));
        ASSERT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }));
        ASSERT_TRUE(driver::WaitUntil([&] { return ::GetForegroundWindow() == popbar.Menu(); }));
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::HasXKeyboardFocus(popbar.Menu()); }));
        menu = popbar.MenuRect();
    }
    testing::AssertionResult StillRunning()
    {
        if (!popbar.Process().IsRunning() || !::IsWindow(popbar.Menu()))
            return testing::AssertionFailure() << "Popbar ended";
        return testing::AssertionSuccess();
    }
    size_t CommandsReceived() const
    {
        size_t n = 0;
        for (const driver::HubJournalEntry& entry : journal.Entries())
            n += entry.direction == HubDirection::In && entry.message == MSG_HUBCMD && entry.wParam != HUBCMD_QUERYSTATUS &&
                 entry.wParam != HUBCMD_AVAILABILITY;
        return n;
    }
};

} // namespace

TEST_F(PopbarKeyboard, NoDialogKeyAndNoForeignOkOrCancelEndsPopbarWithoutTheDismissBit)
{
    Start(L"--status 0x10 --battery 50");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    OpenByKey();
    const size_t nQueries = CountReceived(HUBCMD_QUERYSTATUS);

    // Enter with nothing highlighted, then Alt+F4's close request (refused: one more status query),
    // then Escape, which hides. Keys arrive in order, so the hidden menu shows all three handled.
    ASSERT_TRUE(driver::PressXKey(L"Return alt+F4 Escape"));
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }));
    EXPECT_TRUE(StillRunning());
    EXPECT_EQ(CountReceived(HUBCMD_QUERYSTATUS), nQueries + 1) << "Alt+F4 asked Screen Hub whether Popbar may end";
    EXPECT_EQ(CommandsReceived(), 0u) << "Enter pressed nothing";

    // IDOK and IDCANCEL from another program: the first does nothing, the second hides.
    OpenByKey();
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), WM_COMMAND, IDOK, 0));
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), WM_COMMAND, IDCANCEL, 0));
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }));
    EXPECT_TRUE(StillRunning());

    OpenByKey();
    EXPECT_TRUE(StillRunning());
}

TEST_F(PopbarKeyboard, ArrowsWalkEnterPressesAndTheHighlightOutlivesHidingUntilTheMouseMoves)
{
    Start(L"--status 0x11 --battery 50");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    OpenByKey();

    // The display-mode face, darker, brighter.
    ASSERT_TRUE(driver::PressXKey(L"Down Down Down"));
    EXPECT_TRUE(ButtonShows(menu, kBrightnessRow, 1, kLitHoverFill));
    EXPECT_TRUE(ButtonShows(menu, kBrightnessRow, 0, kLitFill));
    ASSERT_TRUE(driver::PressXKey(L"Return"));
    EXPECT_TRUE(Received(HUBCMD_BRIGHTER, 0)) << "brighter";
    EXPECT_TRUE(ButtonShows(menu, kBrightnessRow, 1, kLitHoverFill)) << "highlighted again after the command";
    EXPECT_EQ(CommandsReceived(), 1u);

    // The menu key hides and opens again: the highlight is where it was.
    ASSERT_TRUE(driver::PressXKey(L"Pause"));
    ASSERT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }));
    OpenByKey();
    EXPECT_TRUE(ButtonShows(menu, kBrightnessRow, 1, kLitHoverFill));

    // The pointer onto the menu's labels clears it; a new highlight goes with a one-pixel move.
    ASSERT_TRUE(driver::MovePointer({menu.left + 20, menu.top + 150}));
    EXPECT_TRUE(RowShows(menu, kBrightnessRow, true, true));
    ASSERT_TRUE(driver::PressXKey(L"Down Down"));
    EXPECT_TRUE(ButtonShows(menu, kBrightnessRow, 0, kLitHoverFill));
    ASSERT_TRUE(driver::MovePointer({menu.left + 21, menu.top + 150}));
    EXPECT_TRUE(RowShows(menu, kBrightnessRow, true, true));
    EXPECT_TRUE(StillRunning());
}
