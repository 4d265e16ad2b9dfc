// Popbar resident for weeks meets whatever other programs send its menu window or leave in Screen Hub's
// settings: random and malformed messages of every kind it takes, family by family, after which Popbar
// still runs, stands where the design puts it and opens with the looks of Screen Hub's status word; and
// settings of other types and sizes, which give the looks of the number they hold or none.
#include "hub_fixture.h"
#include "menu_rows.h"
#include "menu_view.h"
#include "registry_values.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <random>
#include <string>
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

namespace {

// Popbar without Screen Hub, so the registry copy answers; the copy's values come back as they were.
class PopbarOddSettings : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub())); }

    void Write(const char* pszName, DWORD type, const std::string& bytes) const
    {
        ASSERT_TRUE(driver::WriteValue(HKEY_CURRENT_USER, kHubSettingsKeyA, pszName, type, bytes.data(),
                                       static_cast<DWORD>(bytes.size())));
    }
    // The display-mode face that shows after the menu took up the "Display" value again.
    HWND ShownFace() const
    {
        ::SendMessageW(popbar.Menu(), MSG_RELOADDISPLAY, 0, 0);
        return driver::VisibleMenuButton(popbar.Menu(), ID_DISPLAYMODE);
    }

    driver::ScopedValue savedStatus{HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, std::nullopt};
    driver::ScopedValue savedDisplay{HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, std::nullopt};
    PopbarProcess popbar;
};

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

} // namespace

// Up to 4 bytes of any type are the number, the missing high bytes zero; anything longer is no value.
TEST_F(PopbarOddSettings, ValuesOfOtherTypesAndSizesGiveTheLooksOfTheNumberTheyHoldOrNone)
{
    const struct {
        const char* what;
        DWORD type;
        std::string bytes;
        bool bLan, bBluetooth, bWireless;
    } statusRows[] = {
        {"no bytes", REG_BINARY, "", false, false, false},
        {"2 bytes", REG_BINARY, Bytes({0x11, 0x01}), true, true, false},
        {"4 bytes of binary", REG_BINARY, Bytes({0x10, 0x00, 0x01, 0x00}), true, false, true},
        {"8 bytes", REG_QWORD, Bytes({0x10, 0x01, 0x01, 0x00, 0, 0, 0, 0}), false, false, false},
        {"a one-letter text (\"1\", 4 bytes in the registry)", REG_SZ, "1", true, false, false},
        {"a longer text", REG_SZ, "0x10110", false, false, false},
    };
    for (const auto& row : statusRows) {
        Write(kStatusValueA, row.type, row.bytes);
        ASSERT_TRUE(popbar.SendMenuKey()) << row.what;
        ASSERT_TRUE(popbar.IsMenuVisible()) << row.what;
        const RECT menu = popbar.MenuRect();
        EXPECT_TRUE(RowShows(menu, kWiredLanRow, row.bLan, !row.bLan)) << row.what;
        EXPECT_TRUE(RowShows(menu, kBluetoothRow, row.bBluetooth, !row.bBluetooth)) << row.what;
        EXPECT_TRUE(RowShows(menu, kWirelessRow, row.bWireless, !row.bWireless)) << row.what;
        ::SendMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
    }

    std::map<DWORD, HWND> faces;
    for (DWORD mode : {DISPLAY_LAPTOP, DISPLAY_MONITOR, DISPLAY_DUPLICATE, DISPLAY_EXTEND}) {
        ASSERT_TRUE(driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, mode));
        faces[mode] = ShownFace();
    }
    const struct {
        const char* what;
        DWORD type;
        std::string bytes;
        DWORD before; // the mode shown before the odd value
        DWORD shown;
    } displayRows[] = {
        {"no bytes: mode 0", REG_BINARY, "", DISPLAY_MONITOR, DISPLAY_LAPTOP},
        {"2 bytes of 0x103", REG_BINARY, Bytes({0x03, 0x01}), DISPLAY_LAPTOP, DISPLAY_DUPLICATE},
        {"8 bytes: no value, the face stays", REG_QWORD, Bytes({0x03, 0, 0, 0, 0, 0, 0, 0}), DISPLAY_MONITOR,
         DISPLAY_MONITOR},
        {"the text \"3\": 0x33, no mode", REG_SZ, "3", DISPLAY_EXTEND, DISPLAY_LAPTOP},
    };
    for (const auto& row : displayRows) {
        ASSERT_TRUE(driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kDisplayValueA, row.before));
        ASSERT_EQ(ShownFace(), faces[row.before]) << row.what;
        Write(kDisplayValueA, row.type, row.bytes);
        EXPECT_EQ(ShownFace(), faces[row.shown]) << row.what;
    }
    EXPECT_TRUE(popbar.Process().IsRunning());
}
