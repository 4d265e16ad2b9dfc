#include "key_floors.h"

#include "controller/menu_placement.h"
#include "handles.h"
#include "main_window.h"
#include "menu/menu_layout.h"
#include "menu/menu_opacity.h"
#include "menu/menu_paint.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "skin/skin_loader.h"
#include "windowclass.h"

namespace {

constexpr UINT MSG_OPENFLOOR = WM_APP + 0x52;
constexpr COLORREF kPlainFace = RGB(20, 24, 32);

// Everything a floor keeps for its run; one per process.
struct CFloor {
    FloorKind kind = FloorKind::Plain;
    HWND hWnd = nullptr;
    SIZE size{};
    fw::unique_hook hook;
    fw::gdiplus_ptr<Gdiplus::Image> pBackground;
    CMenuFace face;
};
CFloor* s_pFloor = nullptr;

LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if ((key.flags & LLKHF_EXTENDED) && (key.scanCode & 0xFF) == kMenuKeyScanCode) {
            if (key.flags & LLKHF_UP)
                ::PostMessageW(s_pFloor->hWnd, MSG_OPENFLOOR, 0, 0);
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void TakeForeground(HWND hWnd)
{
    const DWORD nOwnThread = ::GetCurrentThreadId();
    const DWORD nForegroundThread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
    const bool bAttach = nForegroundThread != 0 && nForegroundThread != nOwnThread &&
                         ::AttachThreadInput(nOwnThread, nForegroundThread, TRUE);
    ::SetForegroundWindow(hWnd);
    if (bAttach)
        ::AttachThreadInput(nOwnThread, nForegroundThread, FALSE);
}

void Open(CFloor& floor)
{
    if (floor.kind == FloorKind::Fair)
        TakeForeground(floor.hWnd);
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    const POINT place = OpenMenuPlace(desktop.right, floor.size);
    ::SetWindowPos(floor.hWnd, HWND_TOPMOST, place.x, place.y, floor.size.cx, floor.size.cy, SWP_SHOWWINDOW);
    ::UpdateWindow(floor.hWnd);
}

void Paint(CFloor& floor)
{
    const fw::paint_scope paint(floor.hWnd);
    if (floor.kind == FloorKind::Fair) {
        floor.face.Paint(paint.get(), floor.pBackground.get(), floor.size.cx, floor.size.cy);
        return;
    }
    const RECT rc{0, 0, floor.size.cx, floor.size.cy};
    ::SetDCBrushColor(paint.get(), kPlainFace);
    ::FillRect(paint.get(), &rc, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

LRESULT CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case MSG_ARMFLOOR:
        s_pFloor->hook.reset();
        if (wParam)
            s_pFloor->hook.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, ::GetModuleHandleW(nullptr), 0));
        return 1;
    case MSG_OPENFLOOR:
        Open(*s_pFloor);
        return 0;
    case MSG_HIDEMENU:
        ::ShowWindow(hWnd, SW_HIDE);
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(*s_pFloor);
        return 0;
    default:
        return fw::MainWindowDefault(hWnd, message, wParam, lParam);
    }
}

} // namespace

int RunFloor(FloorKind kind, const std::wstring& skinPath)
{
    const fw::gdiplus_session gdiplus;
    const fw::unique_hmodule skin(::LoadLibraryExW(skinPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    CFloor floor;
    floor.kind = kind;
    if (!gdiplus || !skin || !LoadPngResource(floor.pBackground, kBackgroundImage, L"PNG", skin.get()))
        return 1;
    floor.size = {static_cast<LONG>(floor.pBackground->GetWidth()), static_cast<LONG>(floor.pBackground->GetHeight())};
    s_pFloor = &floor;

    WNDCLASSW wc{};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kFloorWindowClass;
    if (!RegisterClassOnce(wc))
        return 1;
    const bool bFair = kind == FloorKind::Fair;
    // Hidden off the desktop until the first open, as the menu is.
    const POINT parked = ParkedMenuPlace(floor.size);
    floor.hWnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFloorWindowClass,
                                   bFair ? kFairFloorTitle : kPlainFloorTitle, WS_POPUP, parked.x, parked.y,
                                   floor.size.cx, floor.size.cy, nullptr, nullptr, wc.hInstance, nullptr);
    if (!floor.hWnd)
        return 1;
    if (bFair)
        SetMenuOpacity(kMenuOpacityPercent, floor.hWnd);
    const int nExit = fw::RunMessageLoop() == -1 ? 1 : 0;
    s_pFloor = nullptr;
    return nExit;
}
