#pragma once
// The dial keyboard's stand-ins as tests see them: the journal of their starts, and their windows.
#include "environment.h"

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

struct DialKeysStart {
    std::wstring program; // the base name the process ran under
    DWORD processId = 0;
    std::wstring event; // "started", "shown", "hidden", "no keyboard"
};

// A journal of its own: a fresh file in the temp folder, named in this process's environment so that
// programs started from now on, and the programs they start, write to it. Both are undone when the
// object ends.
class DialKeysJournal {
public:
    DialKeysJournal();
    DialKeysJournal(const DialKeysJournal&) = delete;
    DialKeysJournal& operator=(const DialKeysJournal&) = delete;
    ~DialKeysJournal();

    std::vector<DialKeysStart> Starts() const;
    // Starts of this program (letter case counts) with this event.
    size_t Count(const std::wstring& program, const std::wstring& event) const;
    // True once such a start is in the journal.
    bool WaitFor(const std::wstring& program, const std::wstring& event, DWORD nTimeoutMs = 10000) const;

private:
    std::wstring m_path;
    ScopedEnvironmentVariable m_variable;
};

// The installed stand-in of the dial keyboard, under the Program Files folder.
std::wstring InstalledDialKeys();
// The dial keyboard's window, once one exists; null otherwise.
HWND DialKeyboardWindow();
// Closes every dial keyboard's window and waits until none is left; false when one outlived the wait.
bool EndDialKeyboards();

} // namespace driver
