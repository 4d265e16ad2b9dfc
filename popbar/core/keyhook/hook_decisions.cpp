#include "keyhook/hook_decisions.h"

#include "protocol/keyrelay.h"

KeyReportAction KeyReportActionFor(DWORD nScanCode, DWORD nFlags)
{
    if (!(nFlags & LLKHF_UP) || !(nFlags & LLKHF_EXTENDED))
        return KeyReportAction::None;
    switch (nScanCode & 0xFF) {
    case kMenuKeyScanCode:
        return KeyReportAction::MenuKey;
    case kDialKeyScanCode:
        return KeyReportAction::DialKeyboardKey;
    default:
        return KeyReportAction::None;
    }
}

OutsideClickAction OutsideClickActionFor(int nCode, WPARAM nMessage)
{
    if (nCode != HC_ACTION)
        return OutsideClickAction::PassOn;
    if (nMessage == WM_LBUTTONUP)
        return OutsideClickAction::SwallowAndCommand;
    if (nMessage == WM_LBUTTONDOWN)
        return OutsideClickAction::Swallow;
    return OutsideClickAction::PassOn;
}
