// Where the menu stands and which pair buttons light up for a status word.
#include "controller/menu_placement.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const SIZE kMenu{340, 335};

// The final look of each id after the looks are applied in order.
std::map<UINT, bool> FinalLooks(DWORD nStatus)
{
    std::map<UINT, bool> looks;
    for (const ButtonLook& look : PairLooksFromStatus(nStatus))
        looks[look.nID] = look.bOn;
    return looks;
}

} // namespace

TEST(MenuPlacement, OpensFivePixelsFromTheRightEdgeAndTheTop)
{
    const POINT at = OpenMenuPlace(1024, kMenu);
    EXPECT_EQ(at.x, 1024 - 340 - 5);
    EXPECT_EQ(at.y, 5);
    EXPECT_EQ(OpenMenuPlace(800, kMenu).x, 455) << "a narrower desktop moves the menu left";
    EXPECT_EQ(OpenMenuPlace(300, kMenu).x, -45) << "a desktop narrower than the menu puts it partly off-screen";
}

TEST(MenuPlacement, ParksJustOffTheTopLeftCorner)
{
    const POINT at = ParkedMenuPlace(kMenu);
    EXPECT_EQ(at.x, -370);
    EXPECT_EQ(at.y, -365);
    const POINT small = ParkedMenuPlace({10, 20});
    EXPECT_EQ(small.x, -40);
    EXPECT_EQ(small.y, -50);
}

TEST(PairLooks, StatusZeroLightsTheOffButtonsAnd104)
{
    const auto looks = FinalLooks(0);
    EXPECT_EQ(looks, (std::map<UINT, bool>{{104, true}, {105, false}, {106, false}, {107, true},
                                           {108, false}, {109, true}, {110, false}, {111, true}}));
}

TEST(PairLooks, EachStatusBitLightsItsOwnPairOnly)
{
    auto looks = FinalLooks(0x10);
    EXPECT_TRUE(looks[106]);
    EXPECT_FALSE(looks[107]);
    EXPECT_TRUE(looks[109]) << "0x10 is the wired LAN only";
    EXPECT_TRUE(looks[111]);

    looks = FinalLooks(0x100);
    EXPECT_TRUE(looks[108]);
    EXPECT_FALSE(looks[109]);
    EXPECT_TRUE(looks[107]);

    looks = FinalLooks(0x10000);
    EXPECT_TRUE(looks[110]);
    EXPECT_FALSE(looks[111]);
    EXPECT_TRUE(looks[109]);
}

TEST(PairLooks, DismissAndBatteryBitsChangeNoLooksAnd104AlwaysOpensLit)
{
    EXPECT_EQ(FinalLooks(0x1 | (100u << 20)), FinalLooks(0));
    const auto all = FinalLooks(0xFFFFFFFF);
    EXPECT_EQ(all, (std::map<UINT, bool>{{104, true}, {105, false}, {106, true}, {107, false},
                                         {108, true}, {109, false}, {110, true}, {111, false}}));
}

TEST(PairLooks, SetsTheLitLanAnd108ButtonBeforeItsPartnerAnd110Before111)
{
    const auto off = PairLooksFromStatus(0);
    EXPECT_EQ(off[0].nID, 107u);
    EXPECT_EQ(off[1].nID, 106u);
    EXPECT_EQ(off[2].nID, 109u);
    EXPECT_EQ(off[3].nID, 108u);
    EXPECT_EQ(off[4].nID, 110u);
    EXPECT_EQ(off[5].nID, 111u);
    EXPECT_EQ(off[6].nID, 104u);
    EXPECT_EQ(off[7].nID, 105u);
    const auto on = PairLooksFromStatus(0x10110);
    EXPECT_EQ(on[0].nID, 106u);
    EXPECT_EQ(on[2].nID, 108u);
    EXPECT_EQ(on[4].nID, 110u);
}
