#pragma once
// Popbar's menu window as KeyRelay drives it: found once Popbar has finished starting, opened by the
// menu-key message.
#include "protocol/menu.h"

#include <windows.h>

#include <functional>

namespace driver {

// The menu window of a running Popbar (of this process id, or of any with 0) once its start-up is
// over: registered with KeyRelay and hidden again. Null when none got there in time. While it waits,
// watch sees the menu window at every look (every nPollMs), once it exists.
HWND WaitForReadyMenu(DWORD nProcessId = 0, const std::function<void(HWND)>& watch = {},
                      DWORD nTimeoutMs = 20000, DWORD nPollMs = 10);
// Waits until no Popbar's menu window is left: a Popbar started while another's is there ends at once.
bool WaitUntilNoMenu(DWORD nTimeoutMs = 10000);
// Sends the menu key and waits until the menu shows; false when it did not.
bool OpenMenu(HWND hWndMenu, DWORD nTimeoutMs = 10000);
// Posts Screen Hub's availability answer to the menu and waits until the resolution pair shows it
// (enabled or not): a round trip through the menu's loop. False when the pair did not follow in time.
bool PostAvailabilityAndWait(HWND hWndMenu, bool bAvailable, DWORD nTimeoutMs = 10000, DWORD nPollMs = 10);
// True when the menu's loop handles messages posted now, after whatever was sent or posted to it
// before (a close request or an Escape included): the proof that such a message did not end Popbar,
// without guessing how long an ending would take. The availability answer, posted twice, turns the
// resolution pair over and back as it was.
bool HandlesPostedMessages(HWND hWndMenu, DWORD nTimeoutMs = 10000);

} // namespace driver
