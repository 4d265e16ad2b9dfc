// The menu as a screen reader finds it from another process, through the platform's accessibility
// interface only: every button named for what it does, a push button, with the states the menu shows
// (checked for the lit one of a pair, unavailable, invisible, focused under the highlight); the menu a
// pop-up menu; the default action "Press" of every button that can be clicked; and the events that
// make a screen reader speak as the menu opens and the highlight moves.
#include "accessibility.h"
#include "com_apartment.h"
#include "hub_fixture.h"
#include "popbar_menu.h"
#include "popbar_session.h"
#include "wait.h"
#include "window_query.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include "utf8.h"

#include <map>
#include <set>

using namespace popbar_e2e;

namespace {

class PopbarAccessible : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(com); }
    void TearDown() override
    {
        SetStatusWord(nullptr);
        SetDisplayValue(nullptr);
    }

    // What a screen reader finds of each of the menu's buttons, by the button's id; the display-mode
    // faces by their names.
    std::map<std::wstring, driver::AccessibleInfo> ButtonsByName() const
    {
        std::map<std::wstring, driver::AccessibleInfo> buttons;
        for (HWND hButton : popbar.Buttons()) {
            if (const auto info = driver::ReadAccessible(hButton))
                buttons[info->name] = *info;
        }
        return buttons;
    }
    static bool Checked(const driver::AccessibleInfo& info) { return (info.nState & STATE_SYSTEM_CHECKED) != 0; }

    const fw::com_apartment com;
    PopbarProcess popbar;
};

} // namespace

TEST_F(PopbarAccessible, TheOpenMenuNamesEveryButtonWithItsRoleAndTheStatesItShows)
{
    const DWORD status = STATUS_WIRED_LAN_ON | STATUS_WIRELESS_ON | (42u << kBatteryShift);
    const DWORD display = 2; // the second face: monitor only
    SetStatusWord(&status);
    SetDisplayValue(&display);
    ASSERT_TRUE(driver::MovePointer({10, 700}));
    ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub()));
    driver::AccessibleEvents opened(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND, popbar.Process().Id());
    ASSERT_TRUE(opened.Listening());
    ASSERT_TRUE(popbar.SendMenuKey());

    const auto menu = driver::ReadAccessible(popbar.Menu());
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->name, L"Laptop functions");
    EXPECT_EQ(menu->nRole, ROLE_SYSTEM_MENUPOPUP);
    EXPECT_FALSE(menu->nState & STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(driver::WaitUntil([&] { return opened.Names(EVENT_SYSTEM_MENUPOPUPSTART).size() == 1; }));
    EXPECT_EQ(opened.Names(EVENT_SYSTEM_MENUPOPUPSTART), std::vector<std::wstring>{L"Laptop functions"});

    // Every button, the hidden faces included, has a name of its own and is a push button.
    const auto buttons = ButtonsByName();
    ASSERT_EQ(buttons.size(), 17u) << "seventeen distinct names";
    const struct {
        const wchar_t* pszName;
        bool bChecked;
        bool bVisible;
    } rows[] = {
        {L"Display: laptop only", false, false},  {L"Display: monitor only", false, true},
        {L"Display: duplicate", false, false},    {L"Display: extend", false, false},
        {L"Brightness down", false, true},        {L"Brightness up", false, true},
        {L"Screen on", true, true},               {L"Screen off", false, true},
        {L"Resolution normal", false, true},      {L"Resolution high", false, true},
        {L"Bluetooth on", false, true},           {L"Bluetooth off", true, true},
        {L"Wireless on", true, true},             {L"Wireless off", false, true},
        {L"Wired LAN on", true, true},            {L"Wired LAN off", false, true},
        {L"Battery 42 percent", false, true},
    };
    for (const auto& row : rows) {
        const auto found = buttons.find(row.pszName);
        ASSERT_NE(found, buttons.end()) << "no button named " << std::string(row.pszName, row.pszName + wcslen(row.pszName));
        const driver::AccessibleInfo& info = found->second;
        EXPECT_EQ(info.nRole, ROLE_SYSTEM_PUSHBUTTON) << driver::StateText(info.nState).size();
        EXPECT_EQ(Checked(info), row.bChecked) << info.nState;
        EXPECT_EQ((info.nState & STATE_SYSTEM_INVISIBLE) == 0, row.bVisible) << info.nState;
        // A hidden face is disabled too; a shown button may be used, and none has the highlight yet.
        EXPECT_EQ((info.nState & STATE_SYSTEM_UNAVAILABLE) == 0, row.bVisible) << info.nState;
        EXPECT_FALSE(info.nState & STATE_SYSTEM_FOCUSED) << info.nState;
    }

    // Screen Hub's answer to HUBCMD_AVAILABILITY makes the resolution pair unavailable.
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HUBCMD, HUBCMD_AVAILABILITY, 2));
    EXPECT_TRUE(driver::WaitUntil([&] {
        const auto buttonsNow = ButtonsByName();
        return (buttonsNow.at(L"Resolution normal").nState & STATE_SYSTEM_UNAVAILABLE) &&
               (buttonsNow.at(L"Resolution high").nState & STATE_SYSTEM_UNAVAILABLE);
    }));

    // The menu opened again with another status word: the other button of a pair is the checked one,
    // and the battery says it knows no level.
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(driver::WaitUntil([&] { return opened.Names(EVENT_SYSTEM_MENUPOPUPEND).size() == 1; }));
    const DWORD other = STATUS_BLUETOOTH_ON | (0xFFu << kBatteryShift);
    SetStatusWord(&other);
    ASSERT_TRUE(popbar.SendMenuKey());
    const auto reopened = ButtonsByName();
    ASSERT_TRUE(reopened.count(L"Battery, level not known")) << "the battery without a level";
    EXPECT_TRUE(Checked(reopened.at(L"Bluetooth on")));
    EXPECT_FALSE(Checked(reopened.at(L"Bluetooth off")));
    EXPECT_FALSE(Checked(reopened.at(L"Wired LAN on")));
    EXPECT_TRUE(Checked(reopened.at(L"Wired LAN off")));
}

// Down, Down: the highlight walks to the shown display face, then to brightness down, and each step
// raises a focus event that names the button it reached, which then says it is focused.
TEST_F(PopbarAccessible, TheKeyboardWalkIsSpokenButtonByButton)
{
    const DWORD display = 3; // the fourth face: extend
    SetDisplayValue(&display);
    ASSERT_TRUE(driver::MovePointer({10, 700}));
    ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub()));
    ASSERT_TRUE(popbar.SendMenuKey());
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::HasXKeyboardFocus(popbar.Menu()); }));
    driver::AccessibleEvents focus(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, popbar.Process().Id());
    ASSERT_TRUE(focus.Listening());

    ASSERT_TRUE(driver::PressXKey(L"Down Down"));
    const std::vector<std::wstring> walked{L"Display: extend", L"Brightness down"};
    EXPECT_TRUE(driver::WaitUntil([&] { return focus.Names(EVENT_OBJECT_FOCUS).size() >= walked.size(); }));
    EXPECT_EQ(focus.Names(EVENT_OBJECT_FOCUS), walked);
    const auto buttons = ButtonsByName();
    EXPECT_TRUE(buttons.at(L"Brightness down").nState & STATE_SYSTEM_FOCUSED);
    EXPECT_TRUE(buttons.at(L"Brightness down").nState & STATE_SYSTEM_HOTTRACKED);
    EXPECT_FALSE(buttons.at(L"Display: extend").nState & STATE_SYSTEM_FOCUSED) << "the highlight left it";
}

namespace {

// With Screen Hub beside the menu, whose journal shows what a screen reader's presses sent.
class PopbarAccessiblePress : public PopbarWithScreenHub {
protected:
    void SetUp() override
    {
        PopbarWithScreenHub::SetUp();
        ASSERT_TRUE(com);
    }
    // The menu's button of this name as a screen reader finds it now.
    std::optional<driver::AccessibleInfo> Button(const std::wstring& name, HWND* phButton = nullptr) const
    {
        for (HWND hButton : popbar.Buttons()) {
            const auto info = driver::ReadAccessible(hButton);
            if (info && info->name == name) {
                if (phButton)
                    *phButton = hButton;
                return info;
            }
        }
        return std::nullopt;
    }
    HRESULT PressByName(const std::wstring& name) const
    {
        HWND hButton = nullptr;
        return Button(name, &hButton) ? driver::DoDefaultAction(hButton) : E_FAIL;
    }
    // The pop-up menu events the menu window raised so far.
    std::vector<DWORD> PopupEvents() const
    {
        std::vector<DWORD> events;
        for (const driver::AccessibleEvents::Heard& heard : popupEvents.HeardSoFar()) {
            if (heard.hWnd == popbar.Menu())
                events.push_back(heard.nEvent);
        }
        return events;
    }

    const fw::com_apartment com;
    // Heard from every process from before Popbar starts: its start-up raises nothing.
    driver::AccessibleEvents popupEvents{EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND, 0};
};

} // namespace

// "Press" on a button does what a click does: its command reaches Screen Hub and a pair's button
// becomes the checked one, also while the outside click is armed. A hidden or disabled button, and
// every button of the hidden menu, has no default action. Only a real opening starts a pop-up menu,
// and only its hide ends one.
TEST_F(PopbarAccessiblePress, AScreenReaderPressesWhatCanBeClickedAndHearsOnlyRealOpenings)
{
    ASSERT_TRUE(popupEvents.Listening());
    Start(L"--status 0x11 --battery 50");
    ASSERT_TRUE(journal.WaitFor(driver::HubEntry(driver::HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY, AVAILABLE)));
    const auto hidden = Button(L"Brightness up");
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(hidden->defaultAction.empty()) << "nothing to press in the hidden menu";
    OpenMenu();
    ASSERT_TRUE(driver::WaitUntil([&] { return PopupEvents().size() == 1; }));
    EXPECT_EQ(PopupEvents(), std::vector<DWORD>{EVENT_SYSTEM_MENUPOPUPSTART}) << "start-up's hide ended no pop-up menu";

    for (const wchar_t* pszName : {L"Brightness up", L"Wired LAN off", L"Resolution high", L"Battery 50 percent"}) {
        const auto info = Button(pszName);
        ASSERT_TRUE(info) << fw::Utf8(pszName);
        EXPECT_EQ(info->defaultAction, L"Press") << fw::Utf8(pszName);
    }
    // The display mode's one face shown may be pressed; the three hidden ones may not.
    size_t nFaces = 0;
    for (HWND hButton : popbar.Buttons()) {
        if (::GetDlgCtrlID(hButton) != ID_DISPLAYMODE)
            continue;
        ++nFaces;
        const bool bShown = hButton == VisibleDisplayFace();
        const auto info = driver::ReadAccessible(hButton);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->defaultAction, bShown ? L"Press" : L"") << fw::Utf8(info->name);
        if (!bShown) {
            EXPECT_EQ(driver::DoDefaultAction(hButton), DISP_E_MEMBERNOTFOUND) << fw::Utf8(info->name);
        }
    }
    EXPECT_EQ(nFaces, 4u);
    EXPECT_EQ(CountReceived(HUBCMD_DISPLAYMODE), 0u) << "the hidden faces pressed nothing";

    EXPECT_EQ(PressByName(L"Brightness up"), S_OK);
    EXPECT_TRUE(Received(HUBCMD_BRIGHTER, 0));
    EXPECT_EQ(PressByName(L"Wired LAN off"), S_OK);
    EXPECT_TRUE(Received(HUBCMD_WIRED_LAN, SWITCH_OFF));
    EXPECT_TRUE(driver::WaitUntil([&] { return Button(L"Wired LAN off")->nState & STATE_SYSTEM_CHECKED; }));

    // Screen off arms the outside click; a screen reader's press is no click, and goes to its button.
    EXPECT_EQ(PressByName(L"Screen off"), S_OK);
    EXPECT_TRUE(Received(HUBCMD_SCREEN, SWITCH_OFF));
    EXPECT_EQ(PressByName(L"Brightness down"), S_OK);
    EXPECT_TRUE(Received(HUBCMD_DARKER, 0));
    EXPECT_EQ(CountReceived(HUBCMD_SCREEN), 1u) << "no outside click was made of it";
    ASSERT_TRUE(driver::ClickAt({400, 500}));
    EXPECT_TRUE(Received(HUBCMD_SCREEN, SWITCH_ON)) << "the click still ends the screen off";

    // Screen Hub says the resolution pair may not be used: nothing to press there.
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HUBCMD, HUBCMD_AVAILABILITY, 2));
    EXPECT_TRUE(driver::WaitUntil([&] { return Button(L"Resolution high")->defaultAction.empty(); }));
    EXPECT_EQ(PressByName(L"Resolution high"), DISP_E_MEMBERNOTFOUND);

    // Hidden, then hidden again: one end for the one opening.
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0));
    ASSERT_TRUE(driver::HandlesPostedMessages(popbar.Menu())) << "both hides handled";
    ASSERT_FALSE(popbar.IsMenuVisible());
    OpenMenu();
    EXPECT_TRUE(driver::WaitUntil([&] { return PopupEvents().size() == 3; }));
    EXPECT_EQ(PopupEvents(), (std::vector<DWORD>{EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND,
                                                 EVENT_SYSTEM_MENUPOPUPSTART}));
    EXPECT_EQ(CountReceived(HUBCMD_RES_HIGH), 0u);
}
