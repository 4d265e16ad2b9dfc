// String ids of what a screen reader says of Popbar's menu and its buttons, in the string table of
// accessible_names.rc.inc, which Popbar and SkinSheet both carry (a translation changes only that file).
#pragma once

#define IDS_ACC_MENU              200
#define IDS_ACC_DISPLAY_LAPTOP    201
#define IDS_ACC_DISPLAY_MONITOR   202
#define IDS_ACC_DISPLAY_DUPLICATE 203
#define IDS_ACC_DISPLAY_EXTEND    204
#define IDS_ACC_DARKER            205
#define IDS_ACC_BRIGHTER          206
#define IDS_ACC_SCREEN_ON         207
#define IDS_ACC_SCREEN_OFF        208
#define IDS_ACC_RES_NORMAL        209
#define IDS_ACC_RES_HIGH          210
#define IDS_ACC_BLUETOOTH_ON      211
#define IDS_ACC_BLUETOOTH_OFF     212
#define IDS_ACC_WIRELESS_ON       213
#define IDS_ACC_WIRELESS_OFF      214
#define IDS_ACC_WIRED_LAN_ON      215
#define IDS_ACC_WIRED_LAN_OFF     216
// The battery's level as the menu draws it: %d is the percentage.
#define IDS_ACC_BATTERY_LEVEL     217
#define IDS_ACC_BATTERY_UNKNOWN   218
// The default action of a button that can be clicked.
#define IDS_ACC_PRESS             219
