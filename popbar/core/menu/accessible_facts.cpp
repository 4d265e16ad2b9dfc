#include "menu/accessible_facts.h"

#include "accessible_names.h"
#include "controls/button_face.h"
#include "protocol/menu.h"

#include <oleacc.h>

#include <cwchar>

namespace {

// The on/off pairs, which show the setting in force by which of the two is lit.
bool IsPairButton(UINT nID)
{
    switch (nID) {
    case ID_SCREEN_ON:
    case ID_SCREEN_OFF:
    case ID_WIRED_LAN_ON:
    case ID_WIRED_LAN_OFF:
    case ID_BLUETOOTH_ON:
    case ID_BLUETOOTH_OFF:
    case ID_WIRELESS_ON:
    case ID_WIRELESS_OFF:
        return true;
    default:
        return false;
    }
}

} // namespace

AccessibleFacts ButtonFacts(const ButtonView& view)
{
    AccessibleFacts facts;
    facts.nRole = ROLE_SYSTEM_PUSHBUTTON;
    facts.nName = view.nName;
    if (view.nID == ID_BATTERY) {
        facts.nName = view.nLevel >= 0 ? IDS_ACC_BATTERY_LEVEL : IDS_ACC_BATTERY_UNKNOWN;
        facts.nLevel = view.nLevel;
    }
    if (!view.bVisible)
        facts.nState |= STATE_SYSTEM_INVISIBLE;
    if (!view.bEnabled)
        facts.nState |= STATE_SYSTEM_UNAVAILABLE;
    else if (view.bVisible) {
        facts.nState |= STATE_SYSTEM_FOCUSABLE;
        facts.nDefaultAction = IDS_ACC_PRESS;
    }
    if (IsPairButton(view.nID) && view.bOn)
        facts.nState |= STATE_SYSTEM_CHECKED;
    if (view.nState != STATE_NORMAL)
        facts.nState |= STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED;
    if (view.nState == STATE_PRESSED)
        facts.nState |= STATE_SYSTEM_PRESSED;
    return facts;
}

AccessibleFacts MenuFacts(bool bVisible)
{
    AccessibleFacts facts;
    facts.nName = IDS_ACC_MENU;
    facts.nRole = ROLE_SYSTEM_MENUPOPUP;
    facts.nState = bVisible ? 0 : STATE_SYSTEM_INVISIBLE;
    return facts;
}

std::wstring AccessibleText(HINSTANCE hStrings, UINT nString)
{
    const wchar_t* pszText = nullptr;
    const int nChars = nString ? ::LoadStringW(hStrings, nString, reinterpret_cast<LPWSTR>(&pszText), 0) : 0;
    if (nChars <= 0 || !pszText)
        return {};
    return std::wstring(pszText, static_cast<size_t>(nChars));
}

std::wstring AccessibleName(HINSTANCE hStrings, const AccessibleFacts& facts)
{
    const std::wstring text = AccessibleText(hStrings, facts.nName);
    if (text.empty() || facts.nLevel < 0)
        return text;
    wchar_t szName[256] = {};
    std::swprintf(szName, 256, text.c_str(), facts.nLevel);
    return szName;
}
