// Popbar resident for weeks meets whatever other programs send its menu window: random and malformed
// messages of every kind it takes, family by family. After each family Popbar still runs, its window
// stands where the design puts it, and at the end the menu still opens with the looks of the status
// word Screen Hub answers.
#include "hub_fixture.h"
#include "menu_rows.h"
#include "menu_view.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

using namespace popbar_e2e;
using driver::HubDirection;
using driver::HubEntry;

namespace {

class PopbarHostile : public PopbarWithScreenHub {
protected:
    void Post(UINT message, WPARAM wParam, LPARAM lParam) const { ::PostMessageW(popbar.Menu(), message, wParam, lParam); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(popbar.Menu(), message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result);
        return static_cast<LRESULT>(result);
    }
    // Posted messages are handled in order: once a disable and then an enable of the resolution
    // buttons posted after them have shown, Popbar has handled every message posted before.
    testing::AssertionResult Drained() const
    {
        const HWND hResolution = ::GetDlgItem(popbar.Menu(), ID_RES_NORMAL);
        for (LPARAM availability : {LPARAM{0}, AVAILABLE}) {
            Post(MSG_HUBCMD, HUBCMD_AVAILABILITY, availability);
            if (!driver::WaitUntil([&] { return (::IsWindowEnabled(hResolution) != FALSE) == (availability == AVAILABLE); }, 30000))
                return testing::AssertionFailure() << "Popbar did not get through its messages";
        }
        return testing::AssertionSuccess();
    }
    // Open at the desktop's top-right corner, or, hidden, there or parked off the desktop.
    testing::AssertionResult InItsPlace() const
    {
        RECT desktop{};
        ::GetClientRect(::GetDesktopWindow(), &desktop);
        const RECT rc = popbar.MenuRect();
        const bool bOpenPlace = rc.left == desktop.right - kMenuSize.cx - 5 && rc.top == 5;
        const bool bParked = rc.left == -30 - kMenuSize.cx && rc.top == -30 - kMenuSize.cy;
        const bool bSize = rc.right - rc.left == kMenuSize.cx && rc.bottom - rc.top == kMenuSize.cy;
        if (bSize && (bOpenPlace || (!popbar.IsMenuVisible() && bParked)))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "menu at " << rc.left << "," << rc.top << " to " << rc.right << ","
                                           << rc.bottom << (popbar.IsMenuVisible() ? ", shown" : ", hidden");
    }
};

} // namespace

TEST_F(PopbarHostile, RandomAndMalformedMessagesLeavePopbarUpInPlaceAndTrueToTheStatusWord)
{
    Start(L"--status 0x11 --battery 42");
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    std::mt19937 random(20261209);
    auto any = [&] { return static_cast<LPARAM>(static_cast<LONG_PTR>(static_cast<INT32>(random()))); };
    const UINT nKeyRelay = ::RegisterWindowMessageW(kKeyRelayMessageName);
    std::vector<BYTE> block(65536, 0xA5);

    const struct {
        const char* family;
        std::function<void()> send;
    } families[] = {
        {"MSG_HUBCMD with every code 0-255 and any argument",
         [&] {
             for (WPARAM code = 0; code <= 255; ++code)
                 Post(MSG_HUBCMD, code, any());
         }},
        {"MSG_MENUBTN with any parameters, the menu key's among them",
         [&] {
             for (int i = 0; i < 200; ++i)
                 Post(MSG_MENUBTN, random() % 4, random() % 4);
         }},
        {"WM_COMMAND with any id and notification code, IDOK and IDCANCEL among them",
         [&] {
             for (int i = 0; i < 300; ++i) {
                 const WPARAM id = i % 3 == 0 ? 1 + random() % 2 : 95 + random() % 25;
                 Post(WM_COMMAND, MAKEWPARAM(id, random() % 3 == 0 ? random() % 0x400 : 0), any());
             }
         }},
        {"WM_COPYDATA of odd and large sizes",
         [&] {
             for (DWORD cb : {DWORD{0}, DWORD{1}, DWORD{3}, DWORD{4096}, DWORD{65536}}) {
                 COPYDATASTRUCT data{static_cast<ULONG_PTR>(any()), cb, cb ? block.data() : nullptr};
                 Send(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
             }
         }},
        {"a storm of WM_DISPLAYCHANGE",
         [&] {
             for (int i = 0; i < 300; ++i)
                 Post(WM_DISPLAYCHANGE, random() % 64, any());
         }},
        {"WM_POWERBROADCAST with every event",
         [&] {
             for (WPARAM event = 0; event <= 0x20; ++event)
                 Post(WM_POWERBROADCAST, event, any());
             Post(WM_POWERBROADCAST, 0x8013, any());
         }},
        {"KeyRelay reports whose address is nothing in Popbar",
         [&] {
             for (LPARAM address : {LPARAM{0}, LPARAM{1}, LPARAM{0x10000}, LPARAM{-1}, LPARAM{-4096}, any(), any()})
                 EXPECT_EQ(Send(nKeyRelay, WM_KEYUP, address), 1) << address;
         }},
    };
    for (const auto& family : families) {
        family.send();
        ASSERT_TRUE(Drained()) << family.family;
        ASSERT_TRUE(popbar.Process().IsRunning()) << family.family;
        EXPECT_TRUE(InItsPlace()) << family.family;
    }

    // Whatever the storm armed, the screen's ON disarms; then the menu opens with Screen Hub's word.
    Post(WM_COMMAND, ID_SCREEN_ON, 0);
    Post(MSG_HIDEMENU, 0, 0);
    ASSERT_TRUE(Drained());
    DWORD_PTR status = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(::FindWindowW(nullptr, kScreenHubTitle), MSG_HUBCMD, HUBCMD_QUERYSTATUS, 0,
                                      SMTO_ABORTIFHUNG, 5000, &status));
    OpenMenu();
    EXPECT_TRUE(InItsPlace());
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, status & STATUS_WIRED_LAN_ON, !(status & STATUS_WIRED_LAN_ON)));
    EXPECT_TRUE(RowShows(menu, kBluetoothRow, status & STATUS_BLUETOOTH_ON, !(status & STATUS_BLUETOOTH_ON)));
    EXPECT_TRUE(RowShows(menu, kWirelessRow, status & STATUS_WIRELESS_ON, !(status & STATUS_WIRELESS_ON)));
    EXPECT_TRUE(RowShows(menu, kScreenRow, true, false));
}
