#pragma once
// Keys made with SendInput, as a program on the desktop makes them: low-level hooks see them injected.
#include <windows.h>

#include <vector>

namespace driver {

// A key by its scan code with the extended flag: how the laptop's own keys are made here, since no
// X key arrives with their scan codes.
INPUT ExtendedScanCode(DWORD nScanCode, bool bUp);
// An ordinary key by its virtual-key code.
INPUT VirtualKey(WORD nVirtualKey, bool bUp);
// A press and its release.
std::vector<INPUT> Stroke(INPUT press);
// Sends the events in one call, so nothing comes between them; true when all were taken. A thread
// of its own makes the call: under Wine the calling thread handles sent messages while the low-level
// hooks run, so a test's own thread would take KeyRelay's reports in the middle of SendInput.
bool Send(const std::vector<INPUT>& events);

} // namespace driver
