// DialKeys.exe: our stand-in for the Touch Pack's dial keyboard. A small top-most window at the
// bottom of the desktop that never takes the foreground, so the menu stays open beside it; it runs
// until it is closed.
//
//   DialKeys.exe [--busy MS]
//
// --busy MS spends MS milliseconds before the window exists and the message loop runs, so the
// program is not ready for input meanwhile.
#include "command_line.h"
#include "dial_keys.h"
#include "main_window.h"

#include <string>
#include <vector>

namespace {

constexpr int kWidth = 220;
constexpr int kHeight = 90;

DWORD BusyMs()
{
    const std::vector<std::wstring> words = fw::CommandLineWords(::GetCommandLineW());
    DWORD nMs = 0;
    for (size_t i = 1; i + 1 < words.size(); ++i) {
        if (words[i] == L"--busy")
            nMs = static_cast<DWORD>(std::wcstoul(words[i + 1].c_str(), nullptr, 10));
    }
    return nMs;
}

void Paint(HWND hWnd)
{
    PAINTSTRUCT ps{};
    const HDC hdc = ::BeginPaint(hWnd, &ps);
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    ::FillRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, RGB(255, 255, 255));
    ::DrawTextW(hdc, L"Dial keyboard", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::EndPaint(hWnd, &ps);
}

LRESULT CALLBACK KeyboardProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return fw::MainWindowDefault(hWnd, message, wParam, lParam);
    }
}

} // namespace

int main()
{
    RecordStart(L"started");
    if (const DWORD nBusyMs = BusyMs())
        ::Sleep(nBusyMs);

    WNDCLASSW wc{};
    wc.lpfnWndProc = KeyboardProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kDialKeysWindowClass;
    ::RegisterClassW(&wc);
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    const HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kDialKeysWindowClass,
                                        L"Dial Keys", WS_POPUP, (desktop.right - kWidth) / 2,
                                        desktop.bottom - kHeight - 10, kWidth, kHeight, nullptr, nullptr,
                                        wc.hInstance, nullptr);
    if (!hWnd)
        return 1;
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);

    return fw::RunMessageLoop() == -1 ? 1 : 0;
}
