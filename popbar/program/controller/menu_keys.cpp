// The keys the menu dialog takes: KeyRelay's reports of the laptop's keys, and the walk over the
// buttons by Up, Down and Enter, whose highlight the mouse shares.
#include "controller/kestrel_menu_dlg.h"

#include "keyhook/hook_decisions.h"
#include "keyhook/key_reports.h"
#include "peers/dial_keyboard.h"
#include "protocol/menu.h"
#include "scope_exit.h"
#include "trace/debug_trace.h"

#include <commctrl.h>

LRESULT CKestrelMenuDlg::OnKeyRelay(WPARAM, LPARAM lParam, BOOL&)
{
    const std::optional<KBDLLHOOKSTRUCT> key = ReadKeyRecord(lParam);
    if (!key)
        return 1;
    switch (KeyReportActionFor(key->scanCode, key->flags)) {
    case KeyReportAction::MenuKey: {
        // A menu key that arrives while the last one is handled (the status query lets sent messages
        // in) is dropped.
        if (m_bInKeyEvent)
            return 1;
        m_bInKeyEvent = true;
        const fw::scope_exit done([this] { m_bInKeyEvent = false; });
        // Sent, so the whole menu-key sequence runs before the flag is cleared.
        ::SendMessageW(m_hWndMenu, MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED);
        break;
    }
    case KeyReportAction::DialKeyboardKey:
        // Never waits here, so it is taken also while a menu key's sequence waits.
        OnDialKey({key->scanCode, key->flags});
        break;
    case KeyReportAction::None:
        break;
    }
    return 1;
}

void CKestrelMenuDlg::OnDialKey(const DialKeyPress& press)
{
    switch (m_dialKeys.Press(press)) {
    case DialKeyQueue::Outcome::RunNow:
        RunDialToggle();
        break;
    case DialKeyQueue::Outcome::Waits:
        DebugTrace(L"\nDial key : waits for the toggle that runs");
        break;
    case DialKeyQueue::Outcome::Dropped:
        DebugTrace(L"\nDial key : dropped, %d presses wait already", static_cast<int>(DialKeyQueue::kMostWaiting));
        break;
    }
}

void CKestrelMenuDlg::RunDialToggle()
{
    // A toggle that cannot start runs no more: the next press that waits gets its turn.
    while (!StartDialKeyboardToggle(m_hWndMenu, MSG_DIALTOGGLEDONE)) {
        DebugTrace(L"\nDial key : the toggle could not start");
        if (!m_dialKeys.Done())
            return;
    }
    DebugTrace(L"\nDial key : toggle runs");
}

LRESULT CKestrelMenuDlg::OnDialToggleDone(WPARAM, LPARAM, BOOL&)
{
    DebugTrace(L"\nDial key : toggle done");
    if (m_dialKeys.Done())
        RunDialToggle();
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
