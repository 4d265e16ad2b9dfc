#pragma once
// The order of the dial-keyboard key's presses. A toggle runs beside the menu and takes up to 10.5 s;
// a press made meanwhile waits for it and runs after it, in order, so a press to show the keyboard and
// a press right after to hide it both count. A few may wait; a press beyond them is dropped.
#include <windows.h>

#include <deque>
#include <optional>

// A press as KeyRelay reported it: the record's fields, which outlive the report (its address does not).
struct DialKeyPress {
    DWORD nScanCode = 0;
    DWORD nFlags = 0;
};

class DialKeyQueue {
public:
    static constexpr size_t kMostWaiting = 4;

    enum class Outcome { RunNow, Waits, Dropped };
    // RunNow: no toggle runs, so this press's toggle runs now and counts as running.
    Outcome Press(const DialKeyPress& press);
    // The running toggle is done (or never started): the press that runs next, which then counts as
    // running, or nothing when none waits.
    std::optional<DialKeyPress> Done();

    bool IsRunning() const { return m_bRunning; }
    size_t Waiting() const { return m_waiting.size(); }

private:
    bool m_bRunning = false;
    std::deque<DialKeyPress> m_waiting;
};
