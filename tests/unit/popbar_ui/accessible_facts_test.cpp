// What a screen reader is told of the menu's buttons for the looks that matter, and the words it says.
#include "accessible_names.h"
#include "controls/button_face.h"
#include "menu/accessible_facts.h"
#include "menu/menu_layout.h"
#include "protocol/menu.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <set>
#include <string>

namespace {

std::wstring Said(const AccessibleFacts& facts)
{
    return AccessibleName(::GetModuleHandleW(nullptr), facts);
}

ButtonView Shown(UINT nID, UINT nName)
{
    ButtonView view;
    view.nID = nID;
    view.nName = nName;
    return view;
}

} // namespace

// Every slot of the table has a name of its own, each face its mode's.
TEST(AccessibleFacts, EveryButtonIsAPushButtonNamedForWhatItDoes)
{
    const wchar_t* const names[kButtonCount] = {
        L"Display: laptop only", L"Display: monitor only", L"Display: duplicate", L"Display: extend",
        L"Brightness down", L"Brightness up", L"Screen on", L"Screen off", L"Resolution normal",
        L"Resolution high", L"Bluetooth on", L"Bluetooth off", L"Wireless on", L"Wireless off",
        L"Wired LAN on", L"Wired LAN off", L"Battery 42 percent",
    };
    std::set<std::wstring> distinct;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        ButtonView view = Shown(kButtonTable[nSlot].nID, kButtonTable[nSlot].nName);
        view.nLevel = 42;
        const AccessibleFacts facts = ButtonFacts(view);
        EXPECT_EQ(Said(facts), names[nSlot]) << nSlot;
        EXPECT_EQ(facts.nRole, ROLE_SYSTEM_PUSHBUTTON) << nSlot;
        distinct.insert(Said(facts));
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(kButtonCount));
}

TEST(AccessibleFacts, TheBatterySaysItsLevelAsTheMenuDrawsIt)
{
    const struct {
        int nLevel;
        const wchar_t* pszSaid;
    } rows[] = {{0, L"Battery 0 percent"}, {5, L"Battery 5 percent"}, {42, L"Battery 42 percent"},
                {100, L"Battery 100 percent"}, {-1, L"Battery, level not known"}};
    for (const auto& row : rows) {
        ButtonView view = Shown(ID_BATTERY, IDS_ACC_BATTERY_LEVEL);
        view.nLevel = row.nLevel;
        EXPECT_EQ(Said(ButtonFacts(view)), row.pszSaid) << row.nLevel;
    }
}

TEST(AccessibleFacts, StatesFollowTheLooks)
{
    const LONG kUsable = STATE_SYSTEM_FOCUSABLE;
    const LONG kHighlighted = STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED;
    const struct {
        const char* pszWhat;
        UINT nID;
        bool bVisible, bEnabled, bOn;
        int nState;
        LONG nExpected;
    } rows[] = {
        {"lit button of a pair", ID_WIRED_LAN_ON, true, true, true, STATE_NORMAL, kUsable | STATE_SYSTEM_CHECKED},
        {"unlit button of a pair", ID_WIRED_LAN_OFF, true, true, false, STATE_NORMAL, kUsable},
        {"every pair", ID_SCREEN_OFF, true, true, true, STATE_NORMAL, kUsable | STATE_SYSTEM_CHECKED},
        {"every pair", ID_BLUETOOTH_OFF, true, true, true, STATE_NORMAL, kUsable | STATE_SYSTEM_CHECKED},
        {"every pair", ID_WIRELESS_ON, true, true, true, STATE_NORMAL, kUsable | STATE_SYSTEM_CHECKED},
        {"a single button is never checked", ID_BRIGHTER, true, true, true, STATE_NORMAL, kUsable},
        {"resolution available", ID_RES_NORMAL, true, true, true, STATE_NORMAL, kUsable},
        {"resolution after HUBCMD_AVAILABILITY", ID_RES_HIGH, true, false, false, STATE_NORMAL, STATE_SYSTEM_UNAVAILABLE},
        {"hidden display face", ID_DISPLAYMODE, false, false, false, STATE_NORMAL,
         STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE},
        {"highlighted", ID_DARKER, true, true, true, STATE_HOVER, kUsable | kHighlighted},
        {"pressed", ID_SCREEN_ON, true, true, true, STATE_PRESSED,
         kUsable | STATE_SYSTEM_CHECKED | kHighlighted | STATE_SYSTEM_PRESSED},
    };
    for (const auto& row : rows) {
        ButtonView view = Shown(row.nID, IDS_ACC_DARKER);
        view.bVisible = row.bVisible;
        view.bEnabled = row.bEnabled;
        view.bOn = row.bOn;
        view.nState = row.nState;
        EXPECT_EQ(ButtonFacts(view).nState, row.nExpected) << row.pszWhat;
    }
}

TEST(AccessibleFacts, TheMenuIsAPopUpMenu)
{
    for (const bool bVisible : {true, false}) {
        const AccessibleFacts facts = MenuFacts(bVisible);
        EXPECT_EQ(Said(facts), L"Laptop functions");
        EXPECT_EQ(facts.nRole, ROLE_SYSTEM_MENUPOPUP);
        EXPECT_EQ((facts.nState & STATE_SYSTEM_INVISIBLE) != 0, !bVisible);
    }
}
