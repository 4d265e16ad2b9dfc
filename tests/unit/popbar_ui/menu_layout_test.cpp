// The menu's grid, its button table and its opacity arithmetic.
#include "menu/menu_buttons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(ButtonGrid, ColumnsAndRowsOfEqualButtons)
{
    const int w = 100;
    const int h = 30;
    for (int k = 0; k < 8; ++k) {
        const POINT left = ButtonPosition(k, false, w, h);
        const POINT right = ButtonPosition(k, true, w, h);
        EXPECT_EQ(left.x, 128) << k;
        EXPECT_EQ(right.x, w + 130) << k;
        EXPECT_EQ(left.y, 9 + k * (h + 11)) << k;
        EXPECT_EQ(right.y, left.y) << k;
    }
}

TEST(ButtonGrid, BatteryAloneInTheLastRow)
{
    const POINT battery = ButtonPosition(7, false, 64, 22);
    EXPECT_EQ(battery.x, 128);
    EXPECT_EQ(battery.y, 7 * 22 + 86);
}

TEST(ButtonGrid, RightColumnFollowsTheButtonsOwnWidth)
{
    EXPECT_EQ(ButtonPosition(1, true, 202, 30).x, 332);
    EXPECT_EQ(ButtonPosition(0, false, 202, 30).y, 9);
}

TEST(ButtonTable, SlotsInVisualOrderWithTheirIds)
{
    const UINT ids[kButtonCount] = {103, 103, 103, 103, 100, 101, 104, 105, 112, 113, 108, 109, 110, 111, 106, 107, 102};
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const ButtonSlot& slot = kButtonTable[nSlot];
        EXPECT_EQ(slot.nID, ids[nSlot]) << nSlot;
        const int nRow = nSlot < 4 ? 0 : (nSlot - 4) / 2 + 1;
        EXPECT_EQ(slot.nRow, nRow) << nSlot;
        EXPECT_EQ(slot.bRightColumn, nSlot >= 4 && nSlot < 16 && nSlot % 2 == 1) << nSlot;
        EXPECT_EQ(slot.bShown, nSlot == 0 || nSlot >= 4) << nSlot;
    }
}

TEST(ButtonTable, PairsShareTheirLeftAndRightImageSets)
{
    for (int nSlot : {10, 12, 14})
        EXPECT_TRUE(std::equal(std::begin(kButtonTable[nSlot].images), std::end(kButtonTable[nSlot].images),
                               std::begin(kButtonTable[6].images)))
            << nSlot;
    for (int nSlot : {11, 13, 15})
        EXPECT_TRUE(std::equal(std::begin(kButtonTable[nSlot].images), std::end(kButtonTable[nSlot].images),
                               std::begin(kButtonTable[7].images)))
            << nSlot;
    EXPECT_EQ(kButtonTable[6].images[0], 2111);
    EXPECT_EQ(kButtonTable[7].images[0], 2107);
}

TEST(ButtonTable, LoaderFormsAndTheBatteryGlyphs)
{
    for (int nSlot = 0; nSlot < 16; ++nSlot) {
        const bool bFourIds = nSlot < 4 || nSlot == 8 || nSlot == 9;
        EXPECT_EQ(kButtonTable[nSlot].form, bFourIds ? ImageForm::FourIds : ImageForm::SixIds) << nSlot;
    }
    EXPECT_EQ(kButtonTable[16].form, ImageForm::SixIdsAndGlyphs);
    EXPECT_EQ(kButtonTable[16].nFirstGlyph, 2200);
    // A display-mode face's normal picture is also its unlit one.
    for (int nSlot = 0; nSlot < 4; ++nSlot)
        EXPECT_EQ(kButtonTable[nSlot].images[3], kButtonTable[nSlot].images[0]) << nSlot;
}

TEST(ButtonTable, LoadOrderCoversEverySlotOnce)
{
    const std::set<int> slots(std::begin(kLoadOrder), std::end(kLoadOrder));
    EXPECT_EQ(slots.size(), static_cast<size_t>(kButtonCount));
    EXPECT_EQ(*slots.begin(), 0);
    EXPECT_EQ(*slots.rbegin(), kButtonCount - 1);
}

TEST(MenuOpacity, AlphaIsTheTruncatedShareOf255)
{
    EXPECT_EQ(OpacityAlpha(85), 216);
    EXPECT_EQ(OpacityAlpha(99), 252);
    EXPECT_EQ(OpacityAlpha(0), 0);
    EXPECT_EQ(OpacityAlpha(1), 2);
    EXPECT_EQ(OpacityAlpha(50), 127);
}

} // namespace
