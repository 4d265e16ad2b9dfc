#include "hub_journal.h"
#include "hub_view.h"
#include "journal_line.h"

#include <gtest/gtest.h>

TEST(JournalLine, ReceivedAndPostedMessagesAsDecimalWordsOnOneLine)
{
    EXPECT_EQ(JournalLine(JournalDirection::In, 123456, 2225, 19, 0), "123456 2225 19 0\r\n");
    EXPECT_EQ(JournalLine(JournalDirection::Out, 7, 2225, 24, 1), "out 7 2225 24 1\r\n");
    EXPECT_EQ(JournalLine(JournalDirection::In, 0, 55, 0, -1), "0 55 0 -1\r\n");
}

TEST(JournalLine, TheMenusMessagesAndTheApplicationRangesAreJournaled)
{
    for (const UINT message : {UINT{54}, UINT{55}, UINT{2225}, UINT{WM_USER}, UINT{WM_APP}, UINT{0xBFFF}})
        EXPECT_TRUE(IsJournaled(message)) << message;
    for (const UINT message : {UINT{WM_PAINT}, UINT{WM_TIMER}, UINT{53}, UINT{56}, UINT{WM_USER - 1}, UINT{0xC000},
                               UINT{0xC123}})
        EXPECT_FALSE(IsJournaled(message)) << message;
}

TEST(JournalReader, ReadsBackWhatScreenHubWrites)
{
    const std::string text = JournalLine(JournalDirection::In, 1000, 2225, 19, 0) +
                             JournalLine(JournalDirection::Out, 1001, 2225, 48, 0) +
                             JournalLine(JournalDirection::In, 18446744073709551000ull, 54, 0, -5);
    const auto entries = driver::ParseHubJournal(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].timeMs, 1000u);
    EXPECT_EQ(entries[0].direction, driver::HubDirection::In);
    EXPECT_EQ(entries[0].message, 2225u);
    EXPECT_EQ(entries[0].wParam, 19u);
    EXPECT_EQ(entries[0].lParam, 0);
    EXPECT_EQ(entries[1].direction, driver::HubDirection::Out);
    EXPECT_EQ(entries[1].wParam, 48u);
    EXPECT_EQ(entries[2].timeMs, 18446744073709551000ull);
    EXPECT_EQ(entries[2].message, 54u);
    EXPECT_EQ(entries[2].lParam, -5);
}

TEST(JournalReader, SkipsAHalfWrittenLastLineAndMalformedLines)
{
    const auto entries =
        driver::ParseHubJournal("5 2225 43 1\n\nout\nout 6 2225\nx 1 2 3\n7 55 0 0 9\n8 2225 1 0\n9 2225 4");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].wParam, 43u);
    EXPECT_EQ(entries[1].timeMs, 8u);
    EXPECT_EQ(entries[1].wParam, 1u);
}

TEST(JournalReader, MatchesByDirectionMessageCodeAndArgument)
{
    const driver::HubJournalEntry posted{1, driver::HubDirection::Out, 2225, 24, 2};
    EXPECT_TRUE(driver::HubEntry(driver::HubDirection::Out, 2225)(posted));
    EXPECT_TRUE(driver::HubEntry(driver::HubDirection::Out, 2225, 24)(posted));
    EXPECT_TRUE(driver::HubEntry(driver::HubDirection::Out, 2225, 24, 2)(posted));
    EXPECT_FALSE(driver::HubEntry(driver::HubDirection::In, 2225, 24, 2)(posted));
    EXPECT_FALSE(driver::HubEntry(driver::HubDirection::Out, 55)(posted));
    EXPECT_FALSE(driver::HubEntry(driver::HubDirection::Out, 2225, 48)(posted));
    EXPECT_FALSE(driver::HubEntry(driver::HubDirection::Out, 2225, 24, 1)(posted));
}

TEST(WindowTexts, ShowTheWordItsBitsTheBatteryAndTheDisplayMode)
{
    HubState state = WithStatusWord(HubState{}, (101u << 20) | 0x10011u);
    state.displayMode = DISPLAY_DUPLICATE;
    const auto lines = DescribeState(state);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], L"Status word 0x06510011");
    EXPECT_NE(lines[2].find(L"wired LAN: on"), std::wstring::npos);
    EXPECT_NE(lines[3].find(L"bluetooth: off"), std::wstring::npos);
    EXPECT_NE(lines[5].find(L"not known"), std::wstring::npos);
    EXPECT_NE(lines[6].find(L"duplicate"), std::wstring::npos);

    state.battery = 100;
    EXPECT_NE(DescribeState(state)[5].find(L"100 %"), std::wstring::npos);
    EXPECT_EQ(DescribeMessage(JournalDirection::Out, 2225, 24, 1), L"out MSG_HUBCMD 24 resolution available 1");
}
