#include "hub_view.h"

#include <cwchar>

namespace {

std::wstring Hex(DWORD value)
{
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(value));
    return text;
}

const wchar_t* OnOff(bool bOn)
{
    return bOn ? L"on" : L"off";
}

std::wstring DisplayModeName(DWORD mode)
{
    switch (mode & kDisplayModeMask) {
    case DISPLAY_LAPTOP:
        return L"laptop only";
    case DISPLAY_MONITOR:
        return L"monitor only";
    case DISPLAY_DUPLICATE:
        return L"duplicate";
    case DISPLAY_EXTEND:
        return L"extend";
    default:
        return L"unknown";
    }
}

std::wstring BatteryText(BYTE battery)
{
    return battery <= 100 ? std::to_wstring(battery) + L" %" : L"not known (" + std::to_wstring(battery) + L")";
}

const wchar_t* CommandName(WPARAM code)
{
    switch (code) {
    case HUBCMD_DISPLAYMODE:
        return L"display mode";
    case HUBCMD_BATTERY:
        return L"battery";
    case HUBCMD_BRIGHTER:
        return L"brighter";
    case HUBCMD_DARKER:
        return L"darker";
    case HUBCMD_RES_NORMAL:
        return L"resolution normal";
    case HUBCMD_QUERYSTATUS:
        return L"status query";
    case HUBCMD_AVAILABILITY:
        return L"resolution available";
    case HUBCMD_RES_HIGH:
        return L"resolution high";
    case HUBCMD_WIRED_LAN:
        return L"wired LAN";
    case HUBCMD_SCREEN:
        return L"screen";
    case HUBCMD_WIRELESS:
        return L"wireless";
    case HUBCMD_BLUETOOTH:
        return L"bluetooth (0 on)";
    case HUBCMD_RELOADDISPLAY:
        return L"display changed";
    case HUBCMD_HIDEMENU:
        return L"close menu";
    default:
        return L"?";
    }
}

} // namespace

std::vector<std::wstring> DescribeState(const HubState& state)
{
    return {
        L"Status word " + Hex(StatusWord(state)),
        std::wstring(L"  0x1 dismiss allowed: ") + (state.dismissAllowed ? L"yes" : L"no"),
        std::wstring(L"  0x10 wired LAN: ") + OnOff(state.wiredLanOn),
        std::wstring(L"  0x100 bluetooth: ") + OnOff(state.bluetoothOn),
        std::wstring(L"  0x10000 wireless: ") + OnOff(state.wirelessOn),
        L"  battery: " + BatteryText(state.battery),
        L"Display " + Hex(state.displayMode) + L": " + DisplayModeName(state.displayMode),
        L"Brightness " + std::to_wstring(state.brightness) + L" of " + std::to_wstring(kBrightnessMax),
        std::wstring(L"Screen ") + OnOff(state.screenOn),
        std::wstring(L"Resolution ") + (state.highResolution ? L"high" : L"normal"),
    };
}

std::wstring DescribeMessage(JournalDirection direction, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::wstring text = direction == JournalDirection::Out ? L"out " : L"in  ";
    switch (message) {
    case MSG_HUBCMD:
        return text + L"MSG_HUBCMD " + std::to_wstring(wParam) + L" " + CommandName(wParam) + L" " +
               std::to_wstring(static_cast<long long>(lParam));
    case MSG_MENUOPENED:
        return text + L"menu opened";
    case MSG_MENUKEYAGAIN:
        return text + L"menu key again";
    default:
        return text + L"message " + std::to_wstring(message) + L" " + std::to_wstring(wParam) + L" " +
               std::to_wstring(static_cast<long long>(lParam));
    }
}
