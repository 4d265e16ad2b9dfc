#pragma once
// Popbar's menu window as other programs see it: its class, the messages it takes besides Screen
// Hub's, and its buttons' control ids, which are also the ids of the commands they send.
#include <windows.h>

// The only window of this class while Popbar runs: the menu dialog, hidden or shown.
inline constexpr wchar_t kMenuWindowClass[] = L"KESTREL_MENU";
inline constexpr wchar_t kMenuButtonClass[] = L"KESTREL_MENU_BUTTON_CLASS";

// The menu key was released: wParam MENUBTN_KEY, lParam MENUBTN_RELEASED (other values do nothing).
inline constexpr UINT MSG_MENUBTN = 2326;
inline constexpr WPARAM MENUBTN_KEY = 1;
inline constexpr LPARAM MENUBTN_RELEASED = 2;
// Hide the menu; the parameters are ignored.
inline constexpr UINT MSG_HIDEMENU = 2524;

// The buttons, named by what their faces show. The pairs light one of their two buttons.
inline constexpr UINT ID_DARKER = 100;
inline constexpr UINT ID_BRIGHTER = 101;
inline constexpr UINT ID_BATTERY = 102;
inline constexpr UINT ID_DISPLAYMODE = 103; // four faces, one of them shown
inline constexpr UINT ID_SCREEN_ON = 104; // also the outside click's command
inline constexpr UINT ID_SCREEN_OFF = 105;
inline constexpr UINT ID_WIRED_LAN_ON = 106;
inline constexpr UINT ID_WIRED_LAN_OFF = 107;
inline constexpr UINT ID_BLUETOOTH_ON = 108;
inline constexpr UINT ID_BLUETOOTH_OFF = 109;
inline constexpr UINT ID_WIRELESS_ON = 110;
inline constexpr UINT ID_WIRELESS_OFF = 111;
inline constexpr UINT ID_RES_NORMAL = 112; // enabled and disabled with ID_RES_HIGH
inline constexpr UINT ID_RES_HIGH = 113;
