#pragma once
// What a screen reader is told of the menu and of each of its buttons: a name from Popbar's string
// table (the battery's with its level), a role and the states, from what the menu shows.
#include <windows.h>

#include <string>

struct ButtonView {
    UINT nID = 0;
    UINT nName = 0; // the string naming what the button does (for the display-mode faces, the mode)
    bool bVisible = true;
    bool bEnabled = true;
    bool bOn = true; // lit
    int nState = 0; // the mouse's look, which the keyboard walk shares: STATE_NORMAL, _PRESSED, _HOVER
    int nLevel = -1; // the battery's percentage as the menu draws it; -1 for none
};

struct AccessibleFacts {
    UINT nName = 0; // a string of Popbar's table
    int nLevel = -1; // the number its "%d" stands for; -1 when it has none
    LONG nRole = 0; // ROLE_SYSTEM_...
    LONG nState = 0; // STATE_SYSTEM_...
    UINT nDefaultAction = 0; // the string naming its default action; 0 while it has none
};

// A button: a push button, unavailable when disabled, invisible when hidden, checked when it is the
// lit one of an on/off pair (the setting in force, as its picture shows), hot-tracked and focused
// while it has the highlight, pressed while pressed. A button that can be clicked (shown, in an open
// menu, and enabled) has the default action "Press", which does what a click does.
AccessibleFacts ButtonFacts(const ButtonView& view);
// The menu window: a pop-up menu named for what it holds.
AccessibleFacts MenuFacts(bool bVisible);

// The name's text from the string table of hStrings, the level put in where it has one; empty when
// the string is missing.
std::wstring AccessibleName(HINSTANCE hStrings, const AccessibleFacts& facts);
// A string of the table; empty for 0 or a missing one.
std::wstring AccessibleText(HINSTANCE hStrings, UINT nString);
