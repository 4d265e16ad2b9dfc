#include "floor_window.h"
#include "main_window.h"

#include "handles.h"
#include "protocol/menu.h"
#include "windowclass.h"

namespace {

constexpr SIZE kSize{340, 335};
constexpr COLORREF kFace = RGB(20, 24, 32);

void Open(HWND hWnd)
{
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    ::SetWindowPos(hWnd, HWND_TOPMOST, desktop.right - kSize.cx - 5, 5, kSize.cx, kSize.cy, SWP_SHOWWINDOW);
    ::InvalidateRect(hWnd, nullptr, TRUE);
    ::UpdateWindow(hWnd);
}

void Paint(HWND hWnd)
{
    const fw::paint_scope paint(hWnd);
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    // The context's own brush: nothing made, nothing to release.
    ::SetDCBrushColor(paint.get(), kFace);
    ::FillRect(paint.get(), &rc, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

LRESULT CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case MSG_MENUBTN:
        if (wParam == MENUBTN_KEY && lParam == MENUBTN_RELEASED)
            Open(hWnd);
        return 0;
    case MSG_HIDEMENU:
        ::ShowWindow(hWnd, SW_HIDE);
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    default:
        return fw::MainWindowDefault(hWnd, message, wParam, lParam);
    }
}

} // namespace

int RunFloorWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kFloorWindowClass;
    if (!RegisterClassOnce(wc))
        return 1;
    // Hidden off the desktop until the first open, as the menu is.
    const HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFloorWindowClass, L"", WS_POPUP,
                                        -30 - kSize.cx, -30 - kSize.cy, kSize.cx, kSize.cy, nullptr, nullptr,
                                        wc.hInstance, nullptr);
    if (!hWnd)
        return 1;
    return fw::RunMessageLoop() == -1 ? 1 : 0;
}
