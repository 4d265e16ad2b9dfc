// Where the menu stands.
#include "controller/menu_placement.h"

#include <gtest/gtest.h>

namespace {

const SIZE kMenu{340, 335};

} // namespace

// Open, the menu keeps a 5-pixel margin to the desktop's right edge and top, whatever the width: on
// the desktop whole when it fits, cut on the left (never on the right) when it does not.
TEST(MenuPlacement, OpensInTheTopRightCornerWithAMarginOfFive)
{
    for (const LONG nRight : {1920L, 1024L, 800L, 345L, 300L}) {
        const POINT at = OpenMenuPlace(nRight, kMenu);
        EXPECT_EQ(nRight - (at.x + kMenu.cx), 5) << nRight;
        EXPECT_EQ(at.y, 5) << nRight;
        EXPECT_EQ(at.x >= 0, nRight >= kMenu.cx + 5) << nRight;
    }
}

TEST(MenuPlacement, ParksEntirelyOffTheDesktop)
{
    for (const SIZE size : {kMenu, SIZE{10, 20}, SIZE{1, 1}}) {
        const POINT at = ParkedMenuPlace(size);
        EXPECT_LT(at.x + size.cx, 0) << size.cx;
        EXPECT_LT(at.y + size.cy, 0) << size.cy;
    }
}
