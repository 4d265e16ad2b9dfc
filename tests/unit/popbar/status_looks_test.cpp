// What Screen Hub's status word and display mode look like on the menu.
#include "menu/status_looks.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The final look of each id after the looks are applied in order.
std::map<UINT, bool> FinalLooks(DWORD nStatus)
{
    std::map<UINT, bool> looks;
    for (const ButtonLook& look : PairLooksFromStatus(nStatus))
        looks[look.nID] = look.bOn;
    return looks;
}

} // namespace

TEST(PairLooks, EachStatusBitLightsOneSideOfItsOwnPairAndScreenOnAlwaysOpensLit)
{
    const struct {
        DWORD bit;
        UINT on;
        UINT off;
    } pairs[] = {
        {STATUS_WIRED_LAN_ON, ID_WIRED_LAN_ON, ID_WIRED_LAN_OFF},
        {STATUS_BLUETOOTH_ON, ID_BLUETOOTH_ON, ID_BLUETOOTH_OFF},
        {STATUS_WIRELESS_ON, ID_WIRELESS_ON, ID_WIRELESS_OFF},
    };
    for (DWORD status : {DWORD{0}, STATUS_WIRED_LAN_ON, STATUS_BLUETOOTH_ON, STATUS_WIRELESS_ON, DWORD{0x10110},
                         DWORD{0xFFFFFFFF}}) {
        const auto looks = FinalLooks(status);
        EXPECT_EQ(looks.size(), 8u);
        for (const auto& pair : pairs) {
            const bool bSet = (status & pair.bit) != 0;
            EXPECT_EQ(looks.at(pair.on), bSet) << std::hex << status;
            EXPECT_EQ(looks.at(pair.off), !bSet) << std::hex << status;
        }
        EXPECT_TRUE(looks.at(ID_SCREEN_ON)) << "Screen Hub keeps no state for the screen";
        EXPECT_FALSE(looks.at(ID_SCREEN_OFF));
    }
    EXPECT_EQ(FinalLooks(STATUS_DISMISS_ALLOWED | (100u << kBatteryShift)), FinalLooks(0))
        << "the dismiss bit and the battery change no looks";
}

TEST(DisplayFace, EachModeHasItsFaceAndOnlyTheLow12BitsCount)
{
    const struct {
        DWORD display;
        int slot;
    } cases[] = {
        {DISPLAY_LAPTOP, 0}, {DISPLAY_MONITOR, 1}, {DISPLAY_DUPLICATE, 2}, {DISPLAY_EXTEND, 3},
        {0x1002, 1},         {0xFFFFF103, 2},      {0x7000, 0},           {0, 0},
        {4, 0},              {0x100, 0},           {0x203, 0},            {0xFFF, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayFaceSlot(c.display), c.slot) << std::hex << c.display;
}
