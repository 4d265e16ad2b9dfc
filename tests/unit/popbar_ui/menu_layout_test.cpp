// The menu's grid and its button table, as rules the layout keeps, and its opacity arithmetic.
#include "menu/menu_buttons.h"
#include "protocol/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

RECT SlotRect(int nSlot, SIZE size)
{
    const ButtonSlot& slot = kButtonTable[nSlot];
    const POINT at = ButtonPosition(slot.nRow, slot.bRightColumn, size.cx, size.cy);
    return {at.x, at.y, at.x + size.cx, at.y + size.cy};
}

// The default skin's sizes: the display-mode faces span both columns.
SIZE DefaultSize(int nSlot)
{
    return nSlot < kDisplayFaceCount ? SIZE{202, 30} : SIZE{100, 30};
}

TEST(ButtonGrid, TheDefaultSkinsButtonsTileTheBackgroundRightOfTheLabelsWithoutOverlap)
{
    const RECT background{0, 0, 340, 335};
    for (int a = 0; a < kButtonCount; ++a) {
        const RECT ra = SlotRect(a, DefaultSize(a));
        EXPECT_GE(ra.left, 128) << "the labels' strip stays clear; slot " << a;
        EXPECT_LE(ra.right, background.right - 5) << a;
        EXPECT_LE(ra.bottom, background.bottom) << a;
        for (int b = a + 1; b < kButtonCount; ++b) {
            if (b < kDisplayFaceCount)
                continue; // the four faces share one place
            const RECT rb = SlotRect(b, DefaultSize(b));
            RECT overlap{};
            EXPECT_FALSE(::IntersectRect(&overlap, &ra, &rb)) << a << " and " << b;
        }
    }
}

TEST(ButtonGrid, RowsAreElevenPixelsApartAndARightButtonFollowsItsLeftOneAfterTwoPixels)
{
    for (const SIZE size : {SIZE{100, 30}, SIZE{64, 22}, SIZE{1, 1}}) {
        for (int nRow = 0; nRow < 7; ++nRow) {
            const POINT left = ButtonPosition(nRow, false, size.cx, size.cy);
            const POINT right = ButtonPosition(nRow, true, size.cx, size.cy);
            const POINT below = ButtonPosition(nRow + 1, false, size.cx, size.cy);
            EXPECT_EQ(right.x - (left.x + size.cx), 2) << nRow;
            EXPECT_EQ(right.y, left.y) << nRow;
            EXPECT_EQ(below.y - (left.y + size.cy), 11) << nRow;
        }
    }
}

TEST(ButtonTable, SlotsAreInVisualOrderAndEveryIdIsThere)
{
    std::set<UINT> ids;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        ids.insert(kButtonTable[nSlot].nID);
        if (nSlot == 0)
            continue;
        const ButtonSlot& before = kButtonTable[nSlot - 1];
        const ButtonSlot& slot = kButtonTable[nSlot];
        const bool bLater = slot.nRow > before.nRow || (slot.nRow == before.nRow && slot.bRightColumn && !before.bRightColumn) ||
                            nSlot < kDisplayFaceCount;
        EXPECT_TRUE(bLater) << nSlot;
    }
    EXPECT_EQ(ids.size(), 14u);
    EXPECT_EQ(*ids.begin(), ID_DARKER);
    EXPECT_EQ(*ids.rbegin(), ID_RES_HIGH);
    EXPECT_EQ(kButtonTable[kBatterySlot].nID, ID_BATTERY);
    EXPECT_EQ(kButtonTable[kBatterySlot].form, ImageForm::SixIdsAndGlyphs);
}

TEST(ButtonTable, OneDisplayFaceShowsAtFirstAndEveryOtherButtonShows)
{
    int nShownFaces = 0;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        if (nSlot < kDisplayFaceCount)
            nShownFaces += kButtonTable[nSlot].bShown;
        else
            EXPECT_TRUE(kButtonTable[nSlot].bShown) << nSlot;
    }
    EXPECT_EQ(nShownFaces, 1);
}

TEST(ButtonTable, SixIdsGiveOnePicturePerFaceAndFourIdsOneUnlitPictureForAllUnlitFaces)
{
    for (const ButtonSlot& slot : kButtonTable) {
        for (int nFace = 0; nFace < 6; ++nFace) {
            const WORD nExpected = slot.form == ImageForm::FourIds && nFace > 3 ? slot.images[3] : slot.images[nFace];
            EXPECT_EQ(FacePicture(slot, static_cast<FaceSlot>(nFace)), nExpected) << slot.nID << " face " << nFace;
        }
    }
    EXPECT_EQ(FacePicture(kButtonTable[8], FaceSlot::OffHover), 2125) << "resolution normal: its disabled look";
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
