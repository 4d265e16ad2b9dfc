#include "hub_options.h"
#include "starting_state.h"

#include <gtest/gtest.h>

TEST(Numbers, AreDecimalOrHexadecimalAndFillTheWholeText)
{
    EXPECT_EQ(ParseNumber(L"0"), 0u);
    EXPECT_EQ(ParseNumber(L"1500"), 1500u);
    EXPECT_EQ(ParseNumber(L"0x10011"), 0x10011u);
    EXPECT_EQ(ParseNumber(L"0XfF"), 0xFFu);
    EXPECT_EQ(ParseNumber(L"4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseNumber(L"0xFFFFFFFF"), 0xFFFFFFFFu);

    for (const wchar_t* text : {L"", L"0x", L"-1", L"12ms", L"1e3", L" 5", L"0x1G", L"ff", L"4294967296",
                                L"0x100000000", L"99999999999999999999999"})
        EXPECT_FALSE(ParseNumber(text)) << text;
}

TEST(Switches, NoneGiveTheDefaults)
{
    const auto options = ParseHubOptions({});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->journalPath.empty());
    EXPECT_EQ(options->delayMs, 0u);
    EXPECT_FALSE(options->hang);
    EXPECT_TRUE(options->answerAvailability);
    EXPECT_EQ(options->availability, 1u);
    EXPECT_FALSE(options->hideOnAgain);
    EXPECT_FALSE(options->status);
    EXPECT_FALSE(options->display);
    EXPECT_FALSE(options->battery);
}

TEST(Switches, EveryOneIsRead)
{
    const auto options =
        ParseHubOptions({L"--journal", L"C:\\a b\\j.txt", L"--delay", L"1500", L"--hang", L"--no-24", L"--answer-24",
                         L"2", L"--status", L"0x10011", L"--display", L"0x103", L"--battery", L"101",
                         L"--hide-on-again"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->journalPath, L"C:\\a b\\j.txt");
    EXPECT_EQ(options->delayMs, 1500u);
    EXPECT_TRUE(options->hang);
    EXPECT_FALSE(options->answerAvailability);
    EXPECT_EQ(options->availability, 2u);
    EXPECT_TRUE(options->hideOnAgain);
    EXPECT_EQ(options->status, 0x10011u);
    EXPECT_EQ(options->display, 0x103u);
    EXPECT_EQ(options->battery, 101);
}

TEST(Switches, UnknownSwitchesAndMissingOrBadValuesAreRejected)
{
    const std::vector<std::vector<std::wstring>> bad = {
        {L"--verbose"},          {L"journal.txt"},         {L"--journal"},        {L"--journal", L""},
        {L"--delay"},            {L"--delay", L"soon"},    {L"--status", L"0xZ"}, {L"--display"},
        {L"--battery", L"256"},  {L"--battery", L"-1"},    {L"--answer-24"},      {L"--HANG"},
        {L"--hang", L"--delay"},
    };
    for (const auto& words : bad) {
        std::wstring text;
        for (const auto& w : words)
            text += w + L" ";
        EXPECT_FALSE(ParseHubOptions(words)) << std::string(text.begin(), text.end());
    }
}

TEST(Switches, TheLastOfARepeatedSwitchCounts)
{
    const auto options = ParseHubOptions({L"--battery", L"10", L"--battery", L"20", L"--delay", L"5", L"--delay", L"0"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->battery, 20);
    EXPECT_EQ(options->delayMs, 0u);
}

TEST(StartingState, SwitchesWinOverTheSavedCopyWhichWinsOverTheDefaults)
{
    HubOptions options;
    const HubState defaults = StartingState(options, std::nullopt, std::nullopt, 42);
    EXPECT_EQ(StatusWord(defaults), (42u << 20) | STATUS_DISMISS_ALLOWED);
    EXPECT_EQ(defaults.displayMode, DISPLAY_LAPTOP);

    const HubState saved = StartingState(options, 0x10010u, 3u, 42);
    EXPECT_EQ(StatusWord(saved), (42u << 20) | 0x10010u);
    EXPECT_EQ(saved.displayMode, 3u);

    options.status = 0x101u;
    options.display = 0x103u;
    const HubState given = StartingState(options, 0x10010u, 3u, 42);
    EXPECT_EQ(StatusWord(given), (42u << 20) | 0x101u);
    EXPECT_EQ(given.displayMode, 0x103u);
}

TEST(StartingState, TheBatteryIsAlwaysTheReadingNotTheSavedOrGivenByte)
{
    HubOptions options;
    options.status = (77u << 20) | 0x1u;
    EXPECT_EQ(StatusWord(StartingState(options, (66u << 20), std::nullopt, 255)) >> 20, 255u);
    options.status.reset();
    EXPECT_EQ(StatusWord(StartingState(options, (66u << 20), std::nullopt, 9)) >> 20, 9u);
}
