// The buttons' commands: each press runs its steps from the command table.
#include "controller/kestrel_menu_dlg.h"

#include "keyhook/outside_click_hook.h"
#include "peers/screen_hub.h"

LRESULT CKestrelMenuDlg::OnButtonCommand(WPARAM wParam, LPARAM, BOOL& bHandled)
{
    for (const CommandStep& step : CommandSteps(wParam, m_bDisplayChangeLatch))
        RunCommandStep(step);
    // The command goes on to the dialog's own commands and the framework's default handling.
    bHandled = FALSE;
    return 0;
}

void CKestrelMenuDlg::OnOK() {}

void CKestrelMenuDlg::OnCancel()
{
    HideMenu();
}

void CKestrelMenuDlg::RunCommandStep(const CommandStep& step)
{
    switch (step.kind) {
    case CommandStepKind::MarkSelected:
    case CommandStepKind::MarkNotSelected: {
        const BOOL bOn = step.kind == CommandStepKind::MarkSelected;
        ForEachButtonWithId(m_buttons, step.nID, [&](CImageButton& button) { button.SetOn(bOn); });
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
