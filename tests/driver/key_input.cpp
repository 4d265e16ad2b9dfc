#include "key_input.h"

#include <thread>

namespace driver {

INPUT ExtendedScanCode(DWORD nScanCode, bool bUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(nScanCode);
    input.ki.dwFlags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY | (bUp ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT VirtualKey(WORD nVirtualKey, bool bUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = nVirtualKey;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

std::vector<INPUT> Stroke(INPUT press)
{
    INPUT release = press;
    release.ki.dwFlags |= KEYEVENTF_KEYUP;
    return {press, release};
}

bool Send(const std::vector<INPUT>& events)
{
    std::vector<INPUT> copy = events;
    bool bTaken = false;
    std::thread([&] {
        bTaken = ::SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT)) == copy.size();
    }).join();
    return bTaken;
}

} // namespace driver
