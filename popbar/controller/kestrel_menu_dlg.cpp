#include "controller/kestrel_menu_dlg.h"

#include "controller/init_steps.h"
#include "controller/auto_hide_timer.h"
#include "controller/menu_placement.h"
#include "handles.h"
#include "keyhook/hook_decisions.h"
#include "keyhook/keyrelay_message.h"
#include "keyhook/outside_click_hook.h"
#include "menu/display_faces.h"
#include "menu/status_looks.h"
#include "messagebox.h"
#include "peers/dial_keyboard.h"
#include "peers/screen_hub.h"
#include "popbar_resource.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "skin/skin_loader.h"
#include "trace/debug_trace.h"

#include <commctrl.h>

namespace {

constexpr WORD kBackgroundImage = 2168;
constexpr UINT kMenuOpacityPercent = 85;
// How long the foreground window may take to answer before the menu takes the foreground without it.
constexpr UINT kForegroundAnswerMs = 100;
// Refreshes the frame after a style change without moving, sizing, reordering or activating.
constexpr UINT kFrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

RECT DesktopRect()
{
    RECT rc{};
    ::GetClientRect(::GetDesktopWindow(), &rc);
    return rc;
}

} // namespace

CKestrelMenuDlg::CKestrelMenuDlg() : CDialog(IDD_KESTREL_MENU, nullptr)
{
    m_hInstance = ::GetModuleHandleW(nullptr);
    m_hIcon = ::LoadIconW(m_hInstance, MAKEINTRESOURCEW(IDI_POPBAR));
}

// The buttons, their pictures, the background and the skin library last as long as the dialog object,
// which is the whole run: they go with it, right before the process ends.
CKestrelMenuDlg::~CKestrelMenuDlg() = default;

const CDialog::MessageMap& CKestrelMenuDlg::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        Message(MSG_HIDEMENU, &CKestrelMenuDlg::OnHideMenu),
        Message(MSG_RELOADDISPLAY, &CKestrelMenuDlg::OnReloadDisplay),
        Message(WM_TIMER, &CKestrelMenuDlg::OnTimer),
        Message(WM_CLOSE, &CKestrelMenuDlg::OnClose),
        Message(WM_PAINT, &CKestrelMenuDlg::OnPaint),
        Message(WM_QUERYDRAGICON, &CKestrelMenuDlg::OnQueryDragIcon),
        Message(WM_ERASEBKGND, &CKestrelMenuDlg::OnEraseBkgnd),
    };
    static const MessageMap map = MapOf(entries);
    return map;
}

LRESULT CKestrelMenuDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A registered id, so not a map entry; 0 (registration failed) must not turn WM_NULL into a key.
    if (g_nKeyRelayMessage && message == g_nKeyRelayMessage)
        return OnKeyRelay(wParam, lParam);
    // These do their work first and then go on to the framework like any other message.
    switch (message) {
    case MSG_MENUBTN:
        if (wParam == MENUBTN_KEY && lParam == MENUBTN_RELEASED)
            OnMenuKey();
        break;
    case MSG_HUBCMD:
        OnHubNotification(wParam, lParam);
        break;
    case WM_DISPLAYCHANGE:
        OnDisplayChange();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND)
            OnSuspend();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CKestrelMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_hWndMenu = m_hWnd;
    g_hWndMenu = m_hWnd;

    RECT rcTemplate{};
    ::GetWindowRect(m_hWnd, &rcTemplate);
    m_sizeTemplate = {rcTemplate.right - rcTemplate.left, rcTemplate.bottom - rcTemplate.top};

    InitSteps steps;
    steps.loadResource = [this] {
        m_hResource = LoadResourceLibrary(m_hInstance);
        return static_cast<bool>(m_hResource);
    };
    steps.findScreenHub = [] { FindScreenHubWindow(); };
    steps.createButtons = [this] { return CreateButtons(m_pButtons, m_hResource.get()); };
    steps.layoutButtons = [this] {
        return LayoutButtons(
            m_pButtons, m_hWndMenu, m_hInstance, [this] { ApplyDisplayMode(); },
            [] { PostHubCommand(HUBCMD_AVAILABILITY, 0); });
    };
    if (const wchar_t* pszFailure = RunInitSteps(steps)) {
        FailWith(pszFailure);
        return FALSE;
    }
    if (!FinishInitialisation()) {
        // Without its place the menu could never be shown: end rather than run on without a menu.
        DebugTrace(L"\nInit : Can not place the menu");
        EndDialog(IDABORT);
    }
    return FALSE;
}

bool CKestrelMenuDlg::FinishInitialisation()
{
    // No task-bar button for the menu.
    const LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    const LONG_PTR toolStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    if (toolStyle != exStyle) {
        ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, toolStyle);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
    }

    SetMenuOpacity(kMenuOpacityPercent, m_hWndMenu);
    LoadPngResource(m_pBackground, kBackgroundImage, L"PNG", m_hResource.get());

    // The dialog manager shows the visible template right after this: keep that show off-screen.
    const SIZE size = MenuSize();
    const POINT parked = ParkedMenuPlace(size);
    if (!::SetWindowPos(m_hWndMenu, HWND_TOPMOST, parked.x, parked.y, size.cx, size.cy, SWP_HIDEWINDOW))
        return false;

    ::SetTimer(m_hWnd, TIMER_AUTOHIDE, kAutoHidePeriodMs, nullptr);
    KbdHkSetHookOwner(m_hWnd, g_nKeyRelayMessage);
    ::PostMessageW(m_hWndMenu, MSG_HIDEMENU, 0, 0);
    return true;
}

void CKestrelMenuDlg::FailWith(const wchar_t* pszText)
{
    ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
    AppMessageBox(pszText);
    // The posted close request may have been refused: a menu without its buttons must not run on.
    EndDialog(IDABORT);
}

BOOL CKestrelMenuDlg::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (pMsg->wParam == VK_RETURN) {
            // Consumed, highlight or not, so Enter never becomes the dialog's IDOK.
            Walk(PressHighlighted);
            return TRUE;
        }
        if (pMsg->wParam == VK_UP)
            Walk(HighlightPrevious);
        else if (pMsg->wParam == VK_DOWN)
            Walk(HighlightNext);
        break;
    case WM_KEYUP:
        if (pMsg->wParam == VK_RETURN)
            ActivatePressed();
        break;
    case WM_MOUSEMOVE:
        OnMenuMouseMove();
        break;
    default:
        break;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CKestrelMenuDlg::OnOK() {}

void CKestrelMenuDlg::OnCancel()
{
    HideMenu();
}

WalkButtons CKestrelMenuDlg::WalkView() const
{
    WalkButtons walk;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const CImageButton& button = *m_pButtons[nSlot];
        walk[nSlot] = {button.State(), button.IsVisible(), button.IsEnabled() != FALSE};
    }
    return walk;
}

void CKestrelMenuDlg::Walk(int (*step)(WalkButtons&))
{
    WalkButtons walk = WalkView();
    m_nSelected = step(walk);
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        if (walk[nSlot].nState != m_pButtons[nSlot]->State())
            m_pButtons[nSlot]->SetState(walk[nSlot].nState);
    }
}

void CKestrelMenuDlg::ActivatePressed()
{
    m_nSelected = FirstSlotInState(WalkView(), STATE_PRESSED, false);
    if (m_nSelected < 0)
        return;
    // Sent, so the command has run before the highlight comes back.
    ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(m_pButtons[m_nSelected]->ID(), 0), 0);
    m_pButtons[m_nSelected]->SetState(STATE_HOVER);
}

void CKestrelMenuDlg::OnMenuMouseMove()
{
    Walk([](WalkButtons& walk) {
        ClearHighlights(walk);
        return -1;
    });
    // The button under the pointer takes the highlight back by its own mouse handling.
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWndMenu, HOVER_DEFAULT};
    ::_TrackMouseEvent(&tme);
}

BOOL CKestrelMenuDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    for (const CommandStep& step : CommandSteps(wParam, m_bDisplayChangeLatch))
        RunCommandStep(step);
    return CDialog::OnCommand(wParam, lParam);
}

void CKestrelMenuDlg::RunCommandStep(const CommandStep& step)
{
    switch (step.kind) {
    case CommandStepKind::MarkSelected:
    case CommandStepKind::MarkNotSelected: {
        const BOOL bOn = step.kind == CommandStepKind::MarkSelected;
        ForEachButtonWithId(m_pButtons, step.nID, [&](CImageButton& button) { button.SetOn(bOn); });
        break;
    }
    case CommandStepKind::PostToHub:
        PostHubCommand(step.nCode, step.nArgument);
        break;
    case CommandStepKind::SetDisplayChangeLatch:
        m_bDisplayChangeLatch = true;
        break;
    case CommandStepKind::RemoveOutsideClickHook:
        RemoveOutsideClickHook();
        break;
    case CommandStepKind::BringMenuToFront:
        ::SetForegroundWindow(m_hWndMenu);
        break;
    case CommandStepKind::InstallOutsideClickHook:
        InstallOutsideClickHook();
        break;
    }
}

LRESULT CKestrelMenuDlg::OnKeyRelay(WPARAM, LPARAM lParam)
{
    // Reports that arrive while one is handled (the status query lets sent messages in) are dropped.
    if (m_bInKeyEvent)
        return 1;
    m_bInKeyEvent = true;
    const auto* pKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    switch (KeyReportActionFor(pKey->scanCode, pKey->flags)) {
    case KeyReportAction::MenuKey:
        // Sent, so the whole menu-key sequence runs before the flag is cleared.
        ::SendMessageW(m_hWndMenu, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED);
        break;
    case KeyReportAction::DialKeyboardKey:
        ToggleDialKeyboard();
        break;
    case KeyReportAction::None:
        break;
    }
    m_bInKeyEvent = false;
    return 1;
}

void CKestrelMenuDlg::OnMenuKey()
{
    EnsureScreenHubRunning();
    const DWORD status = QueryMenuStatus();

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
    for (const ButtonLook& look : PairLooksFromStatus(status))
        ForEachButtonWithId(m_pButtons, look.nID, [&](CImageButton& button) { button.SetOn(look.bOn); });
    BatteryButton(m_pButtons).SetLevel(status);
    ApplyDisplayMode();

    TakeForeground();

    const RECT desktop = DesktopRect();
    DebugTrace(L"\nDesktop Window left - %d, top - %d, right - %d, bottom - %d", desktop.left, desktop.top,
               desktop.right, desktop.bottom);
    const SIZE size = MenuSize();
    const POINT place = OpenMenuPlace(desktop.right, size);
    DebugTrace(L"\nMenu Pos : left - %d, top - %d, right - %d, bottom - %d", place.x, place.y, size.cx, size.cy);
    ::SetWindowPos(m_hWndMenu, HWND_TOPMOST, place.x, place.y, size.cx, size.cy, SWP_SHOWWINDOW);
    ::InvalidateRect(m_hWndMenu, nullptr, TRUE);
    ::UpdateWindow(m_hWndMenu);

    ::SetTimer(m_hWnd, TIMER_AUTOHIDE, kAutoHidePeriodMs, nullptr);
    ApplyDisplayMode();
}

void CKestrelMenuDlg::OnHubNotification(WPARAM nCode, LPARAM nArgument)
{
    switch (nCode) {
    case HUBCMD_AVAILABILITY:
        for (UINT nID : {ID_RES_NORMAL, ID_RES_HIGH})
            ForEachButtonWithId(m_pButtons, nID, [&](CImageButton& button) { button.Enable(nArgument == AVAILABLE); });
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
}

void CKestrelMenuDlg::OnDisplayChange()
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
}

void CKestrelMenuDlg::OnSuspend()
{
    RemoveOutsideClickHook();
    if (IsMenuVisible())
        HideMenu();
}

LRESULT CKestrelMenuDlg::OnHideMenu(WPARAM, LPARAM)
{
    ::ShowWindow(m_hWndMenu, SW_HIDE);
    return 1;
}

LRESULT CKestrelMenuDlg::OnReloadDisplay(WPARAM, LPARAM)
{
    ApplyDisplayMode();
    return 1;
}

LRESULT CKestrelMenuDlg::OnTimer(WPARAM wParam, LPARAM lParam)
{
    if (wParam == TIMER_AUTOHIDE) {
        if (!IsMenuVisible())
            ::KillTimer(m_hWnd, TIMER_AUTOHIDE);
        else if (::GetForegroundWindow() != m_hWndMenu)
            HideMenu();
    }
    return DefWindowProc(WM_TIMER, wParam, lParam);
}

LRESULT CKestrelMenuDlg::OnClose(WPARAM, LPARAM)
{
    // Screen Hub decides whether Popbar may end.
    if (!(QueryMenuStatus() & STATUS_DISMISS_ALLOWED))
        return 0;
    KbdHkSetUnhook();
    // The one way the menu dialog ends once it runs.
    EndDialog(IDCANCEL);
    return 0;
}

LRESULT CKestrelMenuDlg::OnPaint(WPARAM, LPARAM)
{
    const fw::paint_scope paint(m_hWnd);
    const SIZE size = MenuSize();
    m_face.Paint(paint.get(), m_pBackground.get(), size.cx, size.cy);
    return 0;
}

LRESULT CKestrelMenuDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

LRESULT CKestrelMenuDlg::OnEraseBkgnd(WPARAM, LPARAM)
{
    // The paint draws the whole face.
    return TRUE;
}

void CKestrelMenuDlg::HideMenu()
{
    ::ShowWindow(m_hWndMenu, SW_HIDE);
    ::UpdateWindow(m_hWndMenu);
}

bool CKestrelMenuDlg::IsMenuVisible() const
{
    // Only the answer 1 counts as visible.
    return ::IsWindowVisible(m_hWndMenu) == TRUE;
}

void CKestrelMenuDlg::ApplyDisplayMode()
{
    if (const std::optional<DWORD> mode = ReadDisplayMode())
        ShowDisplayFace(m_pButtons, *mode);
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

SIZE CKestrelMenuDlg::MenuSize() const
{
    if (!m_pBackground)
        return m_sizeTemplate;
    return {static_cast<LONG>(m_pBackground->GetWidth()), static_cast<LONG>(m_pBackground->GetHeight())};
}
