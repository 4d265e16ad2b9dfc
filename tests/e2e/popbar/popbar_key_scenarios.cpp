// The menu key for real: the laptop's key made with SendInput and the stand-in key typed through X
// reach Popbar through KeyRelay.dll; a report that arrives while the menu key still waits for
// Screen Hub is dropped.
#include "hub_fixture.h"
#include "key_input.h"
#include "x_input.h"

#include <gtest/gtest.h>

using namespace popbar_e2e;
using driver::HubDirection;
using driver::HubEntry;

namespace {

INPUT PlainScanCode(WORD nScanCode, bool bUp)
{
    INPUT input = driver::ExtendedScanCode(nScanCode, bUp);
    input.ki.dwFlags &= ~KEYEVENTF_EXTENDEDKEY;
    return input;
}

class PopbarKeys : public PopbarWithScreenHub {
protected:
    size_t Queries() const { return CountReceived(HUBCMD_QUERYSTATUS); }
    // Every report goes through the status query first, so a quiet key leaves its count alone: a later
    // key that does count shows that the earlier one has been handled.
    bool KeyCounted(size_t nQueries) const
    {
        return driver::WaitUntil([&] { return Queries() == nQueries; }, 5000);
    }
};

} // namespace

TEST_F(PopbarKeys, LaptopMenuKeyOpensOnItsReleaseAndTheSecondPressHidesWithTheDismissBit)
{
    Start(L"--status 0x11 --battery 50");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));

    ASSERT_TRUE(driver::Send({driver::ExtendedScanCode(kMenuKeyScanCode, false)}));
    ASSERT_TRUE(driver::Send(driver::Stroke(PlainScanCode(kMenuKeyScanCode, false)))) << "not the extended key";
    ASSERT_TRUE(driver::Send({driver::ExtendedScanCode(kMenuKeyScanCode, true)}));
    ASSERT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }));
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUOPENED, 0, 0)));
    EXPECT_EQ(Queries(), 1u) << "only the release counted";

    ASSERT_TRUE(driver::Send(driver::Stroke(driver::ExtendedScanCode(kMenuKeyScanCode, false))));
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUKEYAGAIN, 0, 0)));
    EXPECT_TRUE(driver::WaitUntil([&] { return !popbar.IsMenuVisible(); }));
    EXPECT_TRUE(KeyCounted(2));
}

TEST_F(PopbarKeys, StandInKeyTypedThroughXOpensTheMenu)
{
    Start(L"--status 0x11 --battery 50");
    ASSERT_TRUE(driver::PressXKey(L"Pause"));
    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }));
    EXPECT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_MENUOPENED, 0, 0)));
}

TEST_F(PopbarKeys, ReportWhileTheMenuKeyWaitsForScreenHubIsDroppedUnread)
{
    // Screen Hub takes two seconds to answer the status query.
    Start(L"--status 0x11 --battery 50 --delay 2000");
    ASSERT_TRUE(driver::Send(driver::Stroke(driver::ExtendedScanCode(kMenuKeyScanCode, false))));
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)));

    // Another report while the first one's handler waits: its record address is nothing Popbar may
    // read, so only the busy handler's drop keeps Popbar alive.
    const UINT nKeyRelay = ::RegisterWindowMessageW(kKeyRelayMessageName);
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(popbar.Menu(), nKeyRelay, WM_KEYUP, 1, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(result, 1u);
    EXPECT_FALSE(popbar.IsMenuVisible()) << "answered before the first report's sequence ended";

    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }, 5000));
    EXPECT_TRUE(popbar.Process().IsRunning());
    EXPECT_EQ(Queries(), 1u);
}
