// Where Screen Hub is installed.
#include "peers/screen_hub_path.h"

#include <gtest/gtest.h>

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
