#pragma once
// A program's windows as a screen reader finds them through the platform's accessibility interface
// (MSAA), asked from this process: names, roles, states, and the events the program raises. The
// calling thread must be in a COM apartment (com_apartment.h).
#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace driver {

struct AccessibleInfo {
    std::wstring name;
    LONG nRole = 0;
    LONG nState = 0;
    // What its default action is called; empty when it says it has none.
    std::wstring defaultAction;
};

// The window's client object; nothing when it cannot be had.
std::optional<AccessibleInfo> ReadAccessible(HWND hWnd);
// Has the window's client object do its default action, as a screen reader's "activate" does; the
// object's answer (E_FAIL when it cannot be had).
HRESULT DoDefaultAction(HWND hWnd);
// As a screen reader says them: the role's words, and the states' words joined by ", ".
std::wstring RoleText(LONG nRole);
std::wstring StateText(LONG nState);
// "name | role | states", one line of what a screen reader reads of an object.
std::wstring ReaderLine(const AccessibleInfo& info);

// The events in [nFirst, nLast] that a process raises, heard out of context while this object lives,
// each with the name of the object it concerns, asked for when it came. Events are delivered while
// this thread takes messages (the driver's waits do). One object at a time.
class AccessibleEvents {
public:
    struct Heard {
        DWORD nEvent = 0;
        HWND hWnd = nullptr;
        std::wstring name;
    };
    AccessibleEvents(DWORD nFirst, DWORD nLast, DWORD nProcessId);
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;
    ~AccessibleEvents();

    bool Listening() const { return m_hHook != nullptr; }
    const std::vector<Heard>& HeardSoFar() const { return m_heard; }
    // The names heard with this event, in order.
    std::vector<std::wstring> Names(DWORD nEvent) const;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD nEvent, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD);
    HWINEVENTHOOK m_hHook = nullptr;
    std::vector<Heard> m_heard;
};

} // namespace driver
