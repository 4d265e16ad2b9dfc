// What a button press does, as rules over all the buttons, and what the two hooks make of the events
// they see. Which code and argument each button sends is proven against Screen Hub's journal in the
// scenarios.
#include "commands/command_table.h"
#include "keyhook/hook_decisions.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>

namespace {

using Kind = CommandStepKind;
using Steps = std::vector<CommandStep>;

std::vector<CommandStep> OfKind(const Steps& steps, Kind kind)
{
    Steps found;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(found), [&](const CommandStep& s) { return s.kind == kind; });
    return found;
}

size_t IndexOf(const Steps& steps, Kind kind)
{
    return static_cast<size_t>(std::find_if(steps.begin(), steps.end(), [&](const CommandStep& s) { return s.kind == kind; }) -
                               steps.begin());
}

const std::map<UINT, UINT> kPartners = {
    {ID_SCREEN_ON, ID_SCREEN_OFF},       {ID_SCREEN_OFF, ID_SCREEN_ON},       {ID_WIRED_LAN_ON, ID_WIRED_LAN_OFF},
    {ID_WIRED_LAN_OFF, ID_WIRED_LAN_ON}, {ID_BLUETOOTH_ON, ID_BLUETOOTH_OFF}, {ID_BLUETOOTH_OFF, ID_BLUETOOTH_ON},
    {ID_WIRELESS_ON, ID_WIRELESS_OFF},   {ID_WIRELESS_OFF, ID_WIRELESS_ON},
};

} // namespace

void PrintTo(const CommandStep& step, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(step.kind) << " id " << step.nID << " code " << step.nCode << " arg "
        << step.nArgument << "}";
}

TEST(CommandTable, EveryButtonPostsOneCommandAndAPairLightsOnlyThePressedButton)
{
    std::map<WPARAM, std::vector<LPARAM>> argumentsByCode;
    for (UINT nID = ID_DARKER; nID <= ID_RES_HIGH; ++nID) {
        const Steps steps = CommandSteps(nID, false);
        const Steps posts = OfKind(steps, Kind::PostToHub);
        ASSERT_EQ(posts.size(), 1u) << "id " << nID;
        argumentsByCode[posts[0].nCode].push_back(posts[0].nArgument);

        const Steps lit = OfKind(steps, Kind::MarkSelected);
        const Steps unlit = OfKind(steps, Kind::MarkNotSelected);
        if (const auto partner = kPartners.find(nID); partner != kPartners.end()) {
            EXPECT_EQ(lit, (Steps{{Kind::MarkSelected, nID}})) << "id " << nID;
            EXPECT_EQ(unlit, (Steps{{Kind::MarkNotSelected, partner->second}})) << "id " << nID;
        } else {
            EXPECT_TRUE(unlit.empty()) << "a single button is never drawn unlit; id " << nID;
            EXPECT_LE(lit.size(), 1u) << "id " << nID;
        }
        EXPECT_EQ(CommandSteps(nID, true), nID == ID_RES_NORMAL || nID == ID_RES_HIGH ? Steps{} : steps)
            << "the latch holds back only the resolution buttons; id " << nID;
    }
    // A pair's two buttons share one code and send its two arguments; no two buttons share anything else.
    for (const auto& [code, arguments] : argumentsByCode) {
        EXPECT_LE(arguments.size(), 2u) << "code " << code;
        if (arguments.size() == 2) {
            EXPECT_NE(arguments[0], arguments[1]) << "code " << code;
        }
    }
    EXPECT_EQ(argumentsByCode.size(), 10u);
}

TEST(CommandTable, ScreenOffArmsTheOutsideClickLastWithTheMenuInFrontAndScreenOnDisarmsFirst)
{
    const Steps off = CommandSteps(ID_SCREEN_OFF, false);
    ASSERT_GE(off.size(), 3u);
    EXPECT_EQ(off.front().kind, Kind::RemoveOutsideClickHook) << "removed before it is armed: one hook at most";
    EXPECT_EQ(off[off.size() - 2].kind, Kind::BringMenuToFront);
    EXPECT_EQ(off.back().kind, Kind::InstallOutsideClickHook);

    const Steps on = CommandSteps(ID_SCREEN_ON, false);
    EXPECT_EQ(on.front().kind, Kind::RemoveOutsideClickHook);
    EXPECT_EQ(IndexOf(on, Kind::InstallOutsideClickHook), on.size());
    for (UINT nID : {ID_DARKER, ID_WIRED_LAN_ON, ID_RES_NORMAL})
        EXPECT_EQ(IndexOf(CommandSteps(nID, false), Kind::RemoveOutsideClickHook), CommandSteps(nID, false).size());
}

TEST(CommandTable, ResolutionButtonsSetTheLatchBeforeTheirOnePost)
{
    for (UINT nID : {ID_RES_NORMAL, ID_RES_HIGH}) {
        const Steps steps = CommandSteps(nID, false);
        EXPECT_EQ(IndexOf(steps, Kind::SetDisplayChangeLatch), 0u) << nID;
        EXPECT_EQ(OfKind(steps, Kind::PostToHub).size(), 1u) << nID;
    }
}

TEST(CommandTable, OtherCommandsAndNotificationCodesDoNothing)
{
    for (WPARAM wParam : {WPARAM{0}, WPARAM{IDOK}, WPARAM{IDCANCEL}, WPARAM{99}, WPARAM{114}, WPARAM{0x10064},
                          MAKEWPARAM(ID_SCREEN_ON, BN_CLICKED + 1), MAKEWPARAM(ID_RES_NORMAL, 5)})
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
