#pragma once
// A program whose life is one window: the window's default processing ends the message loop when
// the window is destroyed, and the loop runs until then.
#include <windows.h>

namespace fw {

// DefWindowProcW, and the end of the thread's message loop once the window is destroyed.
LRESULT MainWindowDefault(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Gets and dispatches the thread's messages until WM_QUIT (its code is the result) or an error (-1).
int RunMessageLoop();

} // namespace fw
