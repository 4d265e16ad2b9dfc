// The display-mode face that a "Display" value selects, and where Screen Hub is installed.
#include "peers/display_mode.h"
#include "peers/screen_hub_path.h"

#include <gtest/gtest.h>

TEST(DisplayFace, KnownCodesSelectTheirFace)
{
    EXPECT_EQ(DisplayFaceSlot(1), 0);
    EXPECT_EQ(DisplayFaceSlot(2), 1);
    EXPECT_EQ(DisplayFaceSlot(0x103), 2) << "the third face stands for 0x103";
    EXPECT_EQ(DisplayFaceSlot(3), 3) << "and the fourth for 3";
}

TEST(DisplayFace, OnlyTheLow12BitsCount)
{
    EXPECT_EQ(DisplayFaceSlot(0x1002), 1);
    EXPECT_EQ(DisplayFaceSlot(0xFFFFF103), 2);
    EXPECT_EQ(DisplayFaceSlot(0x7000), 0);
}

TEST(DisplayFace, UnknownCodesShowTheFirstFace)
{
    for (DWORD value : {0u, 4u, 0x100u, 0x203u, 0xFFFu})
        EXPECT_EQ(DisplayFaceSlot(value), 0) << value;
}

TEST(ScreenHubPath, StandardInstallIsTheSiblingFolder)
{
    EXPECT_EQ(ScreenHubPathFrom(L"C:\\Program Files (x86)\\CORVALE\\Popbar\\Popbar.exe"),
              std::wstring(L"C:\\Program Files (x86)\\CORVALE\\Swift Screen Hub\\ScreenHub.exe"));
}

TEST(ScreenHubPath, NoMatchGivesNothing)
{
    EXPECT_FALSE(ScreenHubPathFrom(L"C:\\popbar-nores\\Menu\\Popbar.exe"));
    EXPECT_FALSE(ScreenHubPathFrom(L"C:\\Tools\\popbar\\popbar.exe")) << "the match is case-sensitive";
    EXPECT_FALSE(ScreenHubPathFrom(L""));
}

TEST(ScreenHubPath, EveryOccurrenceIsReplaced)
{
    EXPECT_EQ(ScreenHubPathFrom(L"D:\\Popbar\\Popbar.exe\\Popbar\\Popbar.exe"),
              std::wstring(L"D:\\Swift Screen Hub\\ScreenHub.exe\\Swift Screen Hub\\ScreenHub.exe"));
    EXPECT_EQ(ScreenHubPathFrom(L"X:\\MyPopbar\\Popbar.exe"), std::wstring(L"X:\\MySwift Screen Hub\\ScreenHub.exe"))
        << "the text is replaced wherever it stands, also inside a longer folder name";
}
