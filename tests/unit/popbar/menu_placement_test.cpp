// Where the menu stands.
#include "controller/menu_placement.h"

#include <gtest/gtest.h>

namespace {

const SIZE kMenu{340, 335};

} // namespace

TEST(MenuPlacement, OpensFivePixelsFromTheRightEdgeAndTheTop)
{
    const POINT at = OpenMenuPlace(1024, kMenu);
    EXPECT_EQ(at.x, 1024 - 340 - 5);
    EXPECT_EQ(at.y, 5);
    EXPECT_EQ(OpenMenuPlace(800, kMenu).x, 455) << "a narrower desktop moves the menu left";
    EXPECT_EQ(OpenMenuPlace(300, kMenu).x, -45) << "a desktop narrower than the menu puts it partly off-screen";
}

TEST(MenuPlacement, ParksEntirelyOffTheDesktop)
{
    for (const SIZE size : {kMenu, SIZE{10, 20}, SIZE{1, 1}}) {
        const POINT at = ParkedMenuPlace(size);
        EXPECT_LT(at.x + size.cx, 0) << size.cx;
        EXPECT_LT(at.y + size.cy, 0) << size.cy;
    }
}
