#pragma once
// What the key-hook link and the outside-click hook make of the events they receive.
#include <windows.h>

enum class KeyReportAction { None, MenuKey, DialKeyboardKey };

// A key event reported by the key-hook library: only releases of the two extended laptop keys count.
// Only the low byte of the scan code is looked at.
KeyReportAction KeyReportActionFor(DWORD nScanCode, DWORD nFlags);

enum class OutsideClickAction { PassOn, Swallow, SwallowAndCommand };

// A mouse event seen by the armed outside-click hook: a left press is swallowed, and its release is
// swallowed and becomes the menu's command; everything else goes on to the next hook.
OutsideClickAction OutsideClickActionFor(int nCode, WPARAM nMessage);
