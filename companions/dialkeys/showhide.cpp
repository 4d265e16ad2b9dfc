// showHide.exe: our stand-in for the Touch Pack's show-hide program. Shows the dial keyboard's
// window when it is hidden and hides it when it shows, then ends.
#include "dial_keys.h"

int main()
{
    const HWND hWnd = ::FindWindowW(kDialKeysWindowClass, nullptr);
    if (!hWnd) {
        RecordStart(L"no keyboard");
        return 1;
    }
    const bool bShown = ::IsWindowVisible(hWnd) != FALSE;
    ::ShowWindow(hWnd, bShown ? SW_HIDE : SW_SHOWNOACTIVATE);
    RecordStart(bShown ? L"hidden" : L"shown");
    return 0;
}
