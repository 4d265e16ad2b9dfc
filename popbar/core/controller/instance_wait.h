#pragma once
// One Popbar a session. A running Popbar holds the session's named object for as long as its menu
// window lives. A Popbar that finds the object held but no menu window meets another in its start-up
// (whose window is coming) or its end (whose object is about to go): it waits a bounded time for one
// or the other instead of ending at once, so a Popbar started again right after one ended runs.
#include <windows.h>

#include <functional>

enum class OtherPopbar {
    Gone,     // the object was released (or its holder died): this Popbar goes on
    Running,  // the other's menu window came: this Popbar ends
    NoAnswer, // neither within the limit: this Popbar ends, as the object's holder still runs
};

struct OtherPopbarLooks {
    // True when the other's menu window is there.
    std::function<bool()> menuWindowThere;
    // Waits up to nMs to take the object over; true once it is this Popbar's.
    std::function<bool(DWORD nMs)> takeObject;
};

// Looks every nPollMs, nLimitMs in all.
OtherPopbar WaitForOtherPopbar(const OtherPopbarLooks& looks, DWORD nLimitMs, DWORD nPollMs);
