#pragma once
// The framework's message box: modal, one OK button, no owner window, captioned with the
// application's name; the warning icon unless another is given.
#include <windows.h>

int AppMessageBox(const wchar_t* pszText, UINT nIcon = MB_ICONEXCLAMATION);
int AppMessageBox(const char* pszText, UINT nIcon = MB_ICONEXCLAMATION);
