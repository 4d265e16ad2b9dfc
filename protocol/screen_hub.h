#pragma once
// The contract between Popbar's menu and Screen Hub, the maker's display-settings program: its
// window, the messages in both directions with their command codes and arguments, the menu status
// word, the display modes, and the registry copy of its state.
#include <windows.h>

// Screen Hub's window, found by this title (any class).
inline constexpr wchar_t kScreenHubTitle[] = L"-Screen Hub-";
// Screen Hub's program, a sibling folder of Popbar's: Popbar's own path with this part replaced.
inline constexpr wchar_t kPopbarPathPart[] = L"Popbar\\Popbar.exe";
inline constexpr wchar_t kScreenHubPathPart[] = L"Swift Screen Hub\\ScreenHub.exe";

// Both directions: wParam is the command code, lParam its argument.
inline constexpr UINT MSG_HUBCMD = 2225;
// To Screen Hub: the menu key opened the menu / was pressed again while it was open. Their numbers
// lie among the system's own messages (55 is WM_QUERYDRAGICON's).
inline constexpr UINT MSG_MENUOPENED = 54;
inline constexpr UINT MSG_MENUKEYAGAIN = 55;
// To the menu: the display mode changed.
inline constexpr UINT MSG_RELOADDISPLAY = 2525;

// MSG_HUBCMD codes from the menu. All are posted except the status query, which is sent.
inline constexpr WPARAM HUBCMD_DISPLAYMODE = 1; // display-mode button: step to the next mode
inline constexpr WPARAM HUBCMD_BATTERY = 2;
inline constexpr WPARAM HUBCMD_BRIGHTER = 7;
inline constexpr WPARAM HUBCMD_DARKER = 8;
inline constexpr WPARAM HUBCMD_RES_NORMAL = 17;
inline constexpr WPARAM HUBCMD_QUERYSTATUS = 19; // sent; the reply is the menu status word
inline constexpr WPARAM HUBCMD_AVAILABILITY = 24; // may the resolution buttons be used (answered by code 24)
inline constexpr WPARAM HUBCMD_RES_HIGH = 42;
inline constexpr WPARAM HUBCMD_WIRED_LAN = 43; // SWITCH_ON / SWITCH_OFF
inline constexpr WPARAM HUBCMD_SCREEN = 45; // SWITCH_ON / SWITCH_OFF
inline constexpr WPARAM HUBCMD_WIRELESS = 46; // SWITCH_ON / SWITCH_OFF
inline constexpr WPARAM HUBCMD_BLUETOOTH = 47; // BLUETOOTH_ON / BLUETOOTH_OFF: the other way round
// MSG_HUBCMD codes to the menu (and 24, the availability answer: AVAILABLE or anything else).
inline constexpr WPARAM HUBCMD_RELOADDISPLAY = 48;
inline constexpr WPARAM HUBCMD_HIDEMENU = 56;

// Arguments.
inline constexpr LPARAM SWITCH_ON = 1;
inline constexpr LPARAM SWITCH_OFF = 0;
inline constexpr LPARAM BLUETOOTH_ON = 0;
inline constexpr LPARAM BLUETOOTH_OFF = 1;
inline constexpr LPARAM AVAILABLE = 1;

// The menu status word: flags, and the battery percentage in bits 20-27 (above 100: not known).
inline constexpr DWORD STATUS_DISMISS_ALLOWED = 0x1;
inline constexpr DWORD STATUS_WIRED_LAN_ON = 0x10;
inline constexpr DWORD STATUS_BLUETOOTH_ON = 0x100;
inline constexpr DWORD STATUS_WIRELESS_ON = 0x10000;
inline constexpr int kBatteryShift = 20;
inline constexpr DWORD kBatteryMask = 0xFFu << kBatteryShift;

// Display modes as the "Display" value holds them; only the low 12 bits count.
inline constexpr DWORD DISPLAY_LAPTOP = 1;
inline constexpr DWORD DISPLAY_MONITOR = 2;
inline constexpr DWORD DISPLAY_DUPLICATE = 0x103;
inline constexpr DWORD DISPLAY_EXTEND = 3;
inline constexpr DWORD kDisplayModeMask = 0xFFF;

// Screen Hub's registry copy under HKEY_CURRENT_USER: 4-byte values, the status word and the mode.
inline constexpr wchar_t kHubSettingsKey[] = L"Software\\Corvale\\ScreenHub\\Settings";
inline constexpr char kHubSettingsKeyA[] = "Software\\Corvale\\ScreenHub\\Settings";
inline constexpr wchar_t kStatusValue[] = L"Popbar";
inline constexpr char kStatusValueA[] = "Popbar";
inline constexpr wchar_t kDisplayValue[] = L"Display";
inline constexpr char kDisplayValueA[] = "Display";
