#include "controller/kestrel_menu_dlg.h"

#include "accessible_window.h"
#include "controller/init_steps.h"
#include "controller/menu_placement.h"
#include "controller/open_steps.h"
#include "errors.h"
#include "keyhook/key_reports.h"
#include "keyhook/outside_click_hook.h"
#include "messagebox.h"
#include "peers/screen_hub.h"
#include "popbar_resource.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "skin/skin_loader.h"
#include "trace/debug_trace.h"

namespace {

// Refreshes the frame after a style change without moving, sizing, reordering or activating.
constexpr UINT kFrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

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
    // The menu's own work on MSG_MENUBTN, MSG_HUBCMD, WM_DISPLAYCHANGE, WM_POWERBROADCAST, WM_TIMER and
    // the button commands leaves the message to the default processing as well.
    static const MessageMapEntry entries[] = {
        Message(WM_INITDIALOG, &CKestrelMenuDlg::OnInitDialog),
        Message(g_nKeyRelayMessage, &CKestrelMenuDlg::OnKeyRelay),
        Message(MSG_DIALTOGGLEDONE, &CKestrelMenuDlg::OnDialToggleDone),
        Message(MSG_MENUBTN, &CKestrelMenuDlg::OnMenuButton),
        Message(MSG_HUBCMD, &CKestrelMenuDlg::OnHubCommand),
        Message(MSG_HIDEMENU, &CKestrelMenuDlg::OnHideMenu),
        Message(MSG_RELOADDISPLAY, &CKestrelMenuDlg::OnReloadDisplay),
        Message(WM_DISPLAYCHANGE, &CKestrelMenuDlg::OnDisplayChange),
        Message(WM_POWERBROADCAST, &CKestrelMenuDlg::OnPowerBroadcast),
        Message(WM_TIMER, &CKestrelMenuDlg::OnTimer),
        Message(WM_CLOSE, &CKestrelMenuDlg::OnClose),
        Message(WM_COMMAND, &CKestrelMenuDlg::OnButtonCommand),
        Command(IDOK, &CKestrelMenuDlg::OnOK),
        Command(IDCANCEL, &CKestrelMenuDlg::OnCancel),
        Message(WM_PAINT, &CKestrelMenuDlg::OnPaint),
        Message(WM_QUERYDRAGICON, &CKestrelMenuDlg::OnQueryDragIcon),
        Message(WM_ERASEBKGND, &CKestrelMenuDlg::OnEraseBkgnd),
        Message(WM_GETOBJECT, &CKestrelMenuDlg::OnGetObject),
    };
    static const MessageMap map = MapOf(entries);
    return map;
}

LRESULT CKestrelMenuDlg::OnInitDialog(WPARAM, LPARAM, BOOL&)
{
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
    steps.findScreenHub = [] {
        // Not yet running is usual at log-on: the menu key starts it.
        if (!FindScreenHubWindow())
            DebugTrace(L"\nInit : Screen Hub not running yet");
    };
    steps.createButtons = [this] { return CreateButtons(m_buttons, m_hResource.get()); };
    steps.layoutButtons = [this] {
        const HRESULT hr = LayoutButtons(
            m_buttons, m_hWndMenu, m_hInstance, [this] { ApplyDisplayMode(); },
            [] { PostHubCommand(HUBCMD_AVAILABILITY, 0); });
        if (FAILED(hr))
            DebugTrace(L"\nInit : a button window not made: %s", fw::ResultText(hr).c_str());
        return hr;
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
    // The framework sets no focus.
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
    // Without KeyRelay's keys the menu never opens: say so where a developer looks.
    if (!KbdHkSetHookOwner(m_hWnd, g_nKeyRelayMessage))
        DebugTrace(L"\nInit : KeyRelay did not take the menu window");
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

LRESULT CKestrelMenuDlg::OnClose(WPARAM, LPARAM, BOOL&)
{
    // Screen Hub decides whether Popbar may end.
    if (!(QueryMenuStatus() & STATUS_DISMISS_ALLOWED))
        return 0;
    KbdHkSetUnhook();
    // The one way the menu dialog ends once it runs.
    EndDialog(IDCANCEL);
    return 0;
}

LRESULT CKestrelMenuDlg::OnPaint(WPARAM, LPARAM, BOOL&)
{
    const fw::paint_scope paint(m_hWnd);
    const SIZE size = MenuSize();
    m_face.Paint(paint.get(), m_pBackground.get(), size.cx, size.cy);
    MarkOpenStep(OpenStep::MenuPainted);
    return 0;
}

LRESULT CKestrelMenuDlg::OnQueryDragIcon(WPARAM, LPARAM, BOOL&)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

LRESULT CKestrelMenuDlg::OnEraseBkgnd(WPARAM, LPARAM, BOOL&)
{
    // The paint draws the whole face.
    return TRUE;
}

SIZE CKestrelMenuDlg::MenuSize() const
{
    if (!m_pBackground)
        return m_sizeTemplate;
    return {static_cast<LONG>(m_pBackground->GetWidth()), static_cast<LONG>(m_pBackground->GetHeight())};
}

LRESULT CKestrelMenuDlg::OnGetObject(WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        bHandled = FALSE;
        return 0;
    }
    return fw::AnswerGetObject(m_hWndMenu, wParam, lParam, [hWndMenu = m_hWndMenu]() -> std::optional<fw::AccessibleDescription> {
        if (!::IsWindow(hWndMenu))
            return std::nullopt;
        const AccessibleFacts facts = MenuFacts(::IsWindowVisible(hWndMenu) != FALSE);
        return fw::AccessibleDescription{AccessibleName(::GetModuleHandleW(nullptr), facts), facts.nRole, facts.nState, {}};
    });
}
