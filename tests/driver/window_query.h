#pragma once
// Finding and reading the windows of programs under test, and answering their message boxes.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

std::wstring WindowClass(HWND hWnd);
std::wstring WindowText(HWND hWnd);
DWORD WindowProcessId(HWND hWnd);

// Top-level windows of one process (0: of every process), optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD nProcessId, const wchar_t* pszClass = nullptr);
// The first of them; null when there is none.
HWND FirstTopLevelWindow(DWORD nProcessId, const wchar_t* pszClass = nullptr);

struct MessageBoxInfo {
    HWND hWnd = nullptr;
    std::wstring caption;
    std::wstring text;
    bool hasWarningIcon = false;
};

// Waits for a message box of the process; an empty result (null hWnd) when none came in time.
MessageBoxInfo WaitForMessageBox(DWORD nProcessId, DWORD nTimeoutMs = 10000);
// Presses the box's OK button as a user would, and waits until the box has gone.
bool PressOk(HWND hBox, DWORD nTimeoutMs = 10000);

} // namespace driver
