#include "x_input.h"

#include "process.h"

namespace driver {

namespace {

// Wine starts Unix programs from their path on its Z: drive; they inherit DISPLAY.
constexpr wchar_t kXdoTool[] = L"Z:\\usr\\bin\\xdotool";

} // namespace

bool XdoTool(const std::wstring& arguments)
{
    ChildProcess tool;
    if (!tool.Start(kXdoTool, arguments, L"C:\\"))
        return false;
    const auto code = tool.WaitForExit(10000);
    return code && *code == 0;
}

bool ClickAt(POINT point, int nButton)
{
    // The virtual desktop's window stands at the X screen's origin, so the coordinates are the same.
    return XdoTool(L"mousemove --sync " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y) + L" click " +
                   std::to_wstring(nButton));
}

bool PressXKey(const std::wstring& keyName)
{
    return XdoTool(L"key " + keyName);
}

} // namespace driver
