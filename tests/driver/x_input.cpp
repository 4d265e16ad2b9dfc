#include "x_input.h"

#include "files.h"
#include "handles.h"

#include <objbase.h>
#include "wait.h"

#include <string>
#include <vector>

namespace driver {

namespace {

// Wine starts a Unix program from a Windows process, but hands back no handle to wait on: the shell
// around xdotool leaves its exit code in a file, seen from Windows through the Z: drive. Process ids
// repeat across Wine sessions that share /tmp, so the name is a GUID.
std::wstring MarkerName()
{
    GUID guid{};
    ::CoCreateGuid(&guid);
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    std::wstring name = L"corvale-xdotool-";
    for (const wchar_t* p = text; *p; ++p) {
        if (*p != L'{' && *p != L'}')
            name += *p;
    }
    return name;
}

} // namespace

bool RunShell(const std::wstring& commandLine)
{
    const std::wstring marker = MarkerName();
    const std::wstring windowsMarker = L"Z:\\tmp\\" + marker;
    ::DeleteFileW(windowsMarker.c_str());
    // Written to a second name and renamed, so the marker never shows half-written.
    const std::wstring shell = L"/bin/sh -c \"" + commandLine + L"; echo $? > /tmp/" + marker + L".part && mv /tmp/" +
                               marker + L".part /tmp/" + marker + L"\"";
    std::vector<wchar_t> buffer(shell.begin(), shell.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &si, &pi))
        return false;
    const fw::unique_handle process(pi.hProcess);
    const fw::unique_handle thread(pi.hThread);

    std::string result;
    const bool bEnded = WaitUntil(
        [&] {
            result = ReadWholeFile(windowsMarker);
            return !result.empty();
        },
        10000);
    ::DeleteFileW(windowsMarker.c_str());
    return bEnded && result.rfind("0", 0) == 0 && (result.size() == 1 || result[1] == '\n');
}

bool XdoTool(const std::wstring& arguments)
{
    return RunShell(L"xdotool " + arguments);
}

bool ClickAt(POINT point, int nButton)
{
    // The virtual desktop's window stands at the X screen's origin, so the coordinates are the same.
    // No --sync: it waits for a motion that never comes when the pointer is already there; the X
    // server handles the move before the click all the same.
    return XdoTool(L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y) + L" click " +
                   std::to_wstring(nButton));
}

bool MovePointer(POINT point)
{
    return XdoTool(L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y));
}

bool PressXKey(const std::wstring& keyName)
{
    return XdoTool(L"key " + keyName);
}

bool HasXKeyboardFocus(HWND hWnd)
{
    // Wine keeps each top-level window's X window id as a property of the window.
    const auto xWindow = reinterpret_cast<UINT_PTR>(::GetPropW(hWnd, L"__wine_x11_whole_window"));
    return xWindow && RunShell(L"test $(xdotool getwindowfocus) = " + std::to_wstring(xWindow));
}

} // namespace driver
