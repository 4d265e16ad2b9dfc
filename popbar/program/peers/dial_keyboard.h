#pragma once
// The dial-keyboard key's toggle on this machine's processes, Program Files folder and shell.

#include <windows.h>

// Starts one press's toggle on a thread of its own and returns at once: the toggle pauses up to
// 1000 ms after a start and waits up to 10.5 s for a running keyboard, and meanwhile the menu goes on
// painting and answering, and the outside-click hook, which runs on the menu's thread, on passing the
// mouse on. When the toggle is done, however it ended, nDoneMessage is posted to hWndDone. False when
// the thread could not be started (the reason is reported); then nothing is posted.
bool StartDialKeyboardToggle(HWND hWndDone, UINT nDoneMessage);
