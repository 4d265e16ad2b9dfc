#pragma once
// Input as a person makes it: through the X display that Wine's desktop runs on, so it reaches
// Windows programs the way a real keyboard and mouse do (low-level hooks see it as not injected).
#include <windows.h>

#include <string>

namespace driver {

// Runs a shell command line on the session's display and waits for it; true when it ended with
// exit code 0.
bool RunShell(const std::wstring& commandLine);
// Runs xdotool with these arguments, the same way.
bool XdoTool(const std::wstring& arguments);

// A left (button 1) or right (button 3) click at a point of the Windows desktop.
bool ClickAt(POINT point, int nButton = 1);
// Moves the pointer, for instance off a button so it no longer shows its hover face.
bool MovePointer(POINT point);
// One key, pressed and released, by its X key name ("Scroll_Lock", "Return").
bool PressXKey(const std::wstring& keyName);
// True when the X server sends the keyboard to this Windows top-level window: under Wine a window
// that has just taken the foreground gets X's keyboard focus only once its X window is mapped.
bool HasXKeyboardFocus(HWND hWnd);

} // namespace driver
