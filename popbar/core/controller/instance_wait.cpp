#include "controller/instance_wait.h"

OtherPopbar WaitForOtherPopbar(const OtherPopbarLooks& looks, DWORD nLimitMs, DWORD nPollMs)
{
    const DWORD nRounds = nPollMs ? nLimitMs / nPollMs : 0;
    for (DWORD nRound = 0; nRound <= nRounds; ++nRound) {
        if (looks.menuWindowThere())
            return OtherPopbar::Running;
        if (looks.takeObject(nRound < nRounds ? nPollMs : 0))
            return OtherPopbar::Gone;
    }
    return OtherPopbar::NoAnswer;
}
