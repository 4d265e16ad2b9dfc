// The menu dialog's visibility: the menu key opens and dismisses it, Screen Hub's notifications, the
// auto-hide timer, suspend and MSG_HIDEMENU hide it, a display change moves it.
#include "controller/kestrel_menu_dlg.h"

#include "accessible_window.h"
#include "controller/menu_placement.h"
#include "keyhook/outside_click_hook.h"
#include "menu/menu_faces.h"
#include "controller/open_steps.h"
#include "peers/screen_hub.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "trace/debug_trace.h"

namespace {

// How long the foreground window may take to answer before the menu takes the foreground without it.
constexpr UINT kForegroundAnswerMs = 100;

RECT DesktopRect()
{
    RECT rc{};
    ::GetClientRect(::GetDesktopWindow(), &rc);
    return rc;
}

} // namespace

LRESULT CKestrelMenuDlg::OnMenuButton(WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    if (wParam == MENUBTN_KEY && lParam == MENUBTN_RELEASED)
        OnMenuKey();
    bHandled = FALSE;
    return 0;
}

void CKestrelMenuDlg::OnMenuKey()
{
    MarkOpenStep(OpenStep::KeyIn);
    EnsureScreenHubRunning();
    MarkOpenStep(OpenStep::ScreenHubEnsured);
    const DWORD status = QueryMenuStatus();
    MarkOpenStep(OpenStep::StatusAnswered);

    if (IsMenuVisible()) {
        ::PostMessageW(g_hWndScreenHub, MSG_MENUKEYAGAIN, 0, 0);
        if (status & STATUS_DISMISS_ALLOWED) {
            HideMenu();
            RemoveOutsideClickHook();
        }
        return;
    }

    DebugTrace(L"\nMSG_MENUBTN : Menu SHOW");
    // No tick may hide the half-opened menu.
    ::KillTimer(m_hWnd, TIMER_AUTOHIDE);
    ::PostMessageW(g_hWndScreenHub, MSG_MENUOPENED, 0, 0);

    DebugTrace((status & STATUS_WIRED_LAN_ON) ? L"\nMSG_MENUBTN : Wired LAN ON" : L"\nMSG_MENUBTN : Wired LAN OFF");
    ShowStatusFaces(m_buttons, status);
    MarkOpenStep(OpenStep::LooksSet);
    ApplyDisplayMode();
    MarkOpenStep(OpenStep::DisplayFaceSet);

    TakeForeground();
    MarkOpenStep(OpenStep::ForegroundTaken);

    const RECT desktop = DesktopRect();
    DebugTrace(L"\nDesktop Window left - %d, top - %d, right - %d, bottom - %d", desktop.left, desktop.top,
               desktop.right, desktop.bottom);
    const SIZE size = MenuSize();
    const POINT place = OpenMenuPlace(desktop.right, size);
    DebugTrace(L"\nMenu Pos : left - %d, top - %d, right - %d, bottom - %d", place.x, place.y, size.cx, size.cy);
    ::SetWindowPos(m_hWndMenu, HWND_TOPMOST, place.x, place.y, size.cx, size.cy, SWP_SHOWWINDOW);
    MarkOpenStep(OpenStep::Shown);
    if (!m_bPopupStarted) {
        m_bPopupStarted = true;
        fw::NotifyAccessibleEvent(EVENT_SYSTEM_MENUPOPUPSTART, m_hWndMenu);
    }
    ::InvalidateRect(m_hWndMenu, nullptr, TRUE);
    ::UpdateWindow(m_hWndMenu);

    ::SetTimer(m_hWnd, TIMER_AUTOHIDE, kAutoHidePeriodMs, nullptr);
    // Read again, and the whole menu painted again: under Wine that second paint is what hands a menu
    // opened again by the key X's keyboard focus (docs/WINE-NOTES.md).
    ApplyDisplayMode();
}

LRESULT CKestrelMenuDlg::OnHubCommand(WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    switch (wParam) {
    case HUBCMD_AVAILABILITY:
        for (UINT nID : {ID_RES_NORMAL, ID_RES_HIGH})
            ForEachButtonWithId(m_buttons, nID, [&](CImageButton& button) { button.Enable(lParam == AVAILABLE); });
        break;
    case HUBCMD_RELOADDISPLAY:
        ApplyDisplayMode();
        break;
    case HUBCMD_HIDEMENU:
        HideMenu();
        break;
    default:
        break;
    }
    bHandled = FALSE;
    return 0;
}

LRESULT CKestrelMenuDlg::OnHideMenu(WPARAM, LPARAM, BOOL&)
{
    // This message hides only; every other hide also repaints at once.
    HideMenu(false);
    return 1;
}

LRESULT CKestrelMenuDlg::OnReloadDisplay(WPARAM, LPARAM, BOOL&)
{
    ApplyDisplayMode();
    return 1;
}

LRESULT CKestrelMenuDlg::OnDisplayChange(WPARAM, LPARAM, BOOL& bHandled)
{
    DebugTrace(L"\nWM_DISPLAYCHANGE");
    const RECT desktop = DesktopRect();
    DebugTrace(L"\nleft = %d, top = %d, right = %d, bottom = %d,", desktop.left, desktop.top, desktop.right,
               desktop.bottom);
    const SIZE size = MenuSize();
    DebugTrace(L"\nBMP width = %d, height = %d", size.cx, size.cy);
    const POINT place = OpenMenuPlace(desktop.right, size);
    // A hidden menu moves to the new corner and stays hidden.
    const UINT flags = IsMenuVisible() ? SWP_SHOWWINDOW : SWP_NOACTIVATE;
    ::SetWindowPos(m_hWndMenu, HWND_TOPMOST, place.x, place.y, size.cx, size.cy, flags);
    ::InvalidateRect(m_hWndMenu, nullptr, TRUE);
    ::UpdateWindow(m_hWndMenu);
    m_bDisplayChangeLatch = false;
    bHandled = FALSE;
    return 0;
}

LRESULT CKestrelMenuDlg::OnPowerBroadcast(WPARAM wParam, LPARAM, BOOL& bHandled)
{
    if (wParam == PBT_APMSUSPEND)
        OnSuspend();
    bHandled = FALSE;
    return 0;
}

void CKestrelMenuDlg::OnSuspend()
{
    RemoveOutsideClickHook();
    if (IsMenuVisible())
        HideMenu();
}

LRESULT CKestrelMenuDlg::OnTimer(WPARAM wParam, LPARAM, BOOL& bHandled)
{
    if (wParam == TIMER_AUTOHIDE) {
        if (!IsMenuVisible())
            ::KillTimer(m_hWnd, TIMER_AUTOHIDE);
        else if (::GetForegroundWindow() != m_hWndMenu)
            HideMenu();
    }
    bHandled = FALSE;
    return 0;
}

void CKestrelMenuDlg::HideMenu(bool bUpdate)
{
    ::ShowWindow(m_hWndMenu, SW_HIDE);
    if (bUpdate)
        ::UpdateWindow(m_hWndMenu);
    // Only an opening starts a pop-up menu for screen readers: the hide of start-up, which finds the
    // parked template visible, ends none.
    if (m_bPopupStarted) {
        m_bPopupStarted = false;
        fw::NotifyAccessibleEvent(EVENT_SYSTEM_MENUPOPUPEND, m_hWndMenu);
    }
}

bool CKestrelMenuDlg::IsMenuVisible() const
{
    // Only the answer 1 counts as visible.
    return ::IsWindowVisible(m_hWndMenu) == TRUE;
}

void CKestrelMenuDlg::ApplyDisplayMode()
{
    if (const std::optional<DWORD> mode = ReadDisplayMode())
        ShowDisplayFace(m_buttons, *mode);
    ::InvalidateRect(m_hWndMenu, nullptr, TRUE);
}

void CKestrelMenuDlg::TakeForeground()
{
    const HWND hForeground = ::GetForegroundWindow();
    const DWORD nOwnThread = ::GetCurrentThreadId();
    const DWORD nForegroundThread = ::GetWindowThreadProcessId(hForeground, nullptr);
    // Sharing the input of a thread that does not answer would make the menu wait with it for as
    // long as it hangs: such a window loses the foreground without the shared input.
    DWORD_PTR unused = 0;
    const bool bAttach = nForegroundThread != 0 && nForegroundThread != nOwnThread &&
                         ::SendMessageTimeoutW(hForeground, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kForegroundAnswerMs,
                                               &unused) != 0;
    if (bAttach)
        ::AttachThreadInput(nOwnThread, nForegroundThread, TRUE);
    ::SetForegroundWindow(m_hWnd);
    if (bAttach)
        ::AttachThreadInput(nOwnThread, nForegroundThread, FALSE);
}
