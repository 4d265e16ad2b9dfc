#include "keyrelay.h"

namespace {

HWND s_hWndOwner = nullptr;
UINT s_nMessage = 0;

} // namespace

int KbdHkSetHookOwner(HWND hWndOwner, UINT nMessage)
{
    if (!::IsWindow(hWndOwner))
        return 0;
    KbdHkSetUnhook();
    s_hWndOwner = hWndOwner;
    s_nMessage = nMessage;
    ::SetPropW(hWndOwner, kKeyRelayOwnerProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nMessage)));
    return 1;
}

int KbdHkSetUnhook()
{
    if (!s_hWndOwner)
        return 0;
    if (::IsWindow(s_hWndOwner))
        ::RemovePropW(s_hWndOwner, kKeyRelayOwnerProperty);
    s_hWndOwner = nullptr;
    s_nMessage = 0;
    return 1;
}
