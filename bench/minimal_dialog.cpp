// bench_minimal: the least a Win32 dialog program is, for the start-up and idle comparisons: one
// empty modal dialog from a template in memory, waiting for the user.
#include <windows.h>

namespace {

// A DLGTEMPLATE followed by its empty menu, class and title arrays, as DialogBoxIndirect reads it.
struct MinimalTemplate {
    DLGTEMPLATE dialog;
    WORD nMenu;
    WORD nClass;
    wchar_t title[8];
};

INT_PTR CALLBACK MinimalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(hWnd, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    alignas(DWORD) static const MinimalTemplate s_template = {
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER, 0, 0, 0, 0, 160, 60}, 0, 0, L"minimal"};
    return static_cast<int>(::DialogBoxIndirectParamW(hInstance, &s_template.dialog, nullptr, MinimalProc, 0));
}
