#pragma once
// The window messages between Popbar and Screen Hub, with their fixed numbers.
#include <windows.h>

// Both directions: wParam is the command code, lParam its argument.
constexpr UINT MSG_HUBCMD = 2225;
// To Screen Hub: the menu key opened the menu / was pressed again while it was open.
constexpr UINT MSG_MENUOPENED = 54;
constexpr UINT MSG_MENUKEYAGAIN = 55;
// To the menu: the display mode changed.
constexpr UINT MSG_RELOADDISPLAY = 2525;

// MSG_HUBCMD codes.
constexpr WPARAM HUBCMD_QUERYSTATUS = 19; // sent; the reply is the menu status word
constexpr WPARAM HUBCMD_AVAILABILITY = 24; // to Screen Hub: may 112/113 be used; back: lParam 1 = yes
constexpr WPARAM HUBCMD_RELOADDISPLAY = 48;
constexpr WPARAM HUBCMD_HIDEMENU = 56;

// Bits of the menu status word.
constexpr DWORD STATUS_DISMISS_ALLOWED = 0x1;
constexpr DWORD STATUS_WIRED_LAN_ON = 0x10;
constexpr DWORD STATUS_PAIR_108_ON = 0x100;
constexpr DWORD STATUS_PAIR_110_ON = 0x10000;
