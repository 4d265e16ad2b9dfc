// What each button press does, in order, and what the two hooks make of the events they see.
#include "commands/command_table.h"
#include "keyhook/hook_decisions.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Kind = CommandStepKind;
using Steps = std::vector<CommandStep>;

CommandStep Mark(UINT nID)
{
    return {Kind::MarkSelected, nID};
}

CommandStep Unmark(UINT nID)
{
    return {Kind::MarkNotSelected, nID};
}

CommandStep Post(WPARAM nCode, LPARAM nArgument)
{
    return {Kind::PostToHub, 0, nCode, nArgument};
}

} // namespace

void PrintTo(const CommandStep& step, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(step.kind) << " id " << step.nID << " code " << step.nCode << " arg "
        << step.nArgument << "}";
}

TEST(CommandTable, EveryButtonPostsItsCodeAndSetsItsLooksInOrder)
{
    const struct {
        WPARAM id;
        Steps steps;
    } rows[] = {
        {100, {Mark(100), Post(8, 0)}},
        {101, {Post(7, 0), Mark(101)}},
        {102, {Post(2, 0)}},
        {103, {Post(1, 0)}},
        {106, {Mark(106), Unmark(107), Post(43, 1)}},
        {107, {Mark(107), Unmark(106), Post(43, 0)}},
        {108, {Mark(108), Unmark(109), Post(47, 0)}},
        {109, {Mark(109), Unmark(108), Post(47, 1)}},
        {110, {Post(46, 1), Mark(110), Unmark(111)}},
        {111, {Post(46, 0), Mark(111), Unmark(110)}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CommandSteps(row.id, false), row.steps) << "id " << row.id;
        EXPECT_EQ(CommandSteps(row.id, true), row.steps) << "the latch is only for 112/113; id " << row.id;
    }
}

TEST(CommandTable, ScreenPairDrivesTheOutsideClickHook)
{
    EXPECT_EQ(CommandSteps(104, false),
              (Steps{{Kind::RemoveOutsideClickHook}, Mark(104), Unmark(105), Post(45, 1)}));
    // Removed before armed, so two presses leave one hook; armed last, after the menu came to the front.
    EXPECT_EQ(CommandSteps(105, false),
              (Steps{{Kind::RemoveOutsideClickHook}, Post(45, 0), Mark(105), Unmark(104), {Kind::BringMenuToFront},
                     {Kind::InstallOutsideClickHook}}));
}

TEST(CommandTable, ResolutionButtonsAskOncePerDisplayChange)
{
    EXPECT_EQ(CommandSteps(112, false), (Steps{{Kind::SetDisplayChangeLatch}, Post(17, 0)}));
    EXPECT_EQ(CommandSteps(113, false), (Steps{{Kind::SetDisplayChangeLatch}, Post(42, 0)}));
    EXPECT_TRUE(CommandSteps(112, true).empty());
    EXPECT_TRUE(CommandSteps(113, true).empty());
}

TEST(CommandTable, OtherCommandsAndNotificationCodesDoNothing)
{
    for (WPARAM wParam : {WPARAM{0}, WPARAM{1}, WPARAM{2}, WPARAM{99}, WPARAM{114}, WPARAM{0x10064},
                          MAKEWPARAM(104, BN_CLICKED + 1), MAKEWPARAM(112, 5)})
        EXPECT_TRUE(CommandSteps(wParam, false).empty()) << std::hex << wParam;
}

TEST(KeyReport, OnlyReleasesOfTheExtendedLaptopKeysCount)
{
    const DWORD up = LLKHF_UP | LLKHF_EXTENDED;
    EXPECT_EQ(KeyReportActionFor(0x54, up), KeyReportAction::MenuKey);
    EXPECT_EQ(KeyReportActionFor(0x78, up), KeyReportAction::DialKeyboardKey);
    EXPECT_EQ(KeyReportActionFor(0x54, up | LLKHF_INJECTED), KeyReportAction::MenuKey) << "injected keys count";
    EXPECT_EQ(KeyReportActionFor(0x154, up), KeyReportAction::MenuKey) << "only the scan code's low byte is read";

    EXPECT_EQ(KeyReportActionFor(0x54, LLKHF_EXTENDED), KeyReportAction::None) << "a press";
    EXPECT_EQ(KeyReportActionFor(0x78, LLKHF_EXTENDED), KeyReportAction::None) << "a press";
    EXPECT_EQ(KeyReportActionFor(0x54, LLKHF_UP), KeyReportAction::None) << "not extended";
    EXPECT_EQ(KeyReportActionFor(0x78, LLKHF_UP), KeyReportAction::None) << "not extended";
    EXPECT_EQ(KeyReportActionFor(0x1C, up), KeyReportAction::None) << "another key";
}

TEST(OutsideClick, LeftClickIsSwallowedAndOnlyItsReleaseBecomesTheCommand)
{
    EXPECT_EQ(OutsideClickActionFor(HC_ACTION, WM_LBUTTONDOWN), OutsideClickAction::Swallow);
    EXPECT_EQ(OutsideClickActionFor(HC_ACTION, WM_LBUTTONUP), OutsideClickAction::SwallowAndCommand);
    for (WPARAM message : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MOUSEWHEEL, WM_XBUTTONUP})
        EXPECT_EQ(OutsideClickActionFor(HC_ACTION, message), OutsideClickAction::PassOn) << std::hex << message;
    EXPECT_EQ(OutsideClickActionFor(-1, WM_LBUTTONUP), OutsideClickAction::PassOn) << "not an action code";
    EXPECT_EQ(OutsideClickActionFor(1, WM_LBUTTONDOWN), OutsideClickAction::PassOn);
}
