// The keys the menu dialog takes: KeyRelay's reports of the laptop's keys, and the walk over the
// buttons by Up, Down and Enter, whose highlight the mouse shares.
#include "controller/kestrel_menu_dlg.h"

#include "keyhook/hook_decisions.h"
#include "keyhook/key_reports.h"
#include "peers/dial_keyboard.h"
#include "protocol/menu.h"
#include "trace/debug_trace.h"

#include <commctrl.h>

LRESULT CKestrelMenuDlg::OnKeyRelay(WPARAM, LPARAM lParam, BOOL&)
{
    // Reports that arrive while one is handled (the status query lets sent messages in) are dropped;
    // so is a dial-keyboard key while its last toggle still runs on its own thread, while the menu key
    // opens or hides the menu at once.
    if (m_bInKeyEvent)
        return 1;
    const std::optional<KBDLLHOOKSTRUCT> key = ReadKeyRecord(lParam);
    if (!key)
        return 1;
    m_bInKeyEvent = true;
    switch (KeyReportActionFor(key->scanCode, key->flags)) {
    case KeyReportAction::MenuKey:
        // Sent, so the whole menu-key sequence runs before the flag is cleared.
        ::SendMessageW(m_hWndMenu, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED);
        break;
    case KeyReportAction::DialKeyboardKey:
        DebugTrace(StartDialKeyboardToggle(m_hWndMenu, MSG_DIALTOGGLEDONE) ? L"\nDial key : toggle"
                                                                           : L"\nDial key : dropped, a toggle runs");
        break;
    case KeyReportAction::None:
        break;
    }
    m_bInKeyEvent = false;
    return 1;
}

LRESULT CKestrelMenuDlg::OnDialToggleDone(WPARAM, LPARAM, BOOL&)
{
    DebugTrace(L"\nDial key : toggle done");
    return 0;
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
        // Consumed: the dialog manager would move the keyboard focus to a button of its own choosing,
        // and screen readers would name that one instead of the highlighted one.
        if (pMsg->wParam == VK_UP) {
            Walk(HighlightPrevious);
            return TRUE;
        }
        if (pMsg->wParam == VK_DOWN) {
            Walk(HighlightNext);
            return TRUE;
        }
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

WalkButtons CKestrelMenuDlg::WalkView() const
{
    WalkButtons walk;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const CImageButton& button = *m_buttons[nSlot];
        walk[nSlot] = {button.State(), button.IsVisible(), button.IsEnabled() != FALSE};
    }
    return walk;
}

void CKestrelMenuDlg::Walk(int (*step)(WalkButtons&))
{
    WalkButtons walk = WalkView();
    m_nSelected = step(walk);
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        if (walk[nSlot].nState != m_buttons[nSlot]->State())
            m_buttons[nSlot]->SetState(walk[nSlot].nState);
    }
}

void CKestrelMenuDlg::ActivatePressed()
{
    m_nSelected = FirstSlotInState(WalkView(), STATE_PRESSED, false);
    if (m_nSelected < 0)
        return;
    // Sent, so the command has run before the highlight comes back.
    ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(m_buttons[m_nSelected]->ID(), 0), 0);
    m_buttons[m_nSelected]->SetState(STATE_HOVER);
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
