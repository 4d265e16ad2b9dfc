// A Popbar that finds another's object without its menu window waits for the window or the object.
#include "controller/instance_wait.h"

#include <gtest/gtest.h>

namespace {

struct Other {
    int nWindowAtRound = -1; // the round from which its menu window is there; -1 never
    int nGoneAtRound = -1;   // the round from which its object can be taken; -1 never
};

struct Seen {
    OtherPopbar outcome;
    DWORD nAskedMs;
};

Seen Meet(const Other& other, DWORD nLimitMs = 1000, DWORD nPollMs = 100)
{
    int nRound = 0;
    DWORD nAskedMs = 0;
    OtherPopbarLooks looks;
    looks.menuWindowThere = [&] { return other.nWindowAtRound >= 0 && nRound >= other.nWindowAtRound; };
    looks.takeObject = [&](DWORD nMs) {
        nAskedMs += nMs;
        const bool bTaken = other.nGoneAtRound >= 0 && nRound >= other.nGoneAtRound;
        ++nRound;
        return bTaken;
    };
    return {WaitForOtherPopbar(looks, nLimitMs, nPollMs), nAskedMs};
}

} // namespace

TEST(OtherPopbar, WaitsForItsWindowOrItsObjectAndAsksNoLongerThanTheLimit)
{
    const struct {
        const char* what;
        Other other;
        OtherPopbar outcome;
        DWORD nAskedMs;
    } rows[] = {
        {"ending: its object goes at once", {-1, 0}, OtherPopbar::Gone, 100},
        {"ending: its object goes a little later", {-1, 3}, OtherPopbar::Gone, 400},
        {"starting: its window comes", {2, -1}, OtherPopbar::Running, 200},
        {"running: its window is there before anything", {0, 0}, OtherPopbar::Running, 0},
        {"neither within the limit", {-1, -1}, OtherPopbar::NoAnswer, 1000},
        {"its object goes only in the last look", {-1, 10}, OtherPopbar::Gone, 1000},
    };
    for (const auto& row : rows) {
        const Seen seen = Meet(row.other);
        EXPECT_EQ(seen.outcome, row.outcome) << row.what;
        EXPECT_EQ(seen.nAskedMs, row.nAskedMs) << row.what;
    }
}
