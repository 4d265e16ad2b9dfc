#pragma once
// A window as screen readers see it through the platform's accessibility interface (MSAA): its own
// name, role and state, with everything else (place, parent, navigation) from the platform's standard
// object for the window.
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

namespace fw {

struct AccessibleDescription {
    std::wstring name;
    LONG nRole = 0; // ROLE_SYSTEM_...
    LONG nState = 0; // STATE_SYSTEM_...
    // What its default action is called ("Press"); empty while it has none.
    std::wstring defaultAction;
};

// What the window says of itself at the moment it is asked; nothing once it cannot say (its object
// is gone), when the standard object answers instead.
using DescribeWindow = std::function<std::optional<AccessibleDescription>()>;
// Does the default action, asked for while the description names one.
using DoDefaultAction = std::function<void()>;

// The answer to WM_GETOBJECT: for the window's client object, an accessible object described by
// describe, whose default action is act; for any other object, the window's default handling. The
// thread must be in a COM apartment (com_apartment.h): the object is handed over to the asking process
// through COM. None of its methods lets an exception out: one that throws answers E_FAIL, and what was
// thrown is reported (guarded_call.h).
LRESULT AnswerGetObject(HWND hWnd, WPARAM wParam, LPARAM lParam, DescribeWindow describe, DoDefaultAction act = {});

// Tells screen readers what happened to the window's client object (EVENT_OBJECT_FOCUS,
// EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, EVENT_SYSTEM_MENUPOPUPSTART, ...).
inline void NotifyAccessibleEvent(DWORD nEvent, HWND hWnd)
{
    if (hWnd)
        ::NotifyWinEvent(nEvent, hWnd, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace fw
